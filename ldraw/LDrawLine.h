#pragma once
#include <string>
#include <vector>

#include "ldraw/LDrawTypes.h"

// Colour codes with a meaning of their own: the colour of the line that places
// the file, and the edge colour that goes with it.
constexpr int kLDrawMainColour = 16;
constexpr int kLDrawEdgeColour = 24;

// The largest number (in size) a line may hold.
constexpr double kLDrawLargestNumber = 1e6;

// One line of an LDraw file, read but not yet resolved.
struct LDrawLine {
  int number = 0;  // 1-based line number in its file
  int type =
      0;  // 0 comment or meta command, 1 sub-file, 2 line, 3 triangle, 4 quad, 5 optional line
  int colour = 0;  // types 1 to 5: a code, 16, 24, or a direct colour 0x2RRGGBB / 0x3RRGGBB
  LDrawTransform placement;  // type 1
  LDrawVector points[4];     // types 2 to 5: 2, 3, 4 and 2 + 2 control points
  std::string file;          // type 1: the sub-file as written ('\' and blanks kept)
  std::string text;          // type 0: everything after the "0", trimmed

  int PointCount() const { return type == 2 ? 2 : type == 3 ? 3 : 4; }
};

// Reads one line. Blank lines give type 0 with an empty text. Returns false
// and a message ("type 1 line needs 14 fields", "'x' is not a number") for a
// damaged line: too few fields, a number that is not a decimal or is larger
// than kLDrawLargestNumber, a colour that is not a whole number, or an
// unknown line type.
bool ParseLDrawLine(const std::string& line, LDrawLine& out, std::string& error);

// The meta command of a type-0 line: its first word in capitals ("STEP",
// "FILE", "!LDRAW_ORG"), or "" for a plain comment line.
std::string LDrawMetaWord(const LDrawLine& line);

// A parsed LDraw file: its drawing and meta lines (blank and damaged lines
// left out) and the damaged lines' problems.
struct LDrawFile {
  std::string name;  // as referenced or as named by "0 FILE"
  std::string path;  // where it was read from; empty for a file held in memory
  std::vector<LDrawLine> lines;
  std::vector<LDrawProblem> problems;
  // Its header says it is a part, sub-part, primitive or shortcut
  // ("0 !LDRAW_ORG Part ...", "Unofficial_Part", ...): never a sub-model.
  bool markedAsPart = false;
};

// Reads a whole file's text. `name` is used in the problems.
LDrawFile ParseLDrawFile(const std::string& name, const std::string& text);

// Splits the text of a multi-part file (.mpd) at its "0 FILE name" lines; the
// first entry is the main model. Text without "0 FILE" lines is one file
// named `name`. Lines before the first "0 FILE" form an entry of their own
// named `name`, which is the main model when it draws anything. "0 NOFILE"
// ends an entry; line numbers stay those of the whole text.
std::vector<LDrawFile> ParseLDrawMultiFile(const std::string& name, const std::string& text);

// A sub-file name as the library compares it: '\' made '/', lower case,
// blanks trimmed.
std::string LDrawNameKey(const std::string& name);
