// How a plain box piece draws itself: colours, the three visible faces for the
// viewing octant, and the studs on top or the tubes underneath.
#include <algorithm>

#include "model/Block.h"
#include "platform/Region.h"
#include "render/BoxFaces.h"
#include "render/PieceStyle.h"
#include "render/RenderContext.h"
#include "render/Studs.h"

BoxCorners::BoxCorners(int x0, int y0, int z0, int x1, int y1, int z1, int octant) {
  const bool lowX = octant == 0 || octant == 1 || octant == 4 || octant == 5;
  const bool highY = octant == 0 || octant == 3 || octant == 4 || octant == 7;
  const bool above = octant < 4;
  xn = lowX ? x0 : x1;
  xf = lowX ? x1 : x0;
  yn = highY ? y1 : y0;
  yf = highY ? y0 : y1;
  zn = above ? z1 : z0;
  zf = above ? z0 : z1;
}

BoxCorners::BoxCorners(const TBlock& b, int octant)
    : BoxCorners(b.X, b.Y, b.Z, static_cast<int>(b.Right()), static_cast<int>(b.Back()),
                 static_cast<int>(b.Top()), octant) {}

void BoxSilhouette(const BoxCorners& c, Point3* out) {
  out[0] = {c.xn, c.yf, c.zf};
  out[1] = {c.xn, c.yf, c.zn};
  out[2] = {c.xf, c.yf, c.zn};
  out[3] = {c.xf, c.yn, c.zn};
  out[4] = {c.xf, c.yn, c.zf};
  out[5] = {c.xn, c.yn, c.zf};
}

namespace {

// Three shaded quadrilaterals. In even octants the x face comes first, in odd
// ones the y face; the horizontal face reuses the last two corners of the first.
void ShadedFaces(const TBlock& b, int octant, Canvas& canvas, RenderContext& rc) {
  const BoxCorners c(b, octant);
  Point3* p = rc.ModelPoints;
  int firstShade, thirdShade;
  if (octant % 2 == 0) {
    p[0] = {c.xn, c.yf, c.zf};
    p[1] = {c.xn, c.yn, c.zf};
    p[2] = {c.xn, c.yn, c.zn};
    p[3] = {c.xn, c.yf, c.zn};
    p[4] = {c.xf, c.yf, c.zn};
    p[5] = {c.xf, c.yn, c.zn};
    p[6] = {c.xn, c.yn, c.zf};
    p[7] = {c.xn, c.yn, c.zn};
    p[8] = {c.xf, c.yn, c.zn};
    p[9] = {c.xf, c.yn, c.zf};
    firstShade = 1;
    thirdShade = 0;
  } else {
    p[0] = {c.xf, c.yn, c.zf};
    p[1] = {c.xn, c.yn, c.zf};
    p[2] = {c.xn, c.yn, c.zn};
    p[3] = {c.xf, c.yn, c.zn};
    p[4] = {c.xf, c.yf, c.zn};
    p[5] = {c.xn, c.yf, c.zn};
    p[6] = {c.xn, c.yn, c.zf};
    p[7] = {c.xn, c.yn, c.zn};
    p[8] = {c.xn, c.yf, c.zn};
    p[9] = {c.xn, c.yf, c.zf};
    firstShade = 0;
    thirdShade = 1;
  }
  rc.Project(10);
  const TPoint* s = rc.ScreenPoints;
  canvas.setBrushColor(rc.FaceShade[firstShade]);
  canvas.polygon(s, 4);
  canvas.setBrushColor(rc.FaceShade[2]);
  canvas.polygon(s + 2, 4);
  canvas.setBrushColor(rc.FaceShade[thirdShade]);
  canvas.polygon(s + 6, 4);
  canvas.setBrushColor(rc.FaceShade[2]);
}

// The silhouette filled and outlined, then the three edges that meet in the
// nearest corner; hidden edges are never drawn.
void FlatFaces(const TBlock& b, int octant, Canvas& canvas, RenderContext& rc) {
  const BoxCorners c(b, octant);
  Point3* p = rc.ModelPoints;
  BoxSilhouette(c, p);
  p[6] = {c.xn, c.yf, c.zn};
  p[7] = {c.xn, c.yn, c.zn};
  p[8] = {c.xf, c.yn, c.zn};
  p[9] = {c.xn, c.yn, c.zn};
  p[10] = {c.xn, c.yn, c.zf};
  rc.Project(11);
  const TPoint* s = rc.ScreenPoints;
  canvas.polygon(s, 6);
  canvas.polyline(s + 6, 3);
  canvas.polyline(s + 9, 2);
}

void BoxOctant(const TBlock& b, int octant, Canvas& canvas, RenderContext& rc) {
  if (rc.ShadingOn)
    ShadedFaces(b, octant, canvas, rc);
  else
    FlatFaces(b, octant, canvas, rc);
}

}  // namespace

void TBlock::Draw(Canvas& canvas, RenderContext& rc) {
  if (SizeX == 0) return;
  BeginPieceDraw(*this, canvas, rc);
  if (rc.ShadingOn)
    for (int i = 0; i < 3; ++i) rc.FaceShade[i] = ShadeColor(Color, rc.view.FaceLight[i]);
  DrawOctant(rc.view.ViewOctant, canvas, rc);
  if (StudsWanted(*this, rc)) {
    if (rc.view.ViewOctant <= 3 && TopCover < Area())
      TopStuds(canvas, rc);
    else if (rc.view.ViewOctant > 3 && BottomCover < Area())
      BottomTubes(canvas, rc);
  }
  EndPieceDraw(canvas, rc);
}

void TBlock::DrawOctant0(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 0, canvas, rc);
}
void TBlock::DrawOctant1(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 1, canvas, rc);
}
void TBlock::DrawOctant2(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 2, canvas, rc);
}
void TBlock::DrawOctant3(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 3, canvas, rc);
}
void TBlock::DrawOctant4(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 4, canvas, rc);
}
void TBlock::DrawOctant5(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 5, canvas, rc);
}
void TBlock::DrawOctant6(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 6, canvas, rc);
}
void TBlock::DrawOctant7(Canvas& canvas, RenderContext& rc) {
  BoxOctant(*this, 7, canvas, rc);
}

void TBlock::TopStuds(Canvas& canvas, RenderContext& rc) {
  // Feet are collected a hundred at a time and each batch is drawn last-first.
  const int top = static_cast<int>(Top());
  const StudGrid g = VisibleStudGrid(rc.view, canvas.width(), canvas.height(), X + 10LL, Y + 10LL,
                                     top, SizeX / 20, SizeY / 20);
  int collected = 0;
  auto flush = [&]() {
    rc.Project(collected);
    for (int k = collected - 1; k >= 0; --k)
      DrawStud(canvas, rc, rc.ScreenPoints[k].x, rc.ScreenPoints[k].y);
    collected = 0;
  };
  for (int i = g.i0; i < g.i1; ++i) {
    for (int j = g.j0; j < g.j1; ++j) {
      if (collected == RenderContext::kMaxPoints) flush();
      rc.ModelPoints[collected++] = {X + 10 + 20 * i, Y + 10 + 20 * j, top};
    }
  }
  if (collected > 0) flush();
}

void TBlock::BottomTubes(Canvas& canvas, RenderContext& rc) {
  const int nx = SizeX / 20, ny = SizeY / 20;
  if (nx < 2) return;
  // Tube k, m (from 1) sits at X + 20 k, Y + 20 m.
  const StudGrid g = VisibleStudGrid(rc.view, canvas.width(), canvas.height(), X + 20LL, Y + 20LL,
                                     Z, nx - 1, ny - 1);
  for (int k = g.i0; k < g.i1; ++k) {
    for (int m = g.j0; m < g.j1; ++m) {
      const TPoint c = rc.view.ProjectPoint(X + 20 * (k + 1), Y + 20 * (m + 1), Z);
      DrawTubeOctagon(canvas, rc, c.x, c.y);
    }
  }
}

bool TBlock::HitTest(const TView& view, int px, int py) const {
  Point3 corners[6];
  BoxSilhouette(BoxCorners(*this, view.ViewOctant), corners);
  TPoint screen[6];
  view.ProjectPoints(corners, 5, 0, screen);
  PolygonRegion region(screen, 6);
  return region.valid() && region.contains(px, py);
}
