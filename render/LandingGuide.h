#pragma once
#include "model/Block.h"
#include "platform/Canvas.h"
#include "render/View.h"

// Where a carried piece or set will come to rest, drawn over it: the outline
// of its footprint on the surface below it (the highest top under the
// footprint, as Safe positioning finds it; the ground when nothing is there)
// and vertical lines from its lower corners down through that outline to the
// ground. With Safe positioning the piece stands on that surface already, so
// it is the lines to the ground that tell a piece on a roof from one on the
// ground behind the house. Every line is drawn dark one pixel lower right and
// then bright over it, so the guide shows on pieces of every colour.
struct LandingGuide {
  static constexpr TColor kLineColor = 0xFF00FF;  // magenta, a colour no brick has
  static constexpr TColor kShadowColor = 0x000000;
  static constexpr int kGround = 0;  // the baseplate's top

  // The guide of a piece (for a set: the box that stands for it) resting at surfaceZ.
  static void Draw(Canvas& canvas, const TView& view, const TBlock& carried, int surfaceZ);
};
