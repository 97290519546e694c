#pragma once
#include <cstdint>
#include <vector>

#include "platform/Color.h"

// An off-screen picture of 32-bit pixels. Pixels are kept in the layout the
// raster painter works in (0xFFRRGGBB), so a canvas paints straight into them;
// pixel() and setPixel() speak TColor.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, TColor fill = 0xFFFFFF) { resize(width, height, fill); }

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  void resize(int width, int height, TColor fill = 0xFFFFFF);
  void fill(TColor c);

  TColor pixel(int x, int y) const { return FromRaw(data_[Index(x, y)]); }
  void setPixel(int x, int y, TColor c) { data_[Index(x, y)] = ToRaw(c); }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  std::uint32_t* raw() { return data_.data(); }
  const std::uint32_t* raw() const { return data_.data(); }
  int bytesPerLine() const { return width_ * 4; }

  static std::uint32_t ToRaw(TColor c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  static TColor FromRaw(std::uint32_t p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
  }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> data_;
};
