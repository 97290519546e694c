#include "output/LDrawColour.h"

int LDrawCodeOf(TColor colour) {
  for (const ColorField& field : kColorFields)
    if (field.color == colour) return field.tag;
  return kColorTable[NearestColorRow(colour)].ldrawCode;
}
