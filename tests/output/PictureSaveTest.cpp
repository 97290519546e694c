#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "model/Document.h"
#include "output/PictureSave.h"
#include "output/PrintPicture.h"
#include "platform/Error.h"
#include "platform/PictureFile.h"
#include "platform/Printer.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "tests/output/TempFolder.h"

namespace {

constexpr TColor kBackground = RGB(10, 20, 30);

struct SceneFixture {
  TDocument doc;
  RenderContext rc;
  TScene scene{doc, rc};
  explicit SceneFixture(int w = 320, int h = 240) {
    scene.BackgroundColor = kBackground;
    doc.NewModel(0);
    ApplyViewPositions(rc.view, ViewPositions{70, 30, 10, 0, 0}, w, h);
    scene.Resize(w, h, 0, 0);
    scene.Paint();
  }
};

std::string FileStart(const std::string& path, std::size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(n, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace

TEST(PictureSave, APlainPictureIsTheFramedPartOfTheBackBuffer) {
  SceneFixture f;
  // Marks in the back buffer only: the picture must come from there, not from the screen.
  f.scene.BackBuffer.setPixel(40, 30, RGB(255, 0, 0));
  f.scene.ScreenImage.setPixel(41, 30, RGB(0, 0, 255));
  const Bitmap picture = FramePicture(f.scene, {40, 30, 240, 130}, false);
  ASSERT_EQ(picture.width(), 200);
  ASSERT_EQ(picture.height(), 100);
  EXPECT_EQ(picture.pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(picture.pixel(1, 0), f.scene.BackBuffer.pixel(41, 30));
  EXPECT_EQ(picture.pixel(199, 99), f.scene.BackBuffer.pixel(239, 129));
  // A frame pushed partly beyond the view shows the background there.
  const Bitmap beyond = FramePicture(f.scene, {-10, 200, 190, 300}, false);
  EXPECT_EQ(beyond.pixel(0, 0), kBackground);
  EXPECT_EQ(beyond.pixel(10, 0), f.scene.BackBuffer.pixel(0, 200));
  EXPECT_EQ(beyond.pixel(50, 99), kBackground);
}

TEST(PictureSave, AnAntiAliasedPictureHasTheFrameSizeAndBlendsTheEdges) {
  SceneFixture f;
  const TRect frame{60, 70, 260, 170};
  const Bitmap smooth = FramePicture(f.scene, frame, true);
  ASSERT_EQ(smooth.width(), 200);
  ASSERT_EQ(smooth.height(), 100);
  // The same picture, but averaging the double-size render adds colours between
  // those the pieces paint with.
  const Bitmap plain = FramePicture(f.scene, frame, false);
  std::set<TColor> plainColours, smoothColours;
  int same = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      plainColours.insert(plain.pixel(x, y));
      smoothColours.insert(smooth.pixel(x, y));
      same += plain.pixel(x, y) == smooth.pixel(x, y);
    }
  EXPECT_GT(smoothColours.size(), plainColours.size());
  EXPECT_GT(same, 200 * 100 / 2);
}

TEST(PictureSave, TheNameDecidesBetweenJpegAndBmp) {
  TempFolder dir;
  const Bitmap picture(64, 48, RGB(200, 100, 50));
  for (const char* name : {"a.JPG", "b.jpg.bmp"}) {
    WritePictureFile(dir / name, picture);
    EXPECT_EQ(FileStart(dir / name, 3), std::string("\xFF\xD8\xFF")) << name;
  }
  for (const char* name : {"d.bmp", "e", "f.jpeg"}) {
    WritePictureFile(dir / name, picture);
    EXPECT_EQ(FileStart(dir / name, 2), "BM") << name;
  }
  EXPECT_EQ(ReadBmp(dir / "e").pixel(10, 10), RGB(200, 100, 50));
  EXPECT_NEAR(RedOf(ReadJpeg(dir / "a.JPG").pixel(40, 30)), 200, 2);  // quality 100
}

TEST(PictureSave, AFailedWriteRaisesAndKeepsTheEarlierFile) {
  TempFolder dir;
  WritePictureFile(dir / "kept.bmp", Bitmap(8, 8, RGB(1, 2, 3)));
  const std::string before = FileStart(dir / "kept.bmp", 1000);
  EXPECT_THROW(WritePictureFile(dir / "missing/x.bmp", Bitmap(8, 8)), FileError);
  EXPECT_THROW(WritePictureFile(dir / "kept.bmp/x.jpg", Bitmap(8, 8)), FileError);
  std::filesystem::permissions(
      dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (std::ofstream(dir / "probe").good()) return;  // rights that ignore folder permissions
  EXPECT_THROW(WritePictureFile(dir / "kept.bmp", Bitmap(16, 16)), FileError);
  EXPECT_EQ(FileStart(dir / "kept.bmp", 1000), before);
}

TEST(PrintPicture, ThePageScalesByWholePageWidthsPerPaintBox) {
  const PrintLayout layout = ComputePrintLayout(4800, 6000, 600, 0, 0);
  EXPECT_EQ(layout.Factor, 8);
  EXPECT_EQ(layout.Margin, 144);
  EXPECT_EQ(layout.CenterX, 2400);
  EXPECT_EQ(layout.CenterY, 3000);
  const PrintLayout offset = ComputePrintLayout(4801, 6001, 600, 10, -5);
  EXPECT_EQ(offset.CenterX, 2400 - 80);  // 2400.5 rounds to even
  EXPECT_EQ(offset.CenterY, 3000 + 40);
  // A page narrower than the paint box prints at the view's own scale, never at none.
  EXPECT_EQ(ComputePrintLayout(500, 700, 600, 0, 0).Factor, 1);
  EXPECT_EQ(ComputePrintLayout(500, 700, 0, 0, 0).Factor, 1);
}

namespace {

// The smallest rectangle holding every pixel that differs from the colour.
TRect Extent(const Bitmap& b, TColor empty) {
  TRect r{b.width(), b.height(), -1, -1};
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != empty) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1);
        r.bottom = std::max(r.bottom, y + 1);
      }
  return r;
}

}  // namespace

TEST(PrintPicture, ThePageShowsBorderNameAndTheScreenPictureAtTheLargerScale) {
  // A page four times the paint box, the view scrolled: one brick off the
  // origin lands where the screen shows it, four times as far out and as large.
  SceneFixture f(200, 150);
  f.doc.ModelList.Clear();
  f.doc.ModelList.Add(
      std::make_unique<TBlock>(2, -1, 0, 2, 3, 3, RGB(200, 0, 0), false, false, false, ""));
  f.rc.view.UpdateCenter(200, 150, 12, -7);
  f.scene.Paint();
  const TView::Saved before = f.rc.view.SaveView();
  const TRect screen = Extent(f.scene.BackBuffer, kBackground);

  BitmapPrinter printer(800, 600);
  PrintRequest request{200, 12, -7, "/models/house.lgo"};
  PrintModel(printer, f.scene, request);
  EXPECT_EQ(printer.DocumentsEnded(), 1);
  EXPECT_EQ(f.rc.view.ViewScale, before.ViewScale);
  EXPECT_EQ(f.rc.view.ViewCenterX, before.ViewCenterX);

  Bitmap page = printer.Page();
  const int m = 800 * 3 / 100;            // 24
  EXPECT_EQ(page.pixel(2 * m, 300), 0u);  // the border at the left, and at the bottom
  EXPECT_EQ(page.pixel(2 * m - 1, 300), 0xFFFFFFu);
  EXPECT_EQ(page.pixel(400, 600 - m - 1), 0u);
  EXPECT_EQ(page.pixel(400, 600 - m), 0xFFFFFFu);
  int ink = 0;  // the name inside the border's top left corner
  for (int y = m + 5; y < m + 25; ++y)
    for (int x = 2 * m + 5; x < 2 * m + 100; ++x) ink += page.pixel(x, y) != 0xFFFFFFu;
  EXPECT_GT(ink, 50);

  for (int y = 0; y < 600; ++y)  // the brick's red only
    for (int x = 0; x < 800; ++x)
      if (RedOf(page.pixel(x, y)) < 100 || GreenOf(page.pixel(x, y)) > 100)
        page.setPixel(x, y, 0xFFFFFF);
  const TRect paper = Extent(page, 0xFFFFFF);
  EXPECT_NEAR(paper.left, 4 * screen.left, 6);
  EXPECT_NEAR(paper.top, 4 * screen.top, 6);
  EXPECT_NEAR(paper.right, 4 * screen.right, 6);
  EXPECT_NEAR(paper.bottom, 4 * screen.bottom, 6);
}

TEST(PrintPicture, ThePrinterOfTheWindowSystemWritesAPdfPage) {
  TempFolder dir;
  SceneFixture f(300, 200);
  std::unique_ptr<Printer> pdf = CreatePdfPrinter(dir / "page.pdf", 300);
  EXPECT_GT(pdf->PageWidth(), 2000);  // A4 at 300 dots per inch, less the margins
  PrintRequest request;
  request.PaintBoxWidth = 300;
  request.ModelFileName = "house.lgo";
  PrintModel(*pdf, f.scene, request);
  pdf.reset();
  EXPECT_EQ(FileStart(dir / "page.pdf", 4), "%PDF");
  EXPECT_GT(std::filesystem::file_size(dir / "page.pdf"), 2000u);
}

TEST(PrintPicture, APrinterThatCannotStartRaisesAndTheViewStaysAsItWas) {
  TempFolder dir;
  SceneFixture f(300, 200);
  const float scale = f.rc.view.ViewScale;
  std::unique_ptr<Printer> pdf = CreatePdfPrinter(dir / "missing/page.pdf", 300);
  EXPECT_THROW(PrintModel(*pdf, f.scene, PrintRequest{300, 0, 0, ""}), FileError);
  EXPECT_EQ(f.rc.view.ViewScale, scale);
}
