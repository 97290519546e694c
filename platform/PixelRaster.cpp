#include "platform/PixelRaster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

// --- Filling ---------------------------------------------------------------

// One edge in 16.16 fixed point: rows top..bottom (inclusive) cross it at
// (x0 + slope * (row - top)) >> 16, taken at the row's centre.
struct Edge {
  int top, bottom;
  std::int64_t x0;
  std::int64_t slope;
};

Edge MakeEdge(TPoint a, TPoint b) {
  Edge e;
  e.top = a.y;
  e.bottom = b.y - 1;
  // The slope is rounded toward zero in 16.16 as the painter rounds it; the
  // crossing starts half a pixel right and half a row down.
  const double slope = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
  e.slope = static_cast<int>(slope * 65536.0);
  e.x0 = 32768 + std::int64_t{a.x} * 65536 + ((e.slope * 32768) >> 16);
  return e;
}

int CrossingAt(const Edge& e, int row) {
  return static_cast<int>((e.x0 + e.slope * (row - e.top)) >> 16);
}

void FillSpan(const PixelTarget& t, int row, int x0, int x1, std::uint32_t pixel) {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, t.width);
  if (x0 >= x1) return;
  std::fill_n(t.pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(t.width) +
                  static_cast<std::size_t>(x0),
              x1 - x0, pixel);
}

// --- Stroking --------------------------------------------------------------

enum Direction {
  kNoDirection = 0,
  kTopToBottom = 1,
  kBottomToTop = 2,
  kLeftToRight = 4,
  kRightToLeft = 8,
  kVerticalMask = 3,
  kHorizontalMask = 12
};
enum Caps { kNoCaps = 0, kCapBegin = 1, kCapEnd = 2 };

int SwapCaps(int caps) {
  return ((caps & kCapBegin) << 1) | ((caps & kCapEnd) >> 1);
}

int Div16(int x, int y) {
  if (std::abs(x) > 0x7fff) return static_cast<int>(static_cast<long long>(x) * 65536 / y);
  return x * 65536 / y;
}

// Walks the segments of a path as the painter's cosmetic pen does, in 26.6 and
// 16.16 fixed point: each segment steps along its major axis, a joint pixel is
// drawn once, a pixel missing at a sharp turn is added, and a turn back on
// itself gets the joint pixel again.
class Stroker {
 public:
  Stroker(const PixelTarget& t, std::uint32_t pixel) : t_(t), pixel_(pixel) {}

  void Path(const TPoint* p, int n, bool implicitClose) {
    lastX_ = lastY_ = INT_MIN;
    lastDir_ = kNoDirection;
    const bool closed = implicitClose || p[0] == p[n - 1];
    int caps = closed ? kNoCaps : kCapBegin;
    if (closed) {
      const TPoint before = (p[0] == p[n - 1] && n > 2) ? p[n - 2] : p[n - 1];
      LastPointOf(before, p[0]);
    }
    TPoint from = p[0];
    for (int i = 1; i < n; ++i) {
      if (!closed && i == n - 1) caps |= kCapEnd;
      // A segment that draws nothing leaves the next one starting where it started.
      if (Segment(from, p[i], caps)) from = p[i];
      caps = kNoCaps;
    }
    if (implicitClose) Segment(from, p[0], kNoCaps);
  }

 private:
  void Plot(int x, int y) {
    if (x < 0 || y < 0 || x >= t_.width || y >= t_.height) return;
    t_.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(t_.width) +
              static_cast<std::size_t>(x)] = pixel_;
  }

  // The last pixel and direction of the closing segment, so that the first
  // segment of a closed path joins it.
  void LastPointOf(TPoint a, TPoint b) {
    lastX_ = lastY_ = INT_MIN;
    Segment(a, b, kNoCaps, false);
  }

  // One segment, stepping along its major axis with the other coordinate in
  // 16.16; false when it draws nothing. Joints and turns are judged on screen.
  bool Segment(TPoint a, TPoint b, int caps, bool plot = true) {
    const bool vertical = std::abs(b.x - a.x) < std::abs(b.y - a.y);
    if (!vertical && a.x == b.x) return true;  // a point: nothing to step along
    auto screen = [vertical](int major, int minor) {
      return vertical ? TPoint{minor, major} : TPoint{major, minor};
    };
    int major1 = (vertical ? a.y : a.x) * 64, minor1 = (vertical ? a.x : a.y) * 64;
    int major2 = (vertical ? b.y : b.x) * 64, minor2 = (vertical ? b.x : b.y) * 64;
    const bool swapped = major1 > major2;
    int dir = vertical ? kTopToBottom : kLeftToRight;
    if (swapped) {
      std::swap(major1, major2), std::swap(minor1, minor2);
      caps = SwapCaps(caps);
      dir = vertical ? kBottomToTop : kRightToLeft;
    }
    const int inc = Div16(minor2 - minor1, major2 - major1);
    int minor = minor1 * 1024;
    if ((lastDir_ ^ (vertical ? kVerticalMask : kHorizontalMask)) == dir)
      caps |= swapped ? kCapEnd : kCapBegin;  // turning back: the joint is drawn again
    if (caps & kCapBegin) major1 -= 32, minor -= inc >> 1;
    if (caps & kCapEnd) major2 += 32;
    int from = (major1 + 32) >> 6, to = (major2 + 32) >> 6;
    if (from == to) return false;
    minor += ((((major1 + 32) & ~0x3f) - major1 + (inc > 0 ? 32 : 0)) * inc) >> 6;
    TPoint first = screen(from, minor >> 16);
    TPoint last = screen(to - 1, (minor + (to - from - 1) * inc) >> 16);
    if (swapped) std::swap(first, last);
    const bool axisAligned = std::abs(inc) < (1 << 14);
    if (lastX_ > INT_MIN) {
      const int gapX = std::abs(lastX_ - first.x), gapY = std::abs(lastY_ - first.y);
      if (gapX == 0 && gapY == 0) {  // the joint is drawn already
        if (swapped)
          --to;
        else
          ++from, minor += inc;
      } else if (lastDir_ != dir && ((axisAligned && lastAxisAligned_ && gapX != 0 && gapY != 0) ||
                                     gapX > 1 || gapY > 1)) {  // a pixel missing at the turn
        if (swapped)
          ++to;
        else
          --from, minor -= inc;
      } else if (lastDir_ == dir && gapX <= 1 && gapY > 1) {
        minor += inc >> 1;
        last = screen(swapped ? from : to - 1,
                      (swapped ? minor : minor + (to - from - 1) * inc) >> 16);
      }
    }
    lastDir_ = dir, lastAxisAligned_ = axisAligned;
    if (plot) {
      do {
        const TPoint p = screen(from, minor >> 16);
        Plot(p.x, p.y);
        minor += inc;
      } while (++from < to);
    }
    lastX_ = last.x, lastY_ = last.y;
    return true;
  }

  const PixelTarget& t_;
  std::uint32_t pixel_;
  int lastX_ = INT_MIN, lastY_ = INT_MIN;
  int lastDir_ = kNoDirection;
  bool lastAxisAligned_ = false;
};

}  // namespace

void FillPolygonPixels(const PixelTarget& t, const TPoint* points, int count, std::uint32_t pixel) {
  if (count < 2 || t.width <= 0 || t.height <= 0) return;
  // Polygons of the pieces have a handful of corners; the scratch space is kept.
  static thread_local std::vector<Edge> edges;
  static thread_local std::vector<int> crossings;
  edges.clear();
  int top = INT_MAX, bottom = INT_MIN;
  for (int i = 0; i < count; ++i) {
    TPoint a = points[i], b = points[(i + 1) % count];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    edges.push_back(MakeEdge(a, b));
    top = std::min(top, a.y);
    bottom = std::max(bottom, b.y - 1);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, t.height - 1);
  for (int row = top; row <= bottom; ++row) {
    crossings.clear();
    for (const Edge& e : edges)
      if (row >= e.top && row <= e.bottom) crossings.push_back(CrossingAt(e, row));
    if (crossings.size() == 2) {
      FillSpan(t, row, std::min(crossings[0], crossings[1]), std::max(crossings[0], crossings[1]),
               pixel);
      continue;
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
      FillSpan(t, row, crossings[k], crossings[k + 1], pixel);
  }
}

bool FillDrawnDirectly(const TPoint* points, int count) {
  for (int i = 0; i < count; ++i)
    if (std::abs(points[i].x) > kPixelRasterLimit || std::abs(points[i].y) > kPixelRasterLimit)
      return false;
  return count >= 2;
}

bool StrokeDrawnDirectly(const TPoint* points, int count, bool closed, int width, int height) {
  if (count < 2 || width > kPixelRasterLimit || height > kPixelRasterLimit) return false;
  for (int i = 0; i < count; ++i) {
    const TPoint p = points[i];
    if (p.x < -1 || p.y < -1 || p.x > width || p.y > height) return false;
  }
  if (closed || points[0] == points[count - 1]) return true;
  const TPoint a = points[count - 2], b = points[count - 1];
  return std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) > 2;
}

void StrokePathPixels(const PixelTarget& t, const TPoint* points, int count, bool closed,
                      std::uint32_t pixel) {
  if (count < 2) return;
  Stroker(t, pixel).Path(points, count, closed);
}

void FillRectPixels(const PixelTarget& t, const TRect& r, std::uint32_t pixel) {
  const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, t.height);
  for (int y = y0; y < y1; ++y) FillSpan(t, y, r.left, r.right, pixel);
}
