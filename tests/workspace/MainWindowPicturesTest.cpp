#include <QMouseEvent>
#include <QTest>

#include "platform/PictureFile.h"
#include "platform/Printer.h"
#include "tests/workspace/MainWindowFixture.h"

namespace {

// Hands the window a printer that prints onto a page the test keeps.
struct ForwardingPrinter : Printer {
  Printer& target;
  explicit ForwardingPrinter(Printer& t) : target(t) {}
  int PageWidth() const override { return target.PageWidth(); }
  int PageHeight() const override { return target.PageHeight(); }
  Canvas& BeginDoc() override { return target.BeginDoc(); }
  void EndDoc() override { target.EndDoc(); }
};

class MainWindowPicturesTest : public MainWindowTest {
 protected:
  QWidget* Box() { return window->PaintBox1; }
  const TPictureFrame& Frame() { return window->PictureFrame(); }
  void Press(QPoint at) { QTest::mousePress(Box(), Qt::LeftButton, Qt::NoModifier, at); }
  void Release(QPoint at) { QTest::mouseRelease(Box(), Qt::LeftButton, Qt::NoModifier, at); }
  void Drag(QPoint from, QPoint to) {
    Press(from);
    QMouseEvent move(QEvent::MouseMove, to, Box()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Box(), &move);
    Release(to);
  }
  // A hot area of the frame's title bar, measured from its right or left end.
  QPoint FromRight(int dx, int dy) { return {Frame().BarRight() - dx, Frame().BarTop() + dy}; }
  QPoint FromLeft(int dx, int dy) { return {Frame().BarLeft() + dx, Frame().BarTop() + dy}; }
  bool ScreenShowsOnlyTheBuffer() {
    const TScene& s = window->Scene();
    for (int y = 0; y < s.BackBuffer.height(); ++y)
      for (int x = 0; x < s.BackBuffer.width(); ++x)
        if (s.ScreenImage.pixel(x, y) != s.BackBuffer.pixel(x, y)) return false;
    return true;
  }
};

}  // namespace

TEST_F(MainWindowPicturesTest, TheFrameIsSetWithTheMouseAndItsTitleBar) {
  ASSERT_TRUE(ScreenShowsOnlyTheBuffer());
  Click("btnSavePic");
  ASSERT_TRUE(Frame().On);
  const int w = Box()->width(), h = Box()->height();
  EXPECT_EQ(Frame().Rect.left, w / 2 - 190);
  EXPECT_EQ(Frame().Rect.top, h / 2 - 150);
  EXPECT_FALSE(ScreenShowsOnlyTheBuffer());
  window->RedrawPicture();  // a new picture shows the frame again
  EXPECT_FALSE(ScreenShowsOnlyTheBuffer());

  Press(FromRight(22, 7));  // the small rectangle
  EXPECT_EQ(Frame().Rect.width(), w - 4);
  EXPECT_EQ(Frame().Rect.height(), h - 16);
  Press(FromRight(38, 7));  // the short line
  EXPECT_EQ(Frame().Rect.width(), 128);
  EXPECT_EQ(Frame().Rect.height(), 110);

  // The frame takes the mouse before the pieces: moving it selects nothing.
  Drag({60, 60}, {160, 100});
  EXPECT_EQ(Frame().Rect.left, 102);
  EXPECT_EQ(Frame().Rect.top, 54);
  for (int i = 0; i < Pieces(); ++i) EXPECT_FALSE(document->ModelList[i]->Selected);
  Drag({180, 54 + 109}, {180, 0});  // the bottom edge stops at the least height
  EXPECT_EQ(Frame().Rect.height(), 110);

  Press(FromRight(8, 6));  // the cross
  EXPECT_FALSE(Frame().On);
  EXPECT_FALSE(window->btnSavePic->isChecked());
  EXPECT_TRUE(ScreenShowsOnlyTheBuffer());

  // Back on, the frame keeps its place, unless it was moved wholly out of the view.
  Click("btnSavePic");
  EXPECT_EQ(Frame().Rect.left, 102);
  Drag({110, 80}, {110 + w, 80});
  Click("btnSavePic");
  Click("btnSavePic");
  EXPECT_EQ(Frame().Rect.left, w / 2 - 190);
}

TEST_F(MainWindowPicturesTest, SavingWritesTheFramedViewAndRemembersTheFolder) {
  ASSERT_TRUE(window->LoadModel(HouseModel(), LoadMode::Complete));
  Click("btnSavePic");
  const TRect frame = Frame().Rect;
  const std::string picture = folder + "pictures/house.JPG";
  std::filesystem::create_directory(folder + "pictures");
  dialogs->files.push_back(picture);
  Press(FromLeft(8, 6));  // the circle
  ASSERT_EQ(dialogs->requests.size(), 1u);
  EXPECT_EQ(dialogs->requests[0].title, "Save picture");
  EXPECT_EQ(dialogs->requests[0].fileName, "house");
  EXPECT_EQ(dialogs->requests[0].folder, folder);
  const Bitmap saved = ReadJpeg(picture);
  EXPECT_EQ(saved.width(), frame.width());
  EXPECT_EQ(saved.height(), frame.height());
  EXPECT_EQ(window->State().Folder(FolderKind::SavePicture), folder + "pictures/");

  // An anti-aliased save into a folder that is not there: the message, and nothing remembered.
  dialogs->files.push_back(folder + "gone/house.bmp");
  Press(FromLeft(28, 6));  // the letter A
  EXPECT_EQ(dialogs->requests.back().title, "Save anti-aliased picture");
  EXPECT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(window->State().Folder(FolderKind::SavePicture), folder + "pictures/");
  dialogs->files.push_back(std::nullopt);  // cancelled
  Press(FromLeft(28, 6));
  EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(MainWindowPicturesTest, PrintingDrawsOnThePrinterAndLeavesTheScreenAsItWas) {
  ASSERT_TRUE(window->LoadModel(HouseModel(), LoadMode::Complete));
  const Bitmap screen = window->Scene().ScreenImage;
  BitmapPrinter printer(Box()->width() * 3, Box()->height() * 3);
  window->ChoosePrinterHook = [&] { return std::make_unique<ForwardingPrinter>(printer); };
  Click("btnPrint");
  EXPECT_EQ(printer.DocumentsEnded(), 1);
  const int x = Box()->width() / 2, y = Box()->height() / 2;  // the house in the middle
  EXPECT_EQ(printer.Page().pixel(3 * x, 3 * y), screen.pixel(x, y));
  window->RedrawPicture();
  EXPECT_EQ(window->Scene().ScreenImage.pixel(x, y), screen.pixel(x, y));

  window->ChoosePrinterHook = [] { return std::unique_ptr<Printer>(); };  // cancelled
  Click("btnPrint");
  EXPECT_EQ(printer.DocumentsEnded(), 1);
}
