#include "platform/Region.h"

PolygonRegion::PolygonRegion(const TPoint* points, int count) {
  if (points && count > 0) points_.assign(points, points + count);
}

bool PolygonRegion::contains(int x, int y) const {
  if (!valid()) return false;
  // Crossing test at the pixel centre; odd crossings mean inside.
  const double px = x + 0.5;
  const double py = y + 0.5;
  bool inside = false;
  const std::size_t n = points_.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const double xi = points_[i].x, yi = points_[i].y;
    const double xj = points_[j].x, yj = points_[j].y;
    if ((yi > py) != (yj > py)) {
      double xCross = xj + (py - yj) * (xi - xj) / (yi - yj);
      if (px < xCross) inside = !inside;
    }
  }
  return inside;
}
