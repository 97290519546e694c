#include "render/View.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
  double x, y, z;
};

Vec Normal(const Vec& a, const Vec& b, const Vec& c) {
  Vec u{a.x - b.x, a.y - b.y, a.z - b.z};
  Vec v{c.x - b.x, c.y - b.y, c.z - b.z};
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

// The seven face normals: y faces, x faces, horizontal faces and the four
// 45-degree roof slopes.
const Vec* FaceNormals() {
  static const Vec normals[7] = {
      Normal({10, 0, 10}, {0, 0, 10}, {0, 0, 0}),    Normal({0, 10, 10}, {0, 10, 0}, {0, 0, 0}),
      Normal({0, 10, 0}, {10, 0, 0}, {0, 0, 0}),     Normal({40, 0, 4}, {20, 20, 24}, {0, 0, 4}),
      Normal({20, 20, 24}, {0, 40, 4}, {0, 0, 4}),   Normal({40, 40, 4}, {20, 20, 24}, {0, 40, 4}),
      Normal({20, 20, 24}, {40, 40, 4}, {40, 0, 4}),
  };
  return normals;
}

}  // namespace

TView::TView() {
  UpdateProjection();
  UpdateLighting();
}

void TView::SetAngles(int tiltDegrees, int spinDegrees) {
  Tilt = static_cast<float>(tiltDegrees * kPi / 180.0);
  Spin = static_cast<float>(spinDegrees * kPi / 180.0);
  SpinPosition = spinDegrees;
  UpdateProjection();
}

int TView::OctantOf(float spin, float tilt) {
  int quarter = static_cast<int>(std::floor(static_cast<double>(spin) * 2.0 / kPi)) % 4;
  return quarter + (static_cast<double>(tilt) > kPi / 2 ? 4 : 0);
}

void TView::UpdateProjection() {
  const double cosTilt = std::cos(static_cast<double>(Tilt));
  const double sinTilt = std::sin(static_cast<double>(Tilt));
  CosTilt = static_cast<float>(cosTilt);
  for (int d = 0; d < 4; ++d) {
    const double t = d * kPi / 2 + static_cast<double>(Spin);
    const double c = std::cos(t), s = std::sin(t);
    ProjectionMatrix[0][d] = static_cast<float>(c);
    ProjectionMatrix[1][d] = static_cast<float>(s);
    ProjectionMatrix[2][d] = 0.0f;
    ProjectionMatrix[3][d] = static_cast<float>(s * cosTilt);
    ProjectionMatrix[4][d] = static_cast<float>(-c * cosTilt);
    ProjectionMatrix[5][d] = static_cast<float>(sinTilt);
  }
  ViewOctant = OctantOf(Spin, Tilt);
}

void TView::UpdateCenter(int clientWidth, int clientHeight, int offsetX, int offsetY) {
  ViewCenterX = static_cast<int>(std::lrint(clientWidth * 0.5)) - offsetX;
  ViewCenterY = static_cast<int>(std::lrint(clientHeight * 0.5)) - offsetY;
}

void TView::UpdateStudMetrics() {
  StudRadiusX = static_cast<int>(std::lrint(static_cast<double>(ViewScale) * 5));
  StudRadiusY = static_cast<int>(
      std::lrint(static_cast<double>(ViewScale) * 5 * static_cast<double>(CosTilt)));
  StudHalfX = StudRadiusX / 2;
  StudHalfY = StudRadiusY / 2;
}

void TView::UpdateRiseAndStuds() {
  const TPoint origin = ProjectPoint(0, 0, 0);
  const TPoint stud = ProjectPoint(0, 0, 3);
  const TPoint brick = ProjectPoint(0, 0, 24);
  StudRiseX = stud.x - origin.x;
  StudRiseY = stud.y - origin.y;
  BrickRiseX = brick.x - origin.x;
  BrickRiseY = brick.y - origin.y;
  UpdateStudMetrics();
}

void TView::UpdateLighting() {
  const double lx = LightDirection[0], ly = LightDirection[1], lz = LightDirection[2];
  const double lightLength = std::sqrt(lx * lx + ly * ly + lz * lz);
  const Vec* normals = FaceNormals();
  for (int i = 0; i < 7; ++i) {
    const Vec& n = normals[i];
    const double h = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z) * lightLength;
    float factor = kAmbient;
    if (h != 0) {
      factor = static_cast<float>(std::fabs((lx * n.x + ly * n.y - lz * n.z) / h * 0.25) +
                                  static_cast<double>(kAmbient));
      if (factor > 1.0f) factor = 1.0f;
    }
    FaceLight[i] = factor;
  }
}

TPoint TView::ProjectPoint(int x, int y, int z, int d) const {
  const double u = x * static_cast<double>(ProjectionMatrix[0][d]) +
                   y * static_cast<double>(ProjectionMatrix[1][d]) +
                   z * static_cast<double>(ProjectionMatrix[2][d]);
  const double v = x * static_cast<double>(ProjectionMatrix[3][d]) +
                   y * static_cast<double>(ProjectionMatrix[4][d]) +
                   z * static_cast<double>(ProjectionMatrix[5][d]);
  const float su = static_cast<float>(static_cast<double>(ViewScale) * u);
  const float sv = static_cast<float>(-static_cast<double>(ViewScale) * v);
  return TPoint{static_cast<int>(std::lrint(static_cast<double>(su) + ViewCenterX)),
                static_cast<int>(std::lrint(static_cast<double>(sv) + ViewCenterY))};
}

void TView::ProjectPoints(const Point3* points, int last, int d, TPoint* out) const {
  for (int i = 0; i <= last; ++i) out[i] = ProjectPoint(points[i].x, points[i].y, points[i].z, d);
}

TView::Saved TView::SaveView() const {
  Saved s{};
  s.ViewCenterX = ViewCenterX;
  s.ViewCenterY = ViewCenterY;
  s.ViewScale = ViewScale;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) s.ProjectionMatrix[r][c] = ProjectionMatrix[r][c];
  s.Tilt = Tilt;
  s.Spin = Spin;
  s.CosTilt = CosTilt;
  s.ViewOctant = ViewOctant;
  return s;
}

void TView::RestoreView(const Saved& s) {
  ViewCenterX = s.ViewCenterX;
  ViewCenterY = s.ViewCenterY;
  ViewScale = s.ViewScale;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) ProjectionMatrix[r][c] = s.ProjectionMatrix[r][c];
  Tilt = s.Tilt;
  Spin = s.Spin;
  CosTilt = s.CosTilt;
  ViewOctant = s.ViewOctant;
}

TColor ShadeColor(TColor c, float factor) {
  const double f = static_cast<double>(factor);
  const TColor blue = static_cast<TColor>(std::lrint((c & 0xFF0000) * f)) & 0xFF0000;
  const TColor green = static_cast<TColor>(std::lrint((c & 0x00FF00) * f)) & 0x00FF00;
  const TColor red = static_cast<TColor>(std::lrint((c & 0x0000FF) * f)) & 0x0000FF;
  return blue | green | red;
}

TColor OutlineColor(TColor fill, TColor pen, float factor, TColor blackSwatch) {
  return ShadeColor(fill == blackSwatch ? pen : fill, factor);
}

TColor EdgeColor(TColor fill, TColor blackSwatch, TColor blueSwatch) {
  if (fill == blackSwatch) return RGB(128, 128, 128);
  if (fill == blueSwatch) return RGB(0, 128, 230);
  return RGB(50, 50, 50);
}
