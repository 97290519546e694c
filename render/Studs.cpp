#include "render/Studs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
  const TPoint side[12] = {{a - rx, b + hy}, {a - rx, b - hy}, {a - hx, b - ry},
                           {a + hx, b - ry}, {a + rx, b - hy}, {ta + rx, tb - hy},
                           {a + rx, b - hy}, {a + rx, b + hy}, {a + hx, b + ry},
                           {a - hx, b + ry}, {a - rx, b + hy}, {ta - rx, tb + hy}};
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

void StudAt(Canvas& canvas, const void* context, int a, int b) {
  const RenderContext& rc = *static_cast<const RenderContext*>(context);
  if (rc.switches.Studs == StudStyle::Better)
    BetterStud(canvas, rc, a, b);
  else
    FastStud(canvas, rc, a, b);
}

}  // namespace

void DrawStud(Canvas& canvas, const RenderContext& rc, int a, int b) {
  if (rc.switches.Studs == StudStyle::Best) {
    BestStud(canvas, rc, a, b);
    return;
  }
  // Within one picture every stud of a style and colour looks the same, so
  // the canvas may draw it once and copy it.
  const TView& v = rc.view;
  const int rx = std::max(std::abs(v.StudRadiusX), std::abs(v.StudHalfX));
  const int ry = std::max(std::abs(v.StudRadiusY), std::abs(v.StudHalfY));
  StampKey key;
  const int values[8] = {static_cast<int>(rc.switches.Studs == StudStyle::Better),
                         v.StudRadiusX,
                         v.StudRadiusY,
                         v.StudHalfX,
                         v.StudHalfY,
                         v.StudRiseX,
                         v.StudRiseY,
                         0};
  std::copy(values, values + 8, key.values);
  const TRect extent{std::min(0, v.StudRiseX) - rx, std::min(0, v.StudRiseY) - ry,
                     std::max(0, v.StudRiseX) + rx + 1, std::max(0, v.StudRiseY) + ry + 1};
  canvas.stamp(key, extent, a, b, StudAt, &rc);
}

void DrawTubeOctagon(Canvas& canvas, const RenderContext& rc, int cx, int cy) {
  TPoint p[9];
  StudOctagon(rc, cx, cy, p);
  p[8] = p[0];
  canvas.polyline(p, 9);
}

StudGrid VisibleStudGrid(const TView& view, int width, int height, long long x0, long long y0,
                         int z, int nx, int ny) {
  StudGrid g{0, std::max(nx, 0), 0, std::max(ny, 0)};
  if (static_cast<long long>(g.i1) * g.j1 <= StudGrid::kExactGrid) return g;
  // Where the canvas corners (with a margin for the stud's size) meet the
  // plane of the feet; the feet outside that box cannot show.
  const double m00 = view.ProjectionMatrix[0][0], m10 = view.ProjectionMatrix[1][0];
  const double m30 = view.ProjectionMatrix[3][0], m40 = view.ProjectionMatrix[4][0];
  const double m50 = view.ProjectionMatrix[5][0];
  const double s = view.ViewScale;
  const double det = m00 * m40 - m10 * m30;
  if (s > 0 && std::fabs(det) > 1e-3) {
    const double margin = 64 + 10 * s;
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (double sx : {-margin, width + margin})
      for (double sy : {-margin, height + margin}) {
        const double a = (sx - view.ViewCenterX) / s;
        const double b = (view.ViewCenterY - sy) / s - z * m50;
        const double x = (a * m40 - m10 * b) / det, y = (m00 * b - a * m30) / det;
        xmin = std::min(xmin, x), xmax = std::max(xmax, x);
        ymin = std::min(ymin, y), ymax = std::max(ymax, y);
      }
    auto clampIndex = [](double v, int n) {
      return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(n)));
    };
    g.i0 = clampIndex(std::floor((xmin - x0) / 20) - 1, g.i1);
    g.i1 = clampIndex(std::ceil((xmax - x0) / 20) + 1, g.i1);
    g.j0 = clampIndex(std::floor((ymin - y0) / 20) - 1, g.j1);
    g.j1 = clampIndex(std::ceil((ymax - y0) / 20) + 1, g.j1);
  }
  // Seen edge-on a huge grid can still fill the picture: keep to a bound.
  const long long rows = std::max(g.j1 - g.j0, 1);
  if (static_cast<long long>(g.i1 - g.i0) * rows > StudGrid::kMaxGrid)
    g.i1 = g.i0 + static_cast<int>(std::max(StudGrid::kMaxGrid / rows, 1LL));
  if (static_cast<long long>(g.j1 - g.j0) > StudGrid::kMaxGrid)
    g.j1 = g.j0 + static_cast<int>(StudGrid::kMaxGrid);
  return g;
}
