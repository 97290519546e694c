#include "model/ColorTable.h"

#include <cstring>

const NamedColor kColorTable[kColorTableSize] = {
    {51, 51, 51, 0, "Black"},
    {0, 51, 178, 1, "Blue"},
    {0, 127, 51, 2, "Green"},
    {0, 128, 128, 3, "Dark Cyan"},
    {204, 0, 0, 4, "Red"},
    {255, 51, 153, 5, "Magenta"},
    {102, 51, 0, 6, "Brown"},
    {153, 153, 153, 7, "Grey"},
    {102, 102, 88, 8, "Dark grey"},
    {0, 128, 255, 9, "Light blue"},
    {51, 255, 102, 10, "Light green"},
    {128, 255, 255, 11, "Cyan"},
    {255, 128, 128, 12, "Light red"},
    {255, 176, 204, 13, "Pink"},
    {255, 229, 0, 14, "Yellow"},
    {255, 255, 255, 15, "White"},
    {255, 255, 255, 0, "???"},
    {102, 240, 153, 2, "Pastel Green"},
    {255, 255, 128, 495, "Light Yellow"},
    {210, 182, 123, 382, "Tan"},
    {224, 204, 240, 0, "Light purple"},
    {240, 176, 51, 334, "Gold"},
    {153, 51, 153, 0, "Purple"},
    {76, 0, 204, 0, "Purple Blue"},
    {204, 204, 204, 383, "Chrome"},
};

TColor ColourOfLDrawCode(int code) {
  for (const NamedColor& row : kColorTable)
    if (row.ldrawCode == code) return row.color();
  return kColorTable[0].color();
}

int NearestColorRow(TColor color) {
  int best = 0;
  long bestSum = -1;
  for (int i = 0; i < kColorTableSize; ++i) {
    const NamedColor& row = kColorTable[i];
    long dr = RedOf(color) - row.red, dg = GreenOf(color) - row.green,
         db = BlueOf(color) - row.blue;
    long sum = dr * dr + dg * dg + db * db;
    if (bestSum < 0 || sum < bestSum) {
      best = i;
      bestSum = sum;
    }
  }
  return best;
}

const ColorField kColorFields[kColorFieldCount] = {
    {"Edit1", 0x0000FF, 4},      {"edWhite", 0xFFFFFF, 15}, {"edGray", 0xC0C0C0, 7},
    {"edDarkGray", 0x808080, 8}, {"edBlack", 0x333333, 0},  {"Edit6", 0x01D8FE, 14},
    {"Edit7", 0x008080, 14},     {"edBlue", 0xCC0211, 1},   {"Edit9", 0x7BB6D2, 382},
    {"Edit10", 0x3D64A5, 6},     {"Edit11", 0x008000, 2},   {"Edit12", 0x40FF00, 10},
    {"Edit13", 0x808040, 2},     {"Edit14", 0xFFFF00, 43},
};

std::optional<TColor> StepColorField(TColor color, int delta) {
  for (int i = 0; i < kColorFieldCount; ++i) {
    if (kColorFields[i].color != color) continue;
    const int next = ((i + delta) % kColorFieldCount + kColorFieldCount) % kColorFieldCount;
    return kColorFields[next].color;
  }
  return std::nullopt;
}

const ColorField& ColorFieldNamed(const char* name) {
  for (const ColorField& f : kColorFields)
    if (std::strcmp(f.name, name) == 0) return f;
  return kColorFields[0];
}
