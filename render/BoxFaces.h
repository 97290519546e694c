#pragma once
#include "model/Point3.h"
#include "platform/Geometry.h"

class TBlock;
class TView;

// The corners of a box as seen from one octant: n is the side nearer the
// viewer and f the far side, on each axis.
struct BoxCorners {
  int xn, xf, yn, yf, zn, zf;
  BoxCorners(const TBlock& b, int octant);
  BoxCorners(int x0, int y0, int z0, int x1, int y1, int z1, int octant);
};

// The silhouette of a box: the six corners other than the nearest corner and
// the one diagonally opposite, in order around the outline.
void BoxSilhouette(const BoxCorners& c, Point3* out);
