#pragma once
#include <string>
#include <vector>

#include "ldraw/LDrawLibrary.h"
#include "output/MappingList.h"

class TBlock;
class TShapeCache;

// How the LDraw lines that the export writes for a piece land in an LDraw
// library: do the parts' bodies (studs aside) fill the piece's box within
// 1 LDU, and does the top of a roof piece slope the way the program draws it?
struct LDrawFit {
  std::vector<std::string> lines;         // the export's lines for the piece
  std::vector<std::string> missingParts;  // parts the library does not have
  std::string sides;   // "" or the sides that miss the box: "+y 10 short, top 4 over"
  std::string facing;  // "" or how the top differs from the piece's slopes

  bool Fits() const {
    return !lines.empty() && missingParts.empty() && sides.empty() && facing.empty();
  }
  // "fits", "left out", "missing part 3048b.dat", or the sides and facing.
  std::string Describe() const;
};

// Sides are in model coordinates: -x and +x, -y and +y, bottom and top. A
// baseplate part (its title starts with "Baseplate") is as thin as real
// baseplates are: its bottom is not measured. A wheel is measured against the
// wheel the program draws (diameter three quarters of its length, axle 28
// above the bottom), not against its box. The mapping list is not changed:
// records the export would append are made in a copy.
LDrawFit CheckPieceFit(const TBlock& piece, const TMappingList& mapping, LDrawLibrary& library);

// Every record of the list, measured alone on a piece made from it in the
// four directions. One line for each record that does not fit: its line
// number, the record, and what is wrong in which direction.
std::vector<std::string> CheckMappingRecords(const TMappingList& mapping, LDrawLibrary& library,
                                             TShapeCache& shapes);
