#include "render/LandingGuide.h"

#include <algorithm>

#include "model/Bounds.h"

void LandingGuide::Draw(Canvas& canvas, const TView& view, const TBlock& carried, int surfaceZ) {
  const std::int32_t x0 = carried.X, y0 = carried.Y;
  const std::int32_t x1 = Clamp32(carried.Right()), y1 = Clamp32(carried.Back());
  const std::int32_t corners[4][2] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  // The lines run from the higher of the piece's bottom and the surface down to the ground.
  const int high = std::max(carried.Z, surfaceZ);
  const int low = std::min({carried.Z, surfaceZ, kGround});
  TPoint outline[5];
  TPoint upper[4], lower[4];
  for (int i = 0; i < 4; ++i) {
    outline[i] = view.ProjectPoint(corners[i][0], corners[i][1], surfaceZ);
    upper[i] = view.ProjectPoint(corners[i][0], corners[i][1], high);
    lower[i] = view.ProjectPoint(corners[i][0], corners[i][1], low);
  }
  outline[4] = outline[0];

  const TColor oldPen = canvas.penColor();
  const PenMode oldMode = canvas.penMode();
  canvas.setPenMode(PenMode::Copy);
  for (int pass = 0; pass < 2; ++pass) {
    const int d = pass == 0 ? 1 : 0;
    canvas.setPenColor(pass == 0 ? kShadowColor : kLineColor);
    TPoint shifted[5];
    for (int i = 0; i < 5; ++i) shifted[i] = {outline[i].x + d, outline[i].y + d};
    canvas.polyline(shifted, 5);
    if (high != low)
      for (int i = 0; i < 4; ++i)
        canvas.line(upper[i].x + d, upper[i].y + d, lower[i].x + d, lower[i].y + d);
  }
  canvas.setPenColor(oldPen);
  canvas.setPenMode(oldMode);
}
