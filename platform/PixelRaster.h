#pragma once
#include <cstdint>

#include "platform/Geometry.h"

// Solid polygons and one-pixel lines drawn straight into 32-bit pixels, the
// same pixels as Qt's raster painter sets for whole-pixel corners, without its
// general machinery. The canvas uses them for the drawing that makes up
// nearly every picture; what they do not cover stays with the painter.
struct PixelTarget {
  std::uint32_t* pixels;
  int width, height;  // rows of `width` pixels
};

// Corners this far outside the picture are left to the painter, whose
// fixed-point arithmetic would overflow differently.
constexpr int kPixelRasterLimit = 16000;

// Whether every corner lies within kPixelRasterLimit, so FillPolygonPixels can fill it.
bool FillDrawnDirectly(const TPoint* points, int count);

// Fills the polygon by the alternate rule: a pixel is inside when its centre
// is, the centre counting as inside a left edge through it and outside a right
// one (within the painter's 16.16 fixed-point rounding). Corners must lie
// within kPixelRasterLimit; the picture clips.
void FillPolygonPixels(const PixelTarget& target, const TPoint* points, int count,
                       std::uint32_t pixel);

// Whether StrokePathPixels draws this path exactly as the painter's cosmetic
// pen does: every corner within a pixel of the picture (the painter clips
// lines that leave it, moving their ends), and for an open path a last
// segment longer than two pixels (the painter treats shorter end segments in
// its own way).
bool StrokeDrawnDirectly(const TPoint* points, int count, bool closed, int width, int height);

// A one-pixel line through the points, back to the first when closed; an
// open path whose last point equals its first counts as closed, as the
// painter has it. Ends of an open path are drawn, joints once.
void StrokePathPixels(const PixelTarget& target, const TPoint* points, int count, bool closed,
                      std::uint32_t pixel);

// The whole rectangle (right and bottom exclusive), clipped to the picture.
void FillRectPixels(const PixelTarget& target, const TRect& r, std::uint32_t pixel);
