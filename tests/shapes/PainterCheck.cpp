#include "tests/shapes/PainterCheck.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "render/View.h"
#include "shapes/DrawClass.h"

namespace {

struct ViewFace {
  std::vector<double> u, v;
  double minU, maxU, minV, maxV;
  double w0, u0, v0, nu, nv, nw;  // plane through (u0, v0, w0) with normal n
  bool edgeOn;
};

// Rows of the view rotation: screen right, screen up, towards the viewer.
struct Axes {
  double ux, uy, uz, vx, vy, vz, wx, wy, wz;
};

Axes AxesOf(const TView& view) {
  const double c = view.ProjectionMatrix[0][0], s = view.ProjectionMatrix[1][0];
  const double sinT = std::sin(double(view.Tilt)), ct = std::cos(double(view.Tilt));
  return {c, s, 0, s * ct, -c * ct, sinT, -s * sinT, c * sinT, ct};
}

ViewFace Project(const TDrawClass& shape, int face, const Axes& a) {
  const FaceRec& f = shape.Faces[static_cast<std::size_t>(face)];
  ViewFace out{};
  double nx = 0, ny = 0, nz = 0;  // Newell's normal, robust for any corner order
  const std::size_t n = f.Points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point3& p = f.Points[i];
    const Point3& q = f.Points[(i + 1) % n];
    nx += double(p.y - q.y) * (p.z + q.z);
    ny += double(p.z - q.z) * (p.x + q.x);
    nz += double(p.x - q.x) * (p.y + q.y);
    out.u.push_back(a.ux * p.x + a.uy * p.y + a.uz * p.z);
    out.v.push_back(a.vx * p.x + a.vy * p.y + a.vz * p.z);
  }
  if (n == 0) {
    out.edgeOn = true;
    return out;
  }
  const Point3& p0 = f.Points[0];
  out.u0 = out.u[0];
  out.v0 = out.v[0];
  out.w0 = a.wx * p0.x + a.wy * p0.y + a.wz * p0.z;
  out.nu = a.ux * nx + a.uy * ny + a.uz * nz;
  out.nv = a.vx * nx + a.vy * ny + a.vz * nz;
  out.nw = a.wx * nx + a.wy * ny + a.wz * nz;
  const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
  out.edgeOn = len == 0 || std::fabs(out.nw) < 1e-3 * len;
  out.minU = *std::min_element(out.u.begin(), out.u.end());
  out.maxU = *std::max_element(out.u.begin(), out.u.end());
  out.minV = *std::min_element(out.v.begin(), out.v.end());
  out.maxV = *std::max_element(out.v.begin(), out.v.end());
  return out;
}

bool Covers(const ViewFace& f, double u, double v) {
  if (f.edgeOn || u < f.minU || u > f.maxU || v < f.minV || v > f.maxV) return false;
  bool inside = false;
  const std::size_t n = f.u.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    if ((f.v[i] > v) != (f.v[j] > v) &&
        u < (f.u[j] - f.u[i]) * (v - f.v[i]) / (f.v[j] - f.v[i]) + f.u[i])
      inside = !inside;
  }
  return inside;
}

double DepthAt(const ViewFace& f, double u, double v) {
  return f.w0 - (f.nu * (u - f.u0) + f.nv * (v - f.v0)) / f.nw;
}

// Faces in one plane: every corner of b lies in the plane of a.
bool Coplanar(const TDrawClass& shape, int a, int b) {
  const std::vector<Point3>& pa = shape.Faces[static_cast<std::size_t>(a)].Points;
  const std::vector<Point3>& pb = shape.Faces[static_cast<std::size_t>(b)].Points;
  if (pa.size() < 3 || pb.empty()) return false;
  double nx = 0, ny = 0, nz = 0;
  for (std::size_t i = 0; i < pa.size(); ++i) {
    const Point3& p = pa[i];
    const Point3& q = pa[(i + 1) % pa.size()];
    nx += double(p.y - q.y) * (p.z + q.z);
    ny += double(p.z - q.z) * (p.x + q.x);
    nz += double(p.x - q.x) * (p.y + q.y);
  }
  const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
  if (len == 0) return false;
  for (const Point3& p : pb) {
    const double d = (nx * (p.x - pa[0].x) + ny * (p.y - pa[0].y) + nz * (p.z - pa[0].z)) / len;
    if (std::fabs(d) > 1e-6) return false;
  }
  return true;
}

}  // namespace

PainterConstraints SampleConstraints(const TDrawClass& shape, int octant) {
  std::set<std::pair<int, int>> found;
  const int faces = shape.FaceCount;
  std::vector<std::vector<bool>> coplanar(static_cast<std::size_t>(faces),
                                          std::vector<bool>(static_cast<std::size_t>(faces)));
  for (int a = 0; a < faces; ++a)
    for (int b = 0; b < faces; ++b)
      coplanar[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = Coplanar(shape, a, b);
  TView view;
  for (int tilt = 0; tilt <= 180; tilt += 6) {
    for (int spin = 1; spin < 360; spin += 8) {
      view.SetAngles(tilt == 90 ? 89 : tilt, spin);
      if (view.ViewOctant != octant) continue;
      const Axes axes = AxesOf(view);
      std::vector<ViewFace> projected;
      double minU = 1e30, maxU = -1e30, minV = 1e30, maxV = -1e30;
      for (int f = 0; f < faces; ++f) {
        projected.push_back(Project(shape, f, axes));
        const ViewFace& p = projected.back();
        if (p.edgeOn) continue;
        minU = std::min(minU, p.minU), maxU = std::max(maxU, p.maxU);
        minV = std::min(minV, p.minV), maxV = std::max(maxV, p.maxV);
      }
      constexpr int kGrid = 48;
      std::vector<std::pair<int, double>> covering;
      for (int gy = 0; gy < kGrid; ++gy) {
        for (int gx = 0; gx < kGrid; ++gx) {
          const double u = minU + (maxU - minU) * (gx + 0.5) / kGrid;
          const double v = minV + (maxV - minV) * (gy + 0.5) / kGrid;
          covering.clear();
          for (int f = 0; f < faces; ++f)
            if (Covers(projected[static_cast<std::size_t>(f)], u, v))
              covering.emplace_back(f, DepthAt(projected[static_cast<std::size_t>(f)], u, v));
          for (std::size_t i = 0; i < covering.size(); ++i)
            for (std::size_t j = i + 1; j < covering.size(); ++j) {
              const auto& a = covering[i];
              const auto& b = covering[j];
              if (coplanar[static_cast<std::size_t>(a.first)][static_cast<std::size_t>(b.first)])
                found.emplace(a.first, b.first);  // lying on it: file order
              else if (std::fabs(a.second - b.second) < 0.05)
                continue;  // where two faces meet at an edge
              else if (a.second < b.second)
                found.emplace(a.first, b.first);
              else
                found.emplace(b.first, a.first);
            }
        }
      }
    }
  }
  return {std::vector<std::pair<int, int>>(found.begin(), found.end())};
}

std::vector<int> PainterOrder(const TDrawClass& shape, const PainterConstraints& c) {
  const int n = shape.FaceCount;
  std::vector<int> pending(static_cast<std::size_t>(n), 0);
  for (const auto& p : c.before) ++pending[static_cast<std::size_t>(p.second)];
  std::vector<int> order;
  std::vector<bool> done(static_cast<std::size_t>(n), false);
  while (static_cast<int>(order.size()) < n) {
    int next = -1;
    for (int f = 0; f < n && next < 0; ++f)
      if (!done[static_cast<std::size_t>(f)] && pending[static_cast<std::size_t>(f)] == 0) next = f;
    if (next < 0) return {};
    done[static_cast<std::size_t>(next)] = true;
    order.push_back(next);
    for (const auto& p : c.before)
      if (p.first == next) --pending[static_cast<std::size_t>(p.second)];
  }
  return order;
}

std::string FirstBrokenConstraint(const TDrawClass& shape, int octant,
                                  const PainterConstraints& c) {
  std::vector<int> position(static_cast<std::size_t>(shape.FaceCount), -1);
  int i = 0;
  for (const int f : shape.DrawOrder[octant]) position[static_cast<std::size_t>(f)] = i++;
  for (const auto& p : c.before) {
    const int a = position[static_cast<std::size_t>(p.first)];
    const int b = position[static_cast<std::size_t>(p.second)];
    if (a < 0 || b < 0 || a > b)
      return "face " + std::to_string(p.first + 1) + " must be painted before face " +
             std::to_string(p.second + 1);
  }
  return "";
}
