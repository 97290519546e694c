#pragma once
#include <string>
#include <vector>

#include "output/LDrawRecord.h"

class LDrawLibrary;
struct LDrawModel;

// The program's own converter from an LDraw file to POV-Ray, which the
// scripts l2pgo.sh and l3pgo.sh run for the two POV-Ray routes. Each part
// comes from the LDraw library when the library holds it, as a mesh written
// once and placed as often as the model uses it; a part the library lacks is
// drawn as the box with studs of the piece that the mapping list says it
// stands for, so that a machine without a library still shows the model.
//
// Two forms:
// - Include (test.inc, for the scene BO_test.pov): the model in the scene's
//   units, one stud, with z up, over the program's origin; lifted to the
//   height the scene's camera looks at.
// - Scene (test.pov): a whole scene in LDraw units (-y up) around the
//   model's middle, with colour textures, a "// Background:" line and a
//   camera whose "#declare PCT" moves it further away, which the L3P route
//   edits to the view.
enum class PovSceneForm { Include, Scene };

struct PovConversion {
  std::vector<std::string> lines;
  std::vector<std::string> problems;  // parts drawn from nothing, damaged lines
  int fromLibrary = 0;                // placed parts drawn from the library
  int asPieces = 0;                   // drawn as the mapping list's piece
  int leftOut = 0;                    // neither
};

PovConversion ConvertLDrawModelToPov(const LDrawModel& model, LDrawLibrary& library,
                                     const std::vector<TLDrawRecord>& records, PovSceneForm form,
                                     const std::string& title);

// Reads the LDraw file with the library in `ldrawFolder` and the mapping list
// (a missing list only means no stand-in pieces), and writes the result
// through a temporary file. Raises FileError when the LDraw file cannot be
// read or the result cannot be written.
PovConversion ConvertLDrawFileToPov(const std::string& ldrawFile, const std::string& ldrawFolder,
                                    const std::string& mappingList, PovSceneForm form,
                                    const std::string& outFile);

// The scene BO_test.pov includes lg_color.inc and lg_defs.inc, which ship
// beside the program; copies those the LDraw folder lacks into it. Returns
// the problems met (a file that could not be copied).
std::vector<std::string> InstallPovIncludeFiles(const std::string& programFolder,
                                                const std::string& ldrawFolder);
