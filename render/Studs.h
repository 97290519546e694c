#pragma once
#include "platform/Canvas.h"

class RenderContext;

// Draws one stud whose foot centre is at the screen point (a, b), in the
// style the stud quality selects.
void DrawStud(Canvas& canvas, const RenderContext& rc, int a, int b);

// The underside tube: an unfilled closed octagon of nine points around (cx, cy).
void DrawTubeOctagon(Canvas& canvas, const RenderContext& rc, int cx, int cy);

// Fills out[0..7] with the octagon around (p, q) in stud metrics.
void StudOctagon(const RenderContext& rc, int p, int q, TPoint* out);

class TView;

// The part of a grid of feet at (x0 + 20 i, y0 + 20 j, z), i < nx, j < ny,
// that can show on a canvas of the given size. Grids of up to kExactGrid
// positions are returned whole, so every real piece draws all its studs in
// their order; larger grids only come from damaged files and are cut to what
// the canvas shows (and at most kMaxGrid positions), so they cannot stall a paint.
struct StudGrid {
  int i0, i1, j0, j1;  // i0 <= i < i1, j0 <= j < j1
  static constexpr long long kExactGrid = 10000;
  static constexpr long long kMaxGrid = 1000000;
};
StudGrid VisibleStudGrid(const TView& view, int width, int height, long long x0, long long y0,
                         int z, int nx, int ny);
