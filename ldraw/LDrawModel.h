#pragma once
#include <string>
#include <vector>

#include "ldraw/LDrawLibrary.h"

// One part of a model, placed in the model's coordinates.
struct LDrawPlacedPart {
  std::string name;  // the part file as the type-1 line names it ("3001.dat", "s\x.dat")
  int colour = kLDrawMainColour;  // passed down through sub-models; 16 only when the model says 16
  LDrawTransform placement;       // part coordinates to model coordinates
  int step = 0;                   // 0 until the first "0 STEP" of the main model, then 1, 2, ...
  std::string file;               // the file (or .mpd entry) that holds the line
  int line = 0;                   // its line number (in the .mpd for entries of a .mpd)
};

struct LDrawModel {
  std::vector<LDrawPlacedPart> parts;  // in file order, sub-models expanded where they are placed
  std::vector<LDrawProblem> problems;  // damaged lines, unreadable or circular sub-models
  int lastStep = 0;                    // the step of the last part
};

// Reads a model: .ldr, .dat or .mpd (any file whose text holds "0 FILE"
// lines). Its type-1 lines are parts, except those naming a sub-model, which
// are expanded in their place: an entry of the .mpd or a file in the
// model's folder, unless its header marks it as a part or it draws faces or
// lines of its own. A sub-model's parts take the placement, the colour (for
// 16) and the step of the line that places it. Lines of types 2 to 5 of the
// model itself are not parts and are passed over.
//
// The .mpd's entries are added to the library and the model's folder is
// added to its folders, so that Geometry finds parts that come with the model.
// Raises FileError when the model file cannot be read.
LDrawModel ReadLDrawModel(const std::string& path, LDrawLibrary& library);

// The same for a model held in memory; `name` names it in problems and
// `folder` ("" for none) is the folder to search for its sub-models.
LDrawModel ReadLDrawModelText(const std::string& name, const std::string& text,
                              const std::string& folder, LDrawLibrary& library);
