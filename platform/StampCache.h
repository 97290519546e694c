#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PixelRaster.h"

// The pixels one recurring drawing sets, relative to its reference point.
class Stamp {
 public:
  // The box of pixels it may touch, relative to the reference point.
  TRect box;

  // Sets the pixels with the reference point at (x, y); the box must lie in the target.
  void CopyTo(const PixelTarget& target, int x, int y) const;

 private:
  friend class StampCache;
  struct Run {
    int dx, dy, length, first;  // `length` pixels from colours[first]
  };
  std::vector<Run> runs_;
  std::vector<std::uint32_t> colours_;
};

// The stamps of one picture, made on first use by drawing them twice on small
// bitmaps, once over black and once over white: the pixels that come out the
// same in both are the ones the drawing sets. Drawing at whole-pixel offsets
// sets the same pixels wherever it happens, as long as nothing is clipped,
// so a copy equals drawing in place inside the picture.
class StampCache {
 public:
  const Stamp& Get(const StampKey& key, const TRect& extent, TColor pen, TColor brush,
                   BrushStyle style, StampDraw draw, const void* context);

 private:
  struct Key {
    StampKey shape;
    TColor pen, brush;
    BrushStyle style;
    friend bool operator==(const Key& a, const Key& b) {
      return a.shape == b.shape && a.pen == b.pen && a.brush == b.brush && a.style == b.style;
    }
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const;
  };
  std::unordered_map<Key, Stamp, KeyHash> stamps_;
  const Key* lastKey_ = nullptr;  // studs of one piece follow each other
  const Stamp* lastStamp_ = nullptr;
};
