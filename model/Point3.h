#pragma once
#include <cstdint>

// A point in model units: x and y 20 per stud, z 8 per plate.
struct Point3 {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t z = 0;
  friend bool operator==(const Point3& a, const Point3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
  }
  friend bool operator!=(const Point3& a, const Point3& b) { return !(a == b); }
};
