#include <gtest/gtest.h>

#include <cstdio>

#include "model/Document.h"
#include "platform/PictureFile.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

namespace {

struct SceneFixture {
  TDocument doc;
  RenderContext rc;
  TScene scene{doc, rc};
  SceneFixture(int w = 200, int h = 150) {
    scene.BackgroundColor = RGB(10, 20, 30);
    ApplyViewPositions(rc.view, ViewPositions{70, 30, 10, 0, 0}, w, h);
    scene.Resize(w, h, 0, 0);
  }
};

}  // namespace

TEST(Scene, PaintFillsTheBackgroundAndCopiesTheBufferToTheScreen) {
  SceneFixture f;
  f.doc.ModelList.Clear();
  f.scene.Paint();
  EXPECT_EQ(f.scene.BackBuffer.pixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(f.scene.ScreenImage.pixel(199, 149), RGB(10, 20, 30));
  f.doc.NewModel(0);
  f.scene.Paint();
  EXPECT_NE(f.scene.BackBuffer.pixel(100, 75), RGB(10, 20, 30));  // the baseplate at the centre
  EXPECT_EQ(f.scene.ScreenImage.pixel(100, 75), f.scene.BackBuffer.pixel(100, 75));
}

TEST(Scene, ResortsWhenTheOctantChangedAndHonoursTheGuards) {
  SceneFixture f;
  f.doc.ModelList.SortedOctant = 5;
  f.scene.PaintingDisabled = true;
  f.scene.Paint();
  EXPECT_EQ(f.doc.ModelList.SortedOctant, 5);
  f.scene.RedrawSuppressed = true;
  f.scene.RedrawPicture();
  EXPECT_TRUE(f.scene.PaintingDisabled);  // ignored while suppressed
  f.scene.RedrawSuppressed = false;
  f.scene.RedrawPicture();  // clears PaintingDisabled and paints
  EXPECT_FALSE(f.scene.PaintingDisabled);
  EXPECT_EQ(f.doc.ModelList.SortedOctant, f.rc.view.ViewOctant);
}

TEST(Scene, ASecondPaintWhilePaintingIsDropped) {
  SceneFixture f;
  int paints = 0;
  f.scene.SetBusy = [&](bool busy) {
    if (busy) {
      ++paints;
      f.scene.Paint();  // re-entry through a message processed while painting
    }
  };
  f.scene.Paint();
  EXPECT_EQ(paints, 1);
  EXPECT_FALSE(f.scene.IsPainting());
}

TEST(Scene, SlowRenderingShowsTheColourBehindThePiecesButBuffersThePicture) {
  SceneFixture f;
  f.doc.ModelList.Clear();
  Bitmap picture(4, 4, RGB(200, 0, 0));
  f.scene.BackgroundPicture = picture;
  f.scene.SlowRender = true;
  f.scene.Paint();
  EXPECT_EQ(f.scene.BackBuffer.pixel(3, 3), RGB(200, 0, 0));
  EXPECT_EQ(f.scene.ScreenImage.pixel(3, 3), RGB(10, 20, 30));
}

TEST(Scene, RestoreScreenErasesWhatWasDrawnOnTheScreen) {
  SceneFixture f;
  f.scene.Paint();
  f.scene.ScreenImage.setPixel(5, 5, RGB(1, 2, 3));
  f.scene.RestoreScreen();
  EXPECT_EQ(f.scene.ScreenImage.pixel(5, 5), f.scene.BackBuffer.pixel(5, 5));
}

TEST(Scene, BackgroundPicturesByNameAndUnreadableOnesDropped) {
  SceneFixture f;
  const std::string bmp = testing::TempDir() + "/background.JPG.bmp";
  const std::string jpg = testing::TempDir() + "/background.JPG";
  WriteJpeg(jpg, Bitmap(8, 8, RGB(0, 200, 0)));
  f.scene.LoadBackgroundPicture(jpg);  // ".JPG" in upper case is still JPEG
  ASSERT_TRUE(f.scene.BackgroundPicture.has_value());
  EXPECT_EQ(f.scene.BackgroundPicture->width(), 8);
  WriteBmp(bmp, Bitmap(3, 3));
  f.scene.LoadBackgroundPicture(bmp);  // contains ".jpg", so read as JPEG: fails silently
  EXPECT_FALSE(f.scene.BackgroundPicture.has_value());
  f.scene.LoadBackgroundPicture(testing::TempDir() + "/missing.bmp");
  EXPECT_FALSE(f.scene.BackgroundPicture.has_value());
  f.scene.ClearBackgroundPicture(RGB(1, 1, 1));
  EXPECT_EQ(f.scene.BackgroundColor, RGB(1, 1, 1));
  EXPECT_TRUE(f.scene.BackgroundFileName.empty());
}

TEST(Scene, ZCutRedrawsOnlyWhenAPieceMoved) {
  SceneFixture f;
  f.doc.ModelList.AddSorted(std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 255, true, false, false, ""), 0);
  f.doc.ZCutLevel = 4000;
  int paints = 0;
  f.scene.SetBusy = [&](bool busy) { paints += busy; };
  EXPECT_FALSE(f.scene.SetZCutLevel(100));
  EXPECT_EQ(paints, 0);
  EXPECT_TRUE(f.scene.SetZCutLevel(10));
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(f.doc.CutList.Count(), 1);
}

TEST(Supersampling, ReadsFourPixelsOfTheDoublePictureAndRestoresTheView) {
  SceneFixture f(40, 30);
  f.doc.NewModel(0);
  f.scene.Paint();
  const float scale = f.rc.view.ViewScale;
  const int cx = f.rc.view.ViewCenterX, cy = f.rc.view.ViewCenterY;
  // The double-size picture, painted the same way, to check the averages against.
  RenderContext rc2;
  rc2.view = f.rc.view;
  rc2.view.ViewScale = scale * 2;
  rc2.view.ViewCenterX = cx * 2;
  rc2.view.ViewCenterY = cy * 2;
  rc2.view.UpdateRiseAndStuds();
  Bitmap big(80, 60, f.scene.BackgroundColor);
  {
    auto canvas = CreateBitmapCanvas(big);
    canvas->setBrushColor(f.scene.BackgroundColor);
    canvas->fillRect(TRect{0, 0, 80, 60});
    f.doc.ModelList.DrawAll(*canvas, rc2);
  }
  Bitmap target(20, 10);
  const TRect frame{10, 20, 30, 30};
  f.scene.RenderSupersampled(target, frame);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const int sx = 2 * (x + 10), sy = 2 * (y + 20);
      const TColor a = big.pixel(sx, sy), b = big.pixel(sx + 1, sy), c = big.pixel(sx, sy + 1),
                   d = big.pixel(sx + 1, sy + 1);
      const TColor want = RGB((RedOf(a) + RedOf(b) + RedOf(c) + RedOf(d)) / 4,
                              (GreenOf(a) + GreenOf(b) + GreenOf(c) + GreenOf(d)) / 4,
                              (BlueOf(a) + BlueOf(b) + BlueOf(c) + BlueOf(d)) / 4);
      ASSERT_EQ(target.pixel(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(f.rc.view.ViewScale, scale);
  EXPECT_EQ(f.rc.view.ViewCenterX, cx);
  EXPECT_EQ(f.rc.view.ViewCenterY, cy);
}
