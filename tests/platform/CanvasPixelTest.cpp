// What only pixels show: exclusive edges, the hatch leaving the background,
// the XOR pen, odd-even filling.
#include <gtest/gtest.h>

#include "platform/Canvas.h"

namespace {

constexpr TColor kBack = RGB(10, 10, 10);

struct Surface {
  Bitmap bitmap{40, 40, kBack};
  std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(bitmap);
};

}  // namespace

TEST(CanvasPixels, RectangleLeavesTheRightAndBottomEdgeOut) {
  Surface s;
  s.canvas->setPenColor(RGB(255, 0, 0));
  s.canvas->setBrushColor(RGB(0, 0, 255));
  s.canvas->rectangle(5, 5, 15, 15);
  s.canvas.reset();
  EXPECT_EQ(s.bitmap.pixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(s.bitmap.pixel(14, 14), RGB(255, 0, 0));
  EXPECT_EQ(s.bitmap.pixel(15, 10), kBack);
  EXPECT_EQ(s.bitmap.pixel(10, 15), kBack);
  EXPECT_EQ(s.bitmap.pixel(10, 10), RGB(0, 0, 255));
}

TEST(CanvasPixels, EllipseStaysInsideItsBox) {
  Surface s;
  s.canvas->setPenColor(RGB(255, 0, 0));
  s.canvas->setBrushColor(RGB(0, 0, 255));
  s.canvas->ellipse(10, 10, 21, 21);
  s.canvas.reset();
  EXPECT_EQ(s.bitmap.pixel(15, 15), RGB(0, 0, 255));
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(s.bitmap.pixel(21, i), kBack);
    EXPECT_EQ(s.bitmap.pixel(i, 21), kBack);
    EXPECT_EQ(s.bitmap.pixel(9, i), kBack);
  }
}

TEST(CanvasPixels, HatchPaintsLinesAndLeavesTheBackgroundBetween) {
  Surface s;
  s.canvas->setPenColor(RGB(255, 255, 255));
  s.canvas->setBrushColor(RGB(0, 255, 0));
  s.canvas->setBrushStyle(BrushStyle::DiagCross);
  const TPoint square[4] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
  s.canvas->polygon(square, 4);
  s.canvas.reset();
  int hatch = 0, back = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 5; x < 35; ++x) {
      const TColor c = s.bitmap.pixel(x, y);
      hatch += c == RGB(0, 255, 0);
      back += c == kBack;
    }
  EXPECT_GT(hatch, 50);
  EXPECT_GT(back, 300);
  EXPECT_EQ(hatch + back, 30 * 30);
}

TEST(CanvasPixels, XorTwiceRestoresThePicture) {
  Surface s;
  s.canvas->setPenMode(PenMode::Xor);
  s.canvas->setPenColor(RGB(255, 255, 255));
  s.canvas->setBrushStyle(BrushStyle::Clear);
  s.canvas->rectangle(2, 2, 30, 30);
  s.canvas.reset();
  EXPECT_EQ(s.bitmap.pixel(2, 10), RGB(245, 245, 245));
  s.canvas = CreateBitmapCanvas(s.bitmap);
  s.canvas->setPenMode(PenMode::Xor);
  s.canvas->setPenColor(RGB(255, 255, 255));
  s.canvas->setBrushStyle(BrushStyle::Clear);
  s.canvas->rectangle(2, 2, 30, 30);
  s.canvas.reset();
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(s.bitmap.pixel(x, y), kBack) << x << "," << y;
}

TEST(CanvasPixels, PolygonsFillOddEven) {
  Surface s;
  s.canvas->setPenColor(RGB(0, 0, 255));
  s.canvas->setBrushColor(RGB(0, 0, 255));
  // Two nested squares drawn as one outline: the inner one stays empty.
  const TPoint ring[10] = {{0, 0},   {39, 0},  {39, 39}, {0, 39},  {0, 0},
                           {10, 10}, {29, 10}, {29, 29}, {10, 29}, {10, 10}};
  s.canvas->polygon(ring, 10);
  s.canvas.reset();
  EXPECT_EQ(s.bitmap.pixel(5, 20), RGB(0, 0, 255));
  EXPECT_EQ(s.bitmap.pixel(20, 20), kBack);
}

TEST(CanvasPixels, StretchDrawFillsTheTarget) {
  Surface s;
  Bitmap small(2, 2, RGB(1, 2, 3));
  s.canvas->stretchDraw(TRect{0, 0, 40, 40}, small);
  s.canvas.reset();
  EXPECT_EQ(s.bitmap.pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(s.bitmap.pixel(39, 39), RGB(1, 2, 3));
}

TEST(CanvasPixels, TheHatchCellGrowsWithItsScale) {
  // Along one row, the hatch lines come once per cell; a cell four times as
  // large has a quarter as many.
  auto linesAlongARow = [](int scale) {
    Bitmap bitmap(128, 128, kBack);
    {
      std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(bitmap);
      canvas->setHatchScale(scale);
      canvas->setBrushColor(RGB(255, 0, 0));
      canvas->setBrushStyle(BrushStyle::DiagCross);
      canvas->fillRect({0, 0, 128, 128});
    }
    int runs = 0;
    for (int x = 1; x < 128; ++x)
      if (bitmap.pixel(x, 64) != kBack && bitmap.pixel(x - 1, 64) == kBack) ++runs;
    return runs;
  };
  const int screen = linesAlongARow(1), printed = linesAlongARow(4);
  EXPECT_GE(screen, 12);
  EXPECT_GE(printed, screen / 4 - 1);
  EXPECT_LE(printed, screen / 4 + 1);
}
