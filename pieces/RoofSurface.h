#pragma once
#include <optional>

class TBlock;

// The height (model z) of the upper surface of a roof piece (types T, N, C, E
// and I) at a world point of its footprint, as its faces are drawn: slopes
// from the eave strip up to the ridge, flat strip or square at the top. No
// value for other pieces or for a point outside the footprint.
std::optional<double> RoofSurfaceHeight(const TBlock& piece, double x, double y);
