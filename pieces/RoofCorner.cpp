// The roof pieces whose slopes meet at an angle: the outside corner, the
// ridge end and the ridge corner. Where slopes meet on top, the one nearer the
// viewer is painted last; which one that is follows from the view's turn.
#include "pieces/RoofCorner.h"

#include "render/RenderContext.h"
#include "render/Studs.h"

namespace {
constexpr int kEave = TRoof::kEaveHeight;
}

// Outside corner: the hip runs from the front left bottom corner to the front
// left corner of the flat square.

void TRoofCorner::FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), yf = b.y1(), xr = b.x1() - 20;
  Face(canvas, rc, rc.SlopeFrontShade,
       {{b.x0, yf, e}, {b.x1(), yf, e}, {b.x1(), b.y0 + 20, t}, {xr, b.y0 + 20, t}});
}

void TRoofCorner::LeftSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), xr = b.x1() - 20;
  Face(canvas, rc, rc.SlopeLeftShade,
       {{b.x0, b.y0, e}, {b.x0, b.y1(), e}, {xr, b.y0 + 20, t}, {xr, b.y0, t}});
}

void TRoofCorner::DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  FrontSlope(b, canvas, rc);
  FrontEaveStrip(b, canvas, rc);
}

void TRoofCorner::DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  LeftSlope(b, canvas, rc);
  LeftEaveStrip(b, canvas, rc);
}

void TRoofCorner::DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  const std::int64_t e = b.z0 + kEave, t = b.top(), xr = b.x1() - 20;
  Face(canvas, rc, rc.SideShade,
       {{b.x0, b.y0, b.z0},
        {b.x1(), b.y0, b.z0},
        {b.x1(), b.y0, t},
        {xr, b.y0, t},
        {b.x0, b.y0, e}});
}

void TRoofCorner::DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) {
  if (TopFaceAngle(rc) >= 220) {
    LeftSlope(b, canvas, rc);
    FrontSlope(b, canvas, rc);
  } else {
    FrontSlope(b, canvas, rc);
    LeftSlope(b, canvas, rc);
  }
  const std::int64_t t = b.top(), xr = b.x1() - 20, ys = b.y0 + 20;
  Face(canvas, rc, rc.TopShade, {{xr, b.y0, t}, {xr, ys, t}, {b.x1(), ys, t}, {b.x1(), b.y0, t}});
  if (withStuds) TopStuds(canvas, rc);
}

void TRoofCorner::TopStuds(Canvas& canvas, RenderContext& rc) {
  // One stud in the middle of the flat square, wherever the turn put it.
  std::int64_t cx, cy;
  switch (QuarterTurns(*this)) {
    case 1:
      cx = std::int64_t{X} + 10, cy = std::int64_t{Y} + 10;
      break;
    case 2:
      cx = std::int64_t{X} + 10, cy = Back() - 10;
      break;
    case 3:
      cx = Right() - 10, cy = Back() - 10;
      break;
    default:
      cx = Right() - 10, cy = std::int64_t{Y} + 10;
      break;
  }
  const TPoint foot = rc.view.ProjectPoint(Clamp32(cx), Clamp32(cy), Clamp32(Top()));
  DrawStud(canvas, rc, foot.x, foot.y);
}

// Ridge end: three triangles rising to the apex in the middle of the right end.

void TRoofTopEnd::DrawTriangle(const LocalBox& b, Triangle which, Canvas& canvas,
                               RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave;
  const LocalPoint apex{b.x1(), b.y0 + b.Ly / 2, b.top()};
  switch (which) {
    case Triangle::Front:
      Face(canvas, rc, rc.SlopeFrontShade, {{b.x0, b.y1(), e}, {b.x1(), b.y1(), e}, apex});
      break;
    case Triangle::Back:
      Face(canvas, rc, rc.SlopeBackShade, {{b.x0, b.y0, e}, {b.x1(), b.y0, e}, apex});
      break;
    case Triangle::Left:
      Face(canvas, rc, rc.SlopeLeftShade, {{b.x0, b.y0, e}, {b.x0, b.y1(), e}, apex});
      break;
  }
}

void TRoofTopEnd::DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  DrawTriangle(b, Triangle::Front, canvas, rc);
  FrontEaveStrip(b, canvas, rc);
}

void TRoofTopEnd::DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  DrawTriangle(b, Triangle::Back, canvas, rc);
  BackEaveStrip(b, canvas, rc);
}

void TRoofTopEnd::DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  DrawTriangle(b, Triangle::Left, canvas, rc);
  LeftEaveStrip(b, canvas, rc);
}

void TRoofTopEnd::DrawTop(const LocalBox& b, bool, Canvas& canvas, RenderContext& rc) {
  const int a = TopFaceAngle(rc);
  const bool frontFirst = a < 220 || (a > 270 && a < 310);
  DrawTriangle(b, frontFirst ? Triangle::Front : Triangle::Back, canvas, rc);
  DrawTriangle(b, Triangle::Left, canvas, rc);
  DrawTriangle(b, frontFirst ? Triangle::Back : Triangle::Front, canvas, rc);
}

// Ridge corner: the ridge arms run from the centre to the right end and to the
// back; the valleys fill the back right quarter.

void TRoofTopCorner::FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), hy = b.y0 + b.Ly / 2;
  const LocalPoint centre{b.x0 + b.Lx / 2, hy, t};
  Face(canvas, rc, rc.SlopeFrontShade,
       {{b.x0, b.y1(), e}, {b.x1(), b.y1(), e}, {b.x1(), hy, t}, centre});
}

void TRoofTopCorner::LeftSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), hx = b.x0 + b.Lx / 2;
  const LocalPoint centre{hx, b.y0 + b.Ly / 2, t};
  Face(canvas, rc, rc.SlopeLeftShade, {{b.x0, b.y0, e}, {b.x0, b.y1(), e}, centre, {hx, b.y0, t}});
}

void TRoofTopCorner::BackValley(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), hy = b.y0 + b.Ly / 2;
  const LocalPoint centre{b.x0 + b.Lx / 2, hy, t};
  Face(canvas, rc, rc.SlopeBackShade, {{b.x1(), b.y0, e}, centre, {b.x1(), hy, t}});
}

void TRoofTopCorner::RightValley(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEave, t = b.top(), hx = b.x0 + b.Lx / 2;
  const LocalPoint centre{hx, b.y0 + b.Ly / 2, t};
  Face(canvas, rc, rc.SlopeRightShade, {{b.x1(), b.y0, e}, centre, {hx, b.y0, t}});
}

void TRoofTopCorner::DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  FrontSlope(b, canvas, rc);
  FrontEaveStrip(b, canvas, rc);
}

void TRoofTopCorner::DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  LeftSlope(b, canvas, rc);
  LeftEaveStrip(b, canvas, rc);
}

// The gables take the slope shades, so they read as part of the roof.
void TRoofTopCorner::DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  BackValley(b, canvas, rc);
  const std::int64_t e = b.z0 + kEave, t = b.top(), hx = b.x0 + b.Lx / 2;
  Face(canvas, rc, rc.SlopeRightShade,
       {{b.x0, b.y0, b.z0},
        {b.x1(), b.y0, b.z0},
        {b.x1(), b.y0, e},
        {hx, b.y0, t},
        {b.x0, b.y0, e}});
}

void TRoofTopCorner::DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  RightValley(b, canvas, rc);
  const std::int64_t e = b.z0 + kEave, t = b.top(), hy = b.y0 + b.Ly / 2, xe = b.x1();
  Face(canvas, rc, rc.SlopeFrontShade,
       {{xe, b.y0, b.z0}, {xe, b.y1(), b.z0}, {xe, b.y1(), e}, {xe, hy, t}, {xe, b.y0, e}});
}

void TRoofTopCorner::DrawTop(const LocalBox& b, bool, Canvas& canvas, RenderContext& rc) {
  BackValley(b, canvas, rc);
  RightValley(b, canvas, rc);
  FrontSlope(b, canvas, rc);
  LeftSlope(b, canvas, rc);
}
