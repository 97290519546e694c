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

TEST(PictureSave, TheDialogProposesTheModelsBareNameInThePictureFolder) {
  const FileDialogRequest plain = PictureSaveRequest(false, "/home/u/models/house.lgo", "/pics/");
  EXPECT_EQ(plain.title, "Save picture");
  EXPECT_EQ(plain.fileName, "house");
  EXPECT_EQ(plain.folder, "/pics/");
  EXPECT_EQ(plain.defaultExtension, "BMP");
  EXPECT_EQ(plain.filter, "Bitmap file (*.bmp)|*.bmp|JPEG file (*.jpg)|*.jpg");
  EXPECT_EQ(PictureSaveRequest(true, "", "/p/").title, "Save anti-aliased picture");
  EXPECT_EQ(PictureSaveRequest(true, "", "/p/").fileName, "");
  EXPECT_EQ(PictureSaveRequest(false, "my.house.lgo", "").fileName, "my.house");
}

TEST(PictureSave, APlainPictureIsTheFramedPartOfTheBackBuffer) {
  SceneFixture f;
  // Marks in the back buffer only: the picture must come from there, not from the screen.
  f.scene.BackBuffer.setPixel(40, 30, RGB(255, 0, 0));
  f.scene.BackBuffer.setPixel(239, 129, RGB(0, 255, 0));
  f.scene.ScreenImage.setPixel(41, 30, RGB(0, 0, 255));
  const Bitmap picture = FramePicture(f.scene, {40, 30, 240, 130}, false);
  ASSERT_EQ(picture.width(), 200);
  ASSERT_EQ(picture.height(), 100);
  EXPECT_EQ(picture.pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(picture.pixel(199, 99), RGB(0, 255, 0));
  EXPECT_EQ(picture.pixel(1, 0), f.scene.BackBuffer.pixel(41, 30));
  EXPECT_EQ(picture.pixel(100, 50), f.scene.BackBuffer.pixel(140, 80));

  // A frame pushed partly beyond the view shows the background there.
  const Bitmap beyond = FramePicture(f.scene, {-10, 200, 190, 300}, false);
  EXPECT_EQ(beyond.pixel(0, 0), kBackground);
  EXPECT_EQ(beyond.pixel(10, 0), f.scene.BackBuffer.pixel(0, 200));
  EXPECT_EQ(beyond.pixel(50, 99), kBackground);
}

TEST(PictureSave, AnAntiAliasedPictureHasTheFrameSizeBlendedEdgesAndLeavesTheViewAlone) {
  SceneFixture f;
  const TView before = f.rc.view;
  const TRect frame{60, 70, 260, 170};
  const Bitmap smooth = FramePicture(f.scene, frame, true);
  ASSERT_EQ(smooth.width(), 200);
  ASSERT_EQ(smooth.height(), 100);
  EXPECT_EQ(f.rc.view.ViewScale, before.ViewScale);
  EXPECT_EQ(f.rc.view.ViewCenterX, before.ViewCenterX);
  EXPECT_EQ(f.rc.view.StudRadiusX, before.StudRadiusX);

  // The plain picture has only the colours the pieces paint with; averaging
  // the double-size render adds colours between them along the edges.
  const Bitmap plain = FramePicture(f.scene, frame, false);
  std::set<TColor> plainColours, smoothColours;
  int same = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      plainColours.insert(plain.pixel(x, y));
      smoothColours.insert(smooth.pixel(x, y));
      if (plain.pixel(x, y) == smooth.pixel(x, y)) ++same;
    }
  EXPECT_GT(smoothColours.size(), plainColours.size());
  EXPECT_GT(same, 200 * 100 / 2);  // the same picture, only smoothed
}

TEST(PictureSave, TheNameDecidesBetweenJpegAndBmp) {
  TempFolder dir;
  Bitmap picture(64, 48, RGB(200, 100, 50));
  picture.setPixel(3, 4, RGB(0, 0, 0));
  for (const char* name : {"a.JPG", "b.jpg", "c.jpg.bmp"}) {
    WritePictureFile(dir / name, picture);
    EXPECT_EQ(FileStart(dir / name, 3), std::string("\xFF\xD8\xFF")) << name;
  }
  for (const char* name : {"d.bmp", "e", "f.jpeg"}) {
    WritePictureFile(dir / name, picture);
    EXPECT_EQ(FileStart(dir / name, 2), "BM") << name;
  }
  const Bitmap back = ReadBmp(dir / "e");
  ASSERT_EQ(back.width(), 64);
  ASSERT_EQ(back.height(), 48);
  EXPECT_EQ(back.pixel(3, 4), RGB(0, 0, 0));
  EXPECT_EQ(back.pixel(10, 10), RGB(200, 100, 50));
  // Quality 100: the flat colour comes back all but exactly.
  const Bitmap jpeg = ReadJpeg(dir / "a.JPG");
  EXPECT_EQ(jpeg.width(), 64);
  EXPECT_NEAR(RedOf(jpeg.pixel(40, 30)), 200, 2);
  EXPECT_NEAR(BlueOf(jpeg.pixel(40, 30)), 50, 2);
}

TEST(PictureSave, AFailedWriteRaisesAndKeepsTheEarlierFile) {
  TempFolder dir;
  WritePictureFile(dir / "kept.bmp", Bitmap(8, 8, RGB(1, 2, 3)));
  const std::string before = FileStart(dir / "kept.bmp", 1000);
  EXPECT_THROW(WritePictureFile(dir / "missing/folder/x.bmp", Bitmap(8, 8)), FileError);
  EXPECT_THROW(WritePictureFile(dir / "kept.bmp/x.jpg", Bitmap(8, 8)), FileError);
  std::filesystem::create_directory(dir / "taken.bmp");
  EXPECT_THROW(WritePictureFile(dir / "taken.bmp", Bitmap(8, 8)), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.bmp"));
  std::filesystem::permissions(
      dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (std::ofstream(dir / "probe").good()) return;  // rights that ignore folder permissions
  EXPECT_THROW(WritePictureFile(dir / "kept.bmp", Bitmap(16, 16)), FileError);
  EXPECT_THROW(WritePictureFile(dir / "kept.jpg", Bitmap(16, 16)), FileError);
  EXPECT_EQ(FileStart(dir / "kept.bmp", 1000), before);
}

TEST(PrintPicture, ThePageScalesByWholePageWidthsPerPaintBox) {
  const PrintLayout layout = ComputePrintLayout(4800, 6000, 600, 0, 0);
  EXPECT_EQ(layout.Factor, 8);
  EXPECT_EQ(layout.Margin, 144);
  EXPECT_EQ(layout.CenterX, 2400);
  EXPECT_EQ(layout.CenterY, 3000);
  const PrintLayout offset = ComputePrintLayout(4801, 6001, 600, 10, -5);
  EXPECT_EQ(offset.Factor, 8);
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

TEST(PrintPicture, PrintsTheBorderAndTheModelsNameAndPutsTheViewBack) {
  SceneFixture f(300, 200);
  f.doc.ModelList.Clear();
  const TView::Saved before = f.rc.view.SaveView();
  const int studs = f.rc.view.StudRadiusX;
  BitmapPrinter printer(1200, 900);
  PrintRequest request;
  request.PaintBoxWidth = 300;
  request.ModelFileName = "/models/house.lgo";
  PrintModel(printer, f.scene, request);
  EXPECT_EQ(printer.DocumentsEnded(), 1);

  const Bitmap& page = printer.Page();
  const int m = 1200 * 3 / 100;  // 36
  const TRect border = Extent(page, 0xFFFFFF);
  EXPECT_EQ(border.left, 2 * m);
  EXPECT_EQ(border.top, m);
  EXPECT_EQ(border.right, 1200 - m);
  EXPECT_EQ(border.bottom, 900 - m);
  EXPECT_EQ(page.pixel(2 * m, 450), RGB(0, 0, 0));
  bool textShown = false;
  for (int y = m + 5; y < m + 30 && !textShown; ++y)
    for (int x = 2 * m + 5; x < 2 * m + 200; ++x)
      if (page.pixel(x, y) != 0xFFFFFFu) textShown = true;
  EXPECT_TRUE(textShown);

  EXPECT_EQ(f.rc.view.ViewScale, before.ViewScale);
  EXPECT_EQ(f.rc.view.ViewCenterX, before.ViewCenterX);
  EXPECT_EQ(f.rc.view.ViewCenterY, before.ViewCenterY);
  EXPECT_EQ(f.rc.view.StudRadiusX, studs);
}

TEST(PrintPicture, TheModelOnPaperIsTheScreenPictureAtTheLargerScale) {
  // A page four times the paint box, the view scrolled: one brick off the
  // origin lands where the screen shows it, four times as far out and as large.
  SceneFixture f(200, 150);
  f.doc.ModelList.Clear();
  f.doc.ModelList.Add(
      std::make_unique<TBlock>(2, -1, 0, 2, 3, 3, RGB(200, 0, 0), false, false, false, ""));
  f.rc.view.UpdateCenter(200, 150, 12, -7);
  f.scene.Paint();
  const TRect screen = Extent(f.scene.BackBuffer, kBackground);
  ASSERT_LT(screen.left, screen.right);

  BitmapPrinter printer(800, 600);
  PrintRequest request;
  request.PaintBoxWidth = 200;
  request.OffsetX = 12;
  request.OffsetY = -7;
  request.ModelFileName = "";
  PrintModel(printer, f.scene, request);
  // The brick only: the border sits far outside it.
  Bitmap page = printer.Page();
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (page.pixel(x, y) == 0) page.setPixel(x, y, 0xFFFFFF);
  const TRect paper = Extent(page, 0xFFFFFF);
  EXPECT_NEAR(paper.left, 4 * screen.left, 4);
  EXPECT_NEAR(paper.top, 4 * screen.top, 4);
  EXPECT_NEAR(paper.right, 4 * screen.right, 4);
  EXPECT_NEAR(paper.bottom, 4 * screen.bottom, 4);
}

TEST(PrintPicture, ThePrinterOfTheWindowSystemWritesAPdfPage) {
  TempFolder dir;
  SceneFixture f(300, 200);
  std::unique_ptr<Printer> pdf = CreatePdfPrinter(dir / "page.pdf", 300);
  // A4 at 300 dots per inch, less the printer's margins.
  EXPECT_GT(pdf->PageWidth(), 2000);
  EXPECT_LT(pdf->PageWidth(), 2481);
  EXPECT_GT(pdf->PageHeight(), pdf->PageWidth());
  PrintRequest request;
  request.PaintBoxWidth = 300;
  request.ModelFileName = "house.lgo";
  PrintModel(*pdf, f.scene, request);
  pdf.reset();
  EXPECT_EQ(FileStart(dir / "page.pdf", 4), "%PDF");
  EXPECT_GT(std::filesystem::file_size(dir / "page.pdf"), 2000u);
}
