#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/Block.h"

class TShapeCache;

// One palette entry as it is kept in the settings file:
//   "[letter ]LxWxH[|part]"  a piece of the class the letter names, L and W in
//                            studs, H in plates ("2x4x3|3001", "T 3x2x3|3041")
//   "G file, section[|part]" a general piece of a part definition file
//   "M name"                 a model file name + ".lgo" in the program's folder
enum class PaletteEntryKind { Piece, General, Model, Invalid };

struct PaletteEntry {
  PaletteEntryKind Kind = PaletteEntryKind::Invalid;
  char Letter = 'B';
  int Length = 0, Width = 0, Height = 0;  // studs, studs, plates
  std::string FileName, SectionName;      // general pieces
  std::string ModelName;                  // model entries
  std::string PartName;
};

// Sizes beyond this many studs or plates are refused, so that the model
// units they become cannot overflow.
constexpr int kMaxEntrySize = 10000;

PaletteEntry ParsePaletteEntry(const std::string& text);

// A new white piece with studs at the origin for a piece or general entry;
// nothing for a model entry, a letter without a class of its own, a size that
// is not a whole number from 1 to kMaxEntrySize, or a shape that cannot be loaded.
std::unique_ptr<TBlock> CreatePaletteBlock(const std::string& text, TShapeCache& shapes);

// The label drawn over an entry: the part name in black when the entry has
// one, otherwise the whole entry in dark red.
struct PaletteLabel {
  std::string Text;
  bool IsPartName = false;
};
PaletteLabel PaletteEntryLabel(const std::string& text);

// "G file, section" for a section of a part definition file.
std::string GeneralEntryText(const std::string& fileName, const std::string& sectionName);
// One general entry for each section of a part definition file, in file order.
std::vector<std::string> EntriesOfPartFile(const std::string& fileName,
                                           const std::vector<std::string>& lines);
