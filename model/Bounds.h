#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/Block.h"

// Keeps a value computed wide within the 32-bit range of model geometry.
inline std::int32_t Clamp32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The box around a set of pieces, computed wide: minimum corner and maximum
// (exclusive) corner on each axis.
struct TBounds {
  std::int64_t minX = 0, minY = 0, minZ = 0, maxX = 0, maxY = 0, maxZ = 0;
  bool empty = true;

  // Bounds whose minima start at `low` and maxima at `high` instead of at the
  // first piece, as the code that moves sets about starts them.
  static TBounds Seeded(std::int64_t low, std::int64_t high) {
    return TBounds{low, low, low, high, high, high, false};
  }

  void Add(const TBlock& b) {
    if (empty) {
      minX = b.X, minY = b.Y, minZ = b.Z, maxX = b.Right(), maxY = b.Back(), maxZ = b.Top();
      empty = false;
      return;
    }
    minX = std::min<std::int64_t>(minX, b.X);
    minY = std::min<std::int64_t>(minY, b.Y);
    minZ = std::min<std::int64_t>(minZ, b.Z);
    maxX = std::max(maxX, b.Right());
    maxY = std::max(maxY, b.Back());
    maxZ = std::max(maxZ, b.Top());
  }
};
