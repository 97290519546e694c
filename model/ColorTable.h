#pragma once
#include <optional>

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

// The fourteen colour fields of the palette in their fixed order (the order
// Page Up and Page Down step through); each field's tag is its LDraw code.
struct ColorField {
  const char* name;
  TColor color;
  int tag;
};
constexpr int kColorFieldCount = 14;
extern const ColorField kColorFields[kColorFieldCount];
// The field that the program's drawing code knows by name.
const ColorField& ColorFieldNamed(const char* name);

// Page Up and Page Down: the colour of the field before (delta -1) or after
// (+1) the field that holds the colour, wrapping at both ends; nothing when
// no field holds it.
std::optional<TColor> StepColorField(TColor color, int delta);

// The colour of the first row with this LDraw number; row 0 when none has it.
TColor ColourOfLDrawCode(int code);
// The row nearest to the colour (smallest sum of squared differences; the
// earlier row wins ties).
int NearestColorRow(TColor color);
