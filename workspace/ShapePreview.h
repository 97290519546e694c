#pragma once
#include "platform/Bitmap.h"
#include "platform/Color.h"

class TBlock;
class RenderContext;

// The shape editor's view of its piece: angles in radians and pixels per model unit.
struct PreviewAngles {
  static constexpr float kDegree = 0.017453292f;
  float Tilt = 60 * kDegree;
  float Spin = 30 * kDegree;
  float Scale = 1.0f;

  // The preview buttons: spin wraps round, tilt stops at straight down and straight up.
  void TurnLeft();
  void TurnRight();
  void TiltUp();
  void TiltDown();
  // The view an octant is typically seen from: 60 degrees up (120 from
  // below), spin 30, 150, 210 or 330.
  void TypicalFor(int octant);
};

// Paints the piece into target, centred, seen with the preview's angles. rc is
// the preview's own context (its switches and lighting set by the caller), so
// no other view changes. Returns the viewing octant; without a piece only the
// background is painted and -1 returned.
int PaintShapePreview(TBlock* piece, const PreviewAngles& angles, TColor background, Bitmap& target,
                      RenderContext& rc);

// The height in pixels a palette entry needs for the piece: its box seen at
// half scale from 60 degrees up and 30 across, plus 10; 10 without a piece.
int PreviewEntryHeight(const TBlock* piece);
