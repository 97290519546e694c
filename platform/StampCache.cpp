#include "platform/StampCache.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/Bitmap.h"

namespace {

// Room around the corners for whatever a pen sets beside them.
constexpr int kMargin = 2;

}  // namespace

void Stamp::CopyTo(const PixelTarget& target, int x, int y) const {
  for (const Run& r : runs_)
    std::memcpy(target.pixels +
                    static_cast<std::size_t>(y + r.dy) * static_cast<std::size_t>(target.width) +
                    static_cast<std::size_t>(x + r.dx),
                colours_.data() + r.first,
                static_cast<std::size_t>(r.length) * sizeof(std::uint32_t));
}

std::size_t StampCache::KeyHash::operator()(const Key& k) const {
  std::uint64_t h =
      k.pen * 0x9E3779B97F4A7C15ull ^ (k.brush + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
  h ^= static_cast<std::uint64_t>(k.style) + (h << 6) + (h >> 2);
  for (int v : k.shape.values)
    h = (h ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(v))) * 0x100000001B3ull;
  return static_cast<std::size_t>(h);
}

const Stamp& StampCache::Get(const StampKey& shape, const TRect& extent, TColor pen, TColor brush,
                             BrushStyle style, StampDraw draw, const void* context) {
  const Key key{shape, pen, brush, style};
  if (lastKey_ && *lastKey_ == key) return *lastStamp_;
  auto found = stamps_.find(key);
  if (found == stamps_.end()) {
    const int width = extent.width() + 2 * kMargin, height = extent.height() + 2 * kMargin;
    const int ox = kMargin - extent.left, oy = kMargin - extent.top;
    Bitmap over[2] = {Bitmap(width, height, 0x000000), Bitmap(width, height, 0xFFFFFF)};
    for (Bitmap& b : over) {
      std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(b);
      canvas->setPenColor(pen);
      canvas->setBrushColor(brush);
      canvas->setBrushStyle(style);
      draw(*canvas, context, ox, oy);
    }
    Stamp stamp;
    stamp.box = TRect{-ox, -oy, width - ox, height - oy};
    for (int y = 0; y < height; ++y) {
      const std::uint32_t* a =
          over[0].raw() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
      const std::uint32_t* b =
          over[1].raw() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
      for (int x = 0; x < width;) {
        if (a[x] != b[x]) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < width && a[x] == b[x]) ++x;
        stamp.runs_.push_back(
            Stamp::Run{start - ox, y - oy, x - start, static_cast<int>(stamp.colours_.size())});
        stamp.colours_.insert(stamp.colours_.end(), a + start, a + x);
      }
    }
    found = stamps_.emplace(key, std::move(stamp)).first;
  }
  lastKey_ = &found->first;
  lastStamp_ = &found->second;
  return found->second;
}
