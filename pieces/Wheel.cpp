// The wheel: a hub of twelve triangles and a tyre ring on each side, and the
// tread between them, turning about the local y axis 28 above the bottom.
#include <cmath>

#include "pieces/Window.h"
#include "render/PieceStyle.h"
#include "render/RenderContext.h"

namespace {

struct WheelGeometry {
  std::int64_t xc, zc;
  float rim, hub;
};

WheelGeometry GeometryOf(const TBlock& piece) {
  const LocalBox b = LocalFrameOf(piece);
  const float rim = static_cast<float>((b.Lx * 3) / 4) * 0.5f;
  return {b.x0 + b.Lx / 2, b.z0 + TWheel::kAxleHeight, rim, rim * 0.65f};
}

// The point at radius r and segment k (30 degrees each) in the plane y.
Point3 WheelPoint(const WheelGeometry& g, float r, int k, std::int64_t y) {
  const float angle = static_cast<float>(k * 30 * 3.14159265358979323846 / 180.0);
  const float x = static_cast<float>(g.xc) + r * std::cos(angle);
  const float z = static_cast<float>(g.zc) + r * std::sin(angle);
  return {Clamp32(std::llrint(x)), Clamp32(y), Clamp32(std::llrint(z))};
}

}  // namespace

void TWheel::DrawWheelSide(Canvas& canvas, RenderContext& rc, std::int64_t y) {
  const TColor brush = canvas.brushColor(), pen = canvas.penColor();
  canvas.setBrushStyle(PieceBrushStyle(*this, rc));
  const WheelGeometry g = GeometryOf(*this);
  const int direction = QuarterTurns(*this);
  Point3* p = rc.ModelPoints;
  for (int k = 1; k <= kSegments; ++k) {
    p[0] = {Clamp32(g.xc), Clamp32(y), Clamp32(g.zc)};
    p[1] = WheelPoint(g, g.hub, k, y);
    p[2] = WheelPoint(g, g.hub, k - 1, y);
    canvas.setBrushColor(brush);
    canvas.setPenColor(pen);
    rc.DrawPolygon(canvas, 3, direction);
    p[0] = WheelPoint(g, g.hub, k, y);
    p[1] = WheelPoint(g, g.rim, k, y);
    p[2] = WheelPoint(g, g.rim, k - 1, y);
    p[3] = WheelPoint(g, g.hub, k - 1, y);
    canvas.setBrushColor(kTyreColor);
    canvas.setPenColor(kTyreColor);
    rc.DrawPolygon(canvas, 4, direction);
  }
  canvas.setBrushColor(brush);
  canvas.setPenColor(pen);
}

void TWheel::DrawTread(Canvas& canvas, RenderContext& rc) {
  const TColor brush = canvas.brushColor(), pen = canvas.penColor();
  canvas.setBrushColor(kTreadColor);
  canvas.setPenColor(kTreadColor);
  canvas.setBrushStyle(PieceBrushStyle(*this, rc));
  const WheelGeometry g = GeometryOf(*this);
  const LocalBox b = LocalFrameOf(*this);
  const int direction = QuarterTurns(*this);
  Point3* p = rc.ModelPoints;
  for (int k = 1; k <= kSegments; ++k) {
    p[0] = WheelPoint(g, g.rim, k, b.y0 + 1);
    p[1] = WheelPoint(g, g.rim, k - 1, b.y0 + 1);
    p[2] = WheelPoint(g, g.rim, k - 1, b.y1() - 1);
    p[3] = WheelPoint(g, g.rim, k, b.y1() - 1);
    rc.DrawPolygon(canvas, 4, direction);
  }
  canvas.setBrushColor(brush);
  canvas.setPenColor(pen);
}

void TWheel::NearSideLast(bool viewerOnHighY, Canvas& canvas, RenderContext& rc) {
  const LocalBox b = LocalFrameOf(*this);
  const std::int64_t lowSide = b.y0 + 2, highSide = b.y1() - 2;
  DrawWheelSide(canvas, rc, viewerOnHighY ? lowSide : highSide);
  DrawTread(canvas, rc);
  DrawWheelSide(canvas, rc, viewerOnHighY ? highSide : lowSide);
}
