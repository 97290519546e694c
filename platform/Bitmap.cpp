#include "platform/Bitmap.h"

#include <algorithm>

void Bitmap::resize(int width, int height, TColor fill) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  data_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), ToRaw(fill));
}

void Bitmap::fill(TColor c) {
  std::fill(data_.begin(), data_.end(), ToRaw(c));
}
