#pragma once
#include <vector>

#include "platform/Geometry.h"

// A region made from a polygon with the alternate fill rule. A point (x, y)
// stands for the pixel whose top left corner it is, so the right and bottom
// edges of a rectangle belong to the pixels beyond it, as on the screen.
class PolygonRegion {
 public:
  PolygonRegion(const TPoint* points, int count);
  bool valid() const { return points_.size() >= 3; }
  bool contains(int x, int y) const;

 private:
  std::vector<TPoint> points_;
};
