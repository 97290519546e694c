// How a shape paints a piece: the faces of the octant's painting order, each
// with its own colour, light and outline, then the studs or tubes.
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Bounds.h"
#include "platform/Canvas.h"
#include "render/RenderContext.h"
#include "render/Studs.h"
#include "shapes/DrawClass.h"

namespace {}  // namespace

Point3 TDrawClass::Turned(const Point3& p, int direction) const {
  const std::int64_t bx = BoxX, by = BoxY;
  switch (((direction % 4) + 4) % 4) {
    case 1:
      return {p.y, Clamp32(bx - p.x), p.z};
    case 2:
      return {Clamp32(bx - p.x), Clamp32(by - p.y), p.z};
    case 3:
      return {Clamp32(by - p.y), p.x, p.z};
    default:
      return p;
  }
}

namespace {

// The light on a face from its own plane, as box faces get it from theirs.
float FaceLightOf(const Point3* p, const int* light) {
  const double ux = p[0].x - p[1].x, uy = p[0].y - p[1].y, uz = p[0].z - p[1].z;
  const double vx = p[2].x - p[1].x, vy = p[2].y - p[1].y, vz = p[2].z - p[1].z;
  const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
  const double lx = light[0], ly = light[1], lz = light[2];
  const double normalLength = std::sqrt(nx * nx + ny * ny + nz * nz);
  const double lightLength = std::sqrt(lx * lx + ly * ly + lz * lz);
  if (normalLength == 0 || lightLength == 0) return TView::kAmbient;
  const double c = (lx * nx + ly * ny - lz * nz) / lightLength / normalLength;
  const float k = static_cast<float>(std::fabs(0.25 * c) + static_cast<double>(TView::kAmbient));
  return k > 1.0f ? 1.0f : k;
}

// Fills in the piece position, turned, for points[0..count-1] of a shape.
void PlaceTurned(const TDrawClass& shape, const Point3* points, int count, int x, int y, int z,
                 int direction, Point3* out) {
  for (int i = 0; i < count; ++i) {
    const Point3 t = shape.Turned(points[i], direction);
    out[i] = {Clamp32(std::int64_t{t.x} + x), Clamp32(std::int64_t{t.y} + y),
              Clamp32(std::int64_t{t.z} + z)};
  }
}

}  // namespace

void TDrawClass::DrawFaces(int x, int y, int z, int direction, bool selected, Canvas& canvas,
                           RenderContext& rc) const {
  const TIntegerList& order = DrawOrder[ShapeOctant(rc.view.ViewOctant, direction)];
  const int detail = rc.switches.DetailLevel;
  for (const std::int32_t index : order) {
    if (!HasFace(index)) continue;
    const FaceRec& face = Faces[static_cast<std::size_t>(index)];
    // Faces beyond the scratch buffers cannot be drawn.
    if (face.Detail > detail || face.PointCount > kMaxCorners ||
        face.PointCount > static_cast<int>(face.Points.size()))
      continue;
    const int n = face.PointCount;
    PlaceTurned(*this, face.Points.data(), n, x, y, z, direction, rc.ModelPoints);
    rc.Project(n);

    const TColor pen = canvas.penColor();
    const TColor brush = canvas.brushColor();
    const BrushStyle style = canvas.brushStyle();
    if (index == HighlightFace) {
      canvas.setPenColor(rc.switches.HighlightPen);
      canvas.setBrushColor(rc.switches.HighlightBrush);
      canvas.setBrushStyle(BrushStyle::Solid);
    } else if (face.Color < 0) {
      canvas.setBrushStyle(BrushStyle::DiagCross);
      canvas.setBrushColor(static_cast<TColor>(-static_cast<std::int64_t>(face.Color)));
    } else if (face.Color > 0) {
      canvas.setBrushColor(static_cast<TColor>(face.Color));
    }
    if (rc.ShadingOn) {
      if (!selected)
        canvas.setPenColor(OutlineColor(canvas.brushColor(), canvas.penColor(),
                                        TView::kOutlineDarkening, rc.switches.BlackSwatch));
      if (n > 2)
        canvas.setBrushColor(
            ShadeColor(canvas.brushColor(), FaceLightOf(rc.ModelPoints, rc.view.LightDirection)));
    }
    if (face.Outline == 1) {
      canvas.polygon(rc.ScreenPoints, n);
    } else {
      const TColor edgePen = canvas.penColor();
      canvas.setPenColor(canvas.brushColor());
      canvas.polygon(rc.ScreenPoints, n);
      canvas.setPenColor(edgePen);
      if (face.Outline != 0) {
        const int edges = n < kOutlinedEdges ? n : kOutlinedEdges;
        for (int i = 0; i < edges; ++i) {
          if ((static_cast<std::uint32_t>(face.Outline) >> (i + 1)) & 1u) continue;
          const TPoint& a = rc.ScreenPoints[i];
          const TPoint& b = rc.ScreenPoints[(i + 1) % n];
          canvas.line(a.x, a.y, b.x, b.y);
        }
      }
    }
    canvas.setPenColor(pen);
    canvas.setBrushColor(brush);
    canvas.setBrushStyle(style);
    if (index == BitmapFace && index != HighlightFace && n >= 4) {
      if (detail < 2) {
        const TPoint* s = rc.ScreenPoints;
        canvas.line(s[0].x, s[0].y, s[2].x, s[2].y);
        canvas.line(s[1].x, s[1].y, s[3].x, s[3].y);
      } else {
        DrawBitmapFace(face, canvas, rc);
      }
    }
  }
}

namespace {

// Each centre turned and placed, projected a hundred at a time, drawn by paint.
template <typename Paint>
void DrawAtCentres(const TDrawClass& shape, const std::vector<Point3>& centres, int count, int x,
                   int y, int z, int direction, Canvas& canvas, RenderContext& rc, Paint paint) {
  if (count <= 0) return;
  if (rc.ShadingOn) {
    canvas.setPenColor(OutlineColor(canvas.brushColor(), canvas.penColor(),
                                    TView::kOutlineDarkening, rc.switches.BlackSwatch));
    canvas.setBrushColor(ShadeColor(canvas.brushColor(), rc.view.FaceLight[2]));
  }
  const int total =
      count < static_cast<int>(centres.size()) ? count : static_cast<int>(centres.size());
  for (int first = 0; first < total; first += RenderContext::kMaxPoints) {
    const int batch =
        total - first < RenderContext::kMaxPoints ? total - first : RenderContext::kMaxPoints;
    PlaceTurned(shape, centres.data() + first, batch, x, y, z, direction, rc.ModelPoints);
    rc.Project(batch);
    for (int k = 0; k < batch; ++k) paint(rc.ScreenPoints[k]);
  }
}

}  // namespace

void TDrawClass::DrawTopStuds(int x, int y, int z, int direction, Canvas& canvas,
                              RenderContext& rc) const {
  DrawAtCentres(*this, TopStuds, TopStudCount, x, y, z, direction, canvas, rc,
                [&](const TPoint& p) { DrawStud(canvas, rc, p.x, p.y); });
}

void TDrawClass::DrawBottomTubes(int x, int y, int z, int direction, Canvas& canvas,
                                 RenderContext& rc) const {
  DrawAtCentres(*this, BottomTubes, BottomTubeCount, x, y, z, direction, canvas, rc,
                [&](const TPoint& p) { DrawTubeOctagon(canvas, rc, p.x, p.y); });
}
