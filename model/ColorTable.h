#pragma once
#include "platform/Color.h"

// The 25 named colours with their LDraw colour numbers, in table order. The
// part files use it to turn an LDraw number into a colour and the LDraw export
// to find the number of a colour.
struct NamedColor {
  int red, green, blue;
  int ldrawCode;
  const char* name;
  TColor color() const { return RGB(red, green, blue); }
};

constexpr int kColorTableSize = 25;
extern const NamedColor kColorTable[kColorTableSize];

// The colour of the first row with this LDraw number; row 0 when none has it.
TColor ColourOfLDrawCode(int code);
// The row nearest to the colour (smallest sum of squared differences; the
// earlier row wins ties).
int NearestColorRow(TColor color);
