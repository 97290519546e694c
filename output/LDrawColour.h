#pragma once
#include "model/ColorTable.h"

// The LDraw colour code of a piece colour: the tag of the first of the
// fourteen palette colour fields that holds exactly this colour, otherwise the
// code of the nearest row of the colour table (the earlier row wins ties).
// ColourOfLDrawCode (model/ColorTable.h) goes the other way.
int LDrawCodeOf(TColor colour);
