#include "model/ColorTable.h"

const NamedColor kColorTable[kColorTableSize] = {
    {51, 51, 51, 0, "Black"},        {0, 51, 178, 1, "Blue"},
    {0, 127, 51, 2, "Green"},        {0, 128, 128, 3, "Dark Cyan"},
    {204, 0, 0, 4, "Red"},           {255, 51, 153, 5, "Magenta"},
    {102, 51, 0, 6, "Brown"},        {153, 153, 153, 7, "Grey"},
    {102, 102, 88, 8, "Dark grey"},  {0, 128, 255, 9, "Light blue"},
    {51, 255, 102, 10, "Light green"}, {128, 255, 255, 11, "Cyan"},
    {255, 128, 128, 12, "Light red"}, {255, 176, 204, 13, "Pink"},
    {255, 229, 0, 14, "Yellow"},     {255, 255, 255, 15, "White"},
    {255, 255, 255, 0, "???"},       {102, 240, 153, 2, "Pastel Green"},
    {255, 255, 128, 495, "Light Yellow"}, {210, 182, 123, 382, "Tan"},
    {224, 204, 240, 0, "Light purple"}, {240, 176, 51, 334, "Gold"},
    {153, 51, 153, 0, "Purple"},     {76, 0, 204, 0, "Purple Blue"},
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
