#include "render/Studs.h"

#include "render/RenderContext.h"

void StudOctagon(const RenderContext& rc, int p, int q, TPoint* out) {
  const TView& v = rc.view;
  const int rx = v.StudRadiusX, ry = v.StudRadiusY, hx = v.StudHalfX, hy = v.StudHalfY;
  out[0] = {p - rx, q + hy};
  out[1] = {p - rx, q - hy};
  out[2] = {p - hx, q - ry};
  out[3] = {p + hx, q - ry};
  out[4] = {p + rx, q - hy};
  out[5] = {p + rx, q + hy};
  out[6] = {p + hx, q + ry};
  out[7] = {p - hx, q + ry};
}

namespace {

void FastStud(Canvas& canvas, const RenderContext& rc, int a, int b) {
  const TView& v = rc.view;
  const int rx = v.StudRadiusX, ry = v.StudRadiusY, hx = v.StudHalfX, hy = v.StudHalfY;
  const int ta = a + v.StudRiseX, tb = b + v.StudRiseY;
  TPoint p[14];
  StudOctagon(rc, ta, tb, p);
  p[8] = p[0];
  p[9] = {a - rx, b + hy};
  p[10] = {a - hx, b + ry};
  p[11] = {a + hx, b + ry};
  p[12] = {a + rx, b + hy};
  p[13] = {ta + rx, tb + hy};
  canvas.polyline(p, 14);
}

void BetterStud(Canvas& canvas, const RenderContext& rc, int a, int b) {
  const TView& v = rc.view;
  const int rx = v.StudRadiusX, ry = v.StudRadiusY, hx = v.StudHalfX, hy = v.StudHalfY;
  const int ta = a + v.StudRiseX, tb = b + v.StudRiseY;
  const TPoint side[12] = {{a - rx, b + hy},   {a - rx, b - hy},   {a - hx, b - ry},
                           {a + hx, b - ry},   {a + rx, b - hy},   {ta + rx, tb - hy},
                           {a + rx, b - hy},   {a + rx, b + hy},   {a + hx, b + ry},
                           {a - hx, b + ry},   {a - rx, b + hy},   {ta - rx, tb + hy}};
  canvas.polyline(side, 12);
  TPoint top[9];
  StudOctagon(rc, ta, tb, top);
  top[8] = top[0];
  canvas.polygon(top, 9);
}

void BestStud(Canvas& canvas, const RenderContext& rc, int a, int b) {
  const TView& v = rc.view;
  const int rx = v.StudRadiusX, ry = v.StudRadiusY;
  const int ta = a + v.StudRiseX, tb = b + v.StudRiseY;
  canvas.rectangle(ta - rx, tb, a + rx + 1, b);
  canvas.ellipse(a - rx, b - ry, a + rx + 1, b + ry + 1);
  const TColor pen = canvas.penColor();
  canvas.setPenColor(canvas.brushColor());
  canvas.rectangle(ta - rx + 1, tb, a + rx, b);
  canvas.setPenColor(pen);
  canvas.ellipse(ta - rx, tb - ry, ta + rx + 1, tb + ry + 1);
}

}  // namespace

void DrawStud(Canvas& canvas, const RenderContext& rc, int a, int b) {
  switch (rc.switches.Studs) {
    case StudStyle::Better: BetterStud(canvas, rc, a, b); break;
    case StudStyle::Best: BestStud(canvas, rc, a, b); break;
    default: FastStud(canvas, rc, a, b); break;
  }
}

void DrawTubeOctagon(Canvas& canvas, const RenderContext& rc, int cx, int cy) {
  TPoint p[9];
  StudOctagon(rc, cx, cy, p);
  p[8] = p[0];
  canvas.polyline(p, 9);
}
