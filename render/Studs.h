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
