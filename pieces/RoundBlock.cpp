#include "pieces/RoundBlock.h"

#include <algorithm>
#include <cmath>

#include "pieces/LocalFrame.h"
#include "render/PieceStyle.h"
#include "render/RenderContext.h"
#include "render/Studs.h"

bool TRoundBlock::HasStudAt(int sizeX, int i, int j) {
  // A cross of full rows through the middle, and for the wider pieces a few
  // corner studs that the circle still covers.
  auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  auto cross = [&](int lo, int hi) { return in(i, lo, hi) || in(j, lo, hi); };
  auto both = [](int v, std::initializer_list<int> set) {
    for (int s : set)
      if (v == s) return true;
    return false;
  };
  switch (sizeX) {
    case 60:
      return cross(2, 2);
    case 80:
      return cross(2, 3);
    case 100:
      return cross(2, 4);
    case 120:
      return cross(3, 4) || (both(i, {2, 5}) && both(j, {2, 5}));
    case 140:
      return cross(3, 5) || (both(i, {2, 6}) && both(j, {2, 6}));
    case 160:
      return cross(4, 5) || (both(i, {2, 3, 6, 7}) && both(j, {2, 3, 6, 7}));
    default:
      return sizeX < 60;
  }
}

void TRoundBlock::TopStuds(Canvas& canvas, RenderContext& rc) {
  if (SizeX > 160) return;  // no pattern this wide: no studs, and no need to look
  const int nx = SizeX / 20, ny = SizeY / 20;
  const int top = Clamp32(Top());
  for (int i = 1; i <= nx; ++i) {
    for (int j = 1; j <= ny; ++j) {
      if (!HasStudAt(SizeX, i, j)) continue;
      const TPoint foot =
          rc.view.ProjectPoint(Clamp32(std::int64_t{X} + 10 + 20 * (i - 1)),
                               Clamp32(std::int64_t{Y} + 10 + 20 * (j - 1)), top);
      DrawStud(canvas, rc, foot.x, foot.y);
    }
  }
}

namespace {

// A length on screen, kept small enough that the corners of a piece read
// from a damaged file cannot overflow.
int ScreenLength(float length) {
  constexpr float kLimit = 1 << 24;
  return static_cast<int>(std::lrint(std::clamp(length, -kLimit, kLimit)));
}

}  // namespace

void TRoundBlock::Draw(Canvas& canvas, RenderContext& rc) {
  if (SizeX == 0) return;
  // The fill keeps the flat piece colour: a cylinder has no face shades.
  BeginPieceDraw(*this, canvas, rc);
  const TView& v = rc.view;
  const int dz = static_cast<int>(
      std::clamp<std::int64_t>(std::int64_t{SizeZ} * v.BrickRiseY / 24, -(1 << 24), 1 << 24));
  const int rx = ScreenLength(static_cast<float>(SizeX) * 0.5f * v.ViewScale);
  const int ry =
      ScreenLength(std::fabs(v.CosTilt) * static_cast<float>(SizeY) * 0.5f * v.ViewScale);
  const TPoint c = v.ProjectPoint(Clamp32(std::int64_t{X} + SizeX / 2),
                                  Clamp32(std::int64_t{Y} + SizeY / 2), Z);
  const int cx = c.x, cy = c.y, top = cy + dz;

  auto body = [&] { canvas.rectangle(cx - rx, top, cx + rx + 1, cy); };
  auto bottomRim = [&] { canvas.ellipse(cx - rx, cy - ry, cx + rx + 1, cy + ry + 1); };
  auto topRim = [&] { canvas.ellipse(cx - rx, top - ry, cx + rx + 1, top + ry + 1); };
  // Paints out the body's top and bottom edges and the hidden half of the
  // rim drawn before, leaving the two side lines.
  auto paintOut = [&] {
    const TColor pen = canvas.penColor();
    canvas.setPenColor(canvas.brushColor());
    canvas.rectangle(cx - rx + 1, top, cx + rx, cy);
    canvas.setPenColor(pen);
  };

  if (!v.FromBelow()) {
    body();
    bottomRim();
    paintOut();
    topRim();
    if (StudsWanted(*this, rc)) TopStuds(canvas, rc);
  } else {
    // From below the tube in the middle always shows.
    body();
    topRim();
    paintOut();
    bottomRim();
    DrawTubeOctagon(canvas, rc, cx, cy);
  }
  EndPieceDraw(canvas, rc);
}
