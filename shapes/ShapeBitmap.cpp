// A picture laid onto one face of a shape: its first, second and fourth
// corners span a parallelogram; the picture's columns run from corner 0
// towards corner 3 and its rows towards corner 1. The top left pixel of the
// picture is its transparent colour.
#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "render/RenderContext.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"

const Bitmap* TDrawClass::FaceBitmap() const {
  // Read once per name; painting again costs nothing.
  if (!bitmapTried_ || bitmapName_ != BitmapName || bitmapFolders_ != PartsFolders) {
    bitmapTried_ = true;
    bitmapName_ = BitmapName;
    bitmapFolders_ = PartsFolders;
    try {
      bitmap_ = ReadBmp(FindPartFile(PartsFolders, BitmapName), kMaxPartFileBytes);
    } catch (const std::exception&) {
      bitmap_ = Bitmap();
    }
  }
  return bitmap_.empty() ? nullptr : &bitmap_;
}

namespace {

TColor Blend(TColor a, TColor b, float t) {
  auto channel = [&](int shift) {
    const float ca = static_cast<float>((a >> shift) & 0xFF);
    const float cb = static_cast<float>((b >> shift) & 0xFF);
    const long v = std::lrint((1.0f - t) * ca + t * cb);
    return static_cast<TColor>(std::clamp<long>(v, 0, 255)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// The picture's colour at (u, v), smoothed with the neighbour the fraction leans towards.
bool SampleAt(const Bitmap& picture, float u, float v, TColor& out) {
  const int w = picture.width(), h = picture.height();
  if (!(u > -0.5f && v > -0.5f && u < static_cast<float>(w) && v < static_cast<float>(h)))
    return false;
  const int i = static_cast<int>(std::lrint(u));
  const int j = static_cast<int>(std::lrint(v));
  if (!picture.contains(i, j)) return false;
  TColor c = picture.pixel(i, j);
  if (c == picture.pixel(0, 0)) return false;
  const float fu = u - static_cast<float>(i);
  const int ni = fu < 0 ? i - 1 : i + 1;
  if (fu != 0 && picture.contains(ni, j)) c = Blend(c, picture.pixel(ni, j), std::fabs(fu));
  const float fv = v - static_cast<float>(j);
  const int nj = fv < 0 ? j - 1 : j + 1;
  if (fv != 0 && picture.contains(i, nj)) c = Blend(c, picture.pixel(i, nj), std::fabs(fv));
  out = c;
  return true;
}

}  // namespace

void TDrawClass::DrawBitmapFace(const FaceRec&, Canvas& canvas, RenderContext& rc) const {
  const Bitmap* picture = FaceBitmap();
  if (!picture) return;
  const TPoint p0 = rc.ScreenPoints[0], p1 = rc.ScreenPoints[1], p3 = rc.ScreenPoints[3];
  const float w = static_cast<float>(picture->width());
  const float h = static_cast<float>(picture->height());
  float dx = static_cast<float>(p3.x - p0.x);
  float dy = static_cast<float>(p1.y - p0.y);
  if (dx == 0) dx = 1;
  if (dy == 0) dy = 1;
  const float a = static_cast<float>(p3.y - p0.y) / dx;
  const float c = static_cast<float>(p1.x - p0.x) / dy;
  const float skew = 1.0f - a * c;
  if (std::fabs(skew) < 1e-6f) return;  // the face is seen edge on
  const float columnScale = (dx / w) * skew, rowScale = (dy / h) * skew;

  const int fourthX = p1.x + p3.x - p0.x, fourthY = p1.y + p3.y - p0.y;
  const int left = std::max({0, std::min({p0.x, p1.x, p3.x, fourthX})});
  const int top = std::max({0, std::min({p0.y, p1.y, p3.y, fourthY})});
  const int right = std::min({canvas.width() - 1, std::max({p0.x, p1.x, p3.x, fourthX})});
  const int bottom = std::min({canvas.height() - 1, std::max({p0.y, p1.y, p3.y, fourthY})});
  for (int y = top; y <= bottom; ++y) {
    const float dv = static_cast<float>(y - p0.y);
    for (int x = left; x <= right; ++x) {
      const float du = static_cast<float>(x - p0.x);
      const float u = (du - dv * c) / columnScale;
      const float v = (dv - du * a) / rowScale;
      TColor colour;
      if (SampleAt(*picture, u, v, colour)) canvas.setPixel(x, y, colour);
    }
  }
}
