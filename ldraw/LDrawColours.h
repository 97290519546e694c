#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ldraw/LDrawLine.h"

// What a colour code looks like: its value and edge colour as 0xRRGGBB and
// its opacity (255 opaque, 128 for the transparent colours).
struct LDrawColour {
  int code = 0;
  std::string name;
  std::uint32_t rgb = 0;
  std::uint32_t edgeRgb = 0;
  int alpha = 255;
};

// The colour codes of LDraw: a built-in table of the common solid and
// transparent colours, replaced code by code by the library's LDConfig.ldr
// when there is one, plus the direct colours 0x2RRGGBB (solid) and 0x3RRGGBB
// (transparent).
class LDrawColourTable {
 public:
  LDrawColourTable();  // the built-in table

  // Takes every "0 !COLOUR name CODE n VALUE #RRGGBB EDGE #RRGGBB|code
  // [ALPHA a] ..." line of the file; other lines are ignored. Returns how
  // many colours it read.
  int ReadConfig(const LDrawFile& config);

  // The colour of a code, or false for a code neither table nor direct
  // colours know (16 and 24 have no colour of their own).
  bool Find(int code, LDrawColour& out) const;

  // The direct colour code (0x2RRGGBB) of the edge colour of a code, which is
  // what 24 becomes inside a file placed in that code; 0 (black) when the
  // code is unknown.
  int EdgeCodeOf(int code) const;

  static bool IsDirectColour(int code) { return (code >> 24) == 2 || (code >> 24) == 3; }

 private:
  std::map<int, LDrawColour> colours_;
};
