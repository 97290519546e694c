#include <gtest/gtest.h>

#include "output/PictureFrame.h"
#include "platform/Canvas.h"

namespace {

TPictureFrame FrameAt(int left, int top, int right, int bottom) {
  TPictureFrame f;
  f.On = true;
  f.Rect = {left, top, right, bottom};
  return f;
}

void ExpectRect(const TRect& r, int left, int top, int right, int bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

}  // namespace

TEST(PictureFrame, PressesGrabEdgesWithinThreePixelsCornersBothAndTheMiddleMoves) {
  const TPictureFrame f = FrameAt(100, 100, 400, 300);
  EXPECT_EQ(f.GrabAt(200, 103), unsigned(GrabTop));
  EXPECT_EQ(f.GrabAt(200, 104), unsigned(GrabMove));
  EXPECT_EQ(f.GrabAt(200, 296), unsigned(GrabBottom));  // the last row is 299
  EXPECT_EQ(f.GrabAt(397, 200), unsigned(GrabRight));
  EXPECT_EQ(f.GrabAt(101, 298), unsigned(GrabBottom | GrabLeft));
  EXPECT_EQ(f.GrabAt(400, 200), unsigned(GrabNone));
  EXPECT_EQ(f.CursorAt(101, 101), FrameCursor::SizeFallingDiagonal);
  EXPECT_EQ(f.CursorAt(398, 101), FrameCursor::SizeRisingDiagonal);
  EXPECT_EQ(f.CursorAt(250, 200), FrameCursor::Normal);
}

TEST(PictureFrame, DraggingMovesOrStretchesAndEdgesStopAtTheMinimumSize) {
  TPictureFrame f = FrameAt(100, 100, 400, 300);
  ASSERT_TRUE(f.Press(250, 200));
  f.DragTo(260, 180);
  ExpectRect(f.Rect, 110, 80, 410, 280);

  // The bottom edge dragged upwards stops at 110 pixels and follows again on the way back.
  f = FrameAt(100, 100, 400, 300);
  ASSERT_TRUE(f.Press(250, 299));
  f.DragTo(250, 150);
  ExpectRect(f.Rect, 100, 100, 400, 210);
  f.DragTo(250, 249);
  EXPECT_EQ(f.Rect.bottom, 250);

  // A corner: left and top at once, each against its own limit.
  f = FrameAt(100, 100, 400, 300);
  ASSERT_TRUE(f.Press(100, 100));
  f.DragTo(500, 130);
  ExpectRect(f.Rect, 400 - 128, 130, 400, 300);
  f.Release();
  EXPECT_FALSE(f.DragTo(0, 0));
  EXPECT_FALSE(f.Press(5, 5));
}

TEST(PictureFrame, TitleBarCommandsCoverTheViewAndShrink) {
  TPictureFrame f = FrameAt(100, 100, 400, 300);
  const int t = 100 - 14, l = 98, r = 402;
  EXPECT_EQ(f.CommandAt(r - 8, t + 6), FrameCommand::Close);
  EXPECT_EQ(f.CommandAt(r - 22, t + 11), FrameCommand::CoverView);
  EXPECT_EQ(f.CommandAt(r - 42, t + 3), FrameCommand::Shrink);
  EXPECT_EQ(f.CommandAt(l + 4, t + 10), FrameCommand::Save);
  EXPECT_EQ(f.CommandAt(l + 32, t + 3), FrameCommand::SaveAntiAliased);
  EXPECT_EQ(f.CommandAt(l + 18, t + 6), FrameCommand::None);  // between the marks
  EXPECT_EQ(f.CommandAt(r - 8, t + 11), FrameCommand::None);

  f.CoverView(640, 480);
  ExpectRect(f.Rect, 2, 14, 638, 478);
  f.Shrink();
  ExpectRect(f.Rect, 2, 14, 130, 124);
}

TEST(PictureFrame, DrawsInvertedSoThatASecondDrawingRemovesIt) {
  Bitmap screen(300, 250, RGB(40, 90, 160));
  for (int x = 0; x < 300; x += 7) screen.setPixel(x, 60, RGB(255, 255, 0));
  const Bitmap before = screen;
  const TPictureFrame f = FrameAt(50, 40, 250, 200);
  std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(screen);
  f.Draw(*canvas);
  EXPECT_EQ(canvas->penMode(), PenMode::Copy);  // the canvas is left as it was
  canvas.reset();
  const TColor inverted = RGB(40, 90, 160) ^ 0x808080;
  EXPECT_EQ(screen.pixel(120, 40), inverted);       // the frame
  EXPECT_EQ(screen.pixel(120, 39), inverted);       // its second outline
  EXPECT_EQ(screen.pixel(120, 40 - 14), inverted);  // the bar's top
  EXPECT_EQ(screen.pixel(120, 100), RGB(40, 90, 160));

  canvas = CreateBitmapCanvas(screen);
  f.Draw(*canvas);
  canvas.reset();
  for (int y = 0; y < 250; ++y)
    for (int x = 0; x < 300; ++x) ASSERT_EQ(screen.pixel(x, y), before.pixel(x, y)) << x << "," << y;
}
