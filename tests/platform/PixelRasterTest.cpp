// Solid and hollow polygons, lines and rectangles drawn straight into a
// bitmap's pixels must set exactly the pixels the painter sets.
#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "platform/QtCanvas.h"

namespace {

constexpr int kWidth = 96, kHeight = 80;
constexpr TColor kBack = RGB(10, 10, 10);

// The same drawing on a bitmap's canvas and on the painter alone.
struct TwoCanvases {
  Bitmap bitmap{kWidth, kHeight, kBack};
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  std::unique_ptr<Canvas> direct = CreateBitmapCanvas(bitmap);
  std::unique_ptr<QtCanvas> painter;
  TwoCanvases() {
    image.fill(ToQColor(kBack));
    painter = std::make_unique<QtCanvas>(&image);
  }
  template <class F>
  void Both(F draw) {
    draw(*direct);
    draw(*painter);
  }
  int Differences() {
    direct.reset();
    painter.reset();
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        n += bitmap.raw()[y * kWidth + x] !=
             reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
    return n;
  }
};

}  // namespace

TEST(PixelRaster, RandomShapesSetThePainterSPixels) {
  std::mt19937 random(11);
  auto pick = [&](int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1));
  };
  for (int picture = 0; picture < 600; ++picture) {
    TwoCanvases c;
    for (int shape = 0; shape < 12; ++shape) {
      // Small shapes anywhere, also across the edges; large ones reaching far out.
      const int span = pick(0, 3) == 0 ? pick(60, 400) : pick(1, 30);
      const int x0 = pick(-span / 2 - 4, kWidth + 3), y0 = pick(-span / 2 - 4, kHeight + 3);
      TPoint p[12];
      const int count = pick(1, 12);
      for (int i = 0; i < count; ++i)
        p[i] = {x0 + pick(-span / 2, span / 2), y0 + pick(-span / 2, span / 2)};
      const int kind = pick(0, 4);
      if (kind == 3 && count > 2) p[count - 1] = p[0];  // a closed polyline
      const TColor pen = RGB(pick(0, 255), 200, 50), brush = RGB(50, pick(0, 255), 200);
      const BrushStyle style = pick(0, 2) ? BrushStyle::Solid : BrushStyle::Clear;
      c.Both([&](Canvas& canvas) {
        canvas.setPenColor(pen);
        canvas.setBrushColor(brush);
        canvas.setBrushStyle(style);
        if (kind <= 1)
          canvas.polygon(p, count);
        else if (kind <= 3)
          canvas.polyline(p, count);
        else
          canvas.fillRect(TRect{p[0].x, p[0].y, p[0].x + span, p[0].y + span / 2});
      });
    }
    ASSERT_EQ(c.Differences(), 0) << "picture " << picture;
  }
}
