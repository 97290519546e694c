#include <QAction>
#include <QMouseEvent>
#include <QTest>

#include "platform/Pointer.h"
#include "tests/workspace/MainWindowFixture.h"

namespace {

struct RecordingPointer : PointerControl {
  bool* hidden;
  std::vector<TPoint>* moves;
  RecordingPointer(bool* h, std::vector<TPoint>* m) : hidden(h), moves(m) {}
  void SetHidden(bool h) override { *hidden = h; }
  void MoveTo(TPoint p) override { moves->push_back(p); }
};

class MainWindowMouseTest : public MainWindowTest {
 protected:
  bool hidden = false;
  std::vector<TPoint> moves;

  void SetUp() override {
    MainWindowTest::SetUp();
    window->SetPointerControl(std::make_unique<RecordingPointer>(&hidden, &moves));
  }

  QWidget* Box() { return window->PaintBox1; }
  QPoint Screen(int x, int y, int z) {
    const TPoint p = View().ProjectPoint(x, y, z);
    return {p.x, p.y};
  }
  // A move with buttons held, which QTest cannot send to a widget.
  void MoveHolding(QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
    QMouseEvent move(QEvent::MouseMove, at, Box()->mapToGlobal(at), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(Box(), &move);
  }
  std::unique_ptr<TBlock> Brick() {
    return std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0, true, false, false, "3003");
  }
};

}  // namespace

TEST_F(MainWindowMouseTest, APalettePieceFollowsTheMouseAndIsPutDownWithAClick) {
  window->SetCurrentColor(0x0000FF, true);
  ASSERT_TRUE(window->PlacePiece(Brick()));
  EXPECT_FALSE(window->btnPointer->isChecked());
  EXPECT_EQ(moves.back(), View().ProjectPoint(0, 0, 0));  // the pointer on the piece's corner
  const QPoint at = Screen(50, 30, 0);
  MoveHolding(at, Qt::NoButton, Qt::NoModifier);
  EXPECT_TRUE(hidden);
  const TScene& scene = window->Scene();
  EXPECT_NE(scene.ScreenImage.pixel(at.x() + 2, at.y() - 2),
            scene.BackBuffer.pixel(at.x() + 2, at.y() - 2));
  EXPECT_EQ(window->Carrying().CarriedPiece->X, 40);
  EXPECT_EQ(window->Carrying().CarriedPiece->Y, 20);
  EXPECT_FALSE(window->State().Unsaved);
  window->btnZoomInClick();  // a new picture keeps the piece in sight
  const QPoint zoomed = Screen(50, 30, 0);
  EXPECT_NE(scene.ScreenImage.pixel(zoomed.x() + 2, zoomed.y() - 2),
            scene.BackBuffer.pixel(zoomed.x() + 2, zoomed.y() - 2));
  window->btnZoomOutClick();

  QTest::mouseClick(Box(), Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_EQ(Pieces(), 2);
  EXPECT_TRUE(window->State().Unsaved);
  const TBlock* placed = document->ModelList[1];
  EXPECT_EQ(placed->X, 40);
  EXPECT_EQ(placed->Color, 0x0000FFu);
  EXPECT_TRUE(window->Carrying().Carrying());  // a copy stays for the next one

  window->btnPointer->click();
  EXPECT_FALSE(window->Carrying().Carrying());
  EXPECT_FALSE(hidden);
  EXPECT_TRUE(window->btnPointer->isChecked());
  EXPECT_EQ(Pieces(), 2);
}

TEST_F(MainWindowMouseTest, ControlsOfTheWindowReachTheCarriedState) {
  TCarrying& carry = window->Carrying();
  EXPECT_EQ(window->cbResolution->currentText().toStdString(), "Normal");
  window->cbResolution->setCurrentIndex(1);
  EXPECT_EQ(carry.Grid, PositioningGrid::Half);
  ASSERT_TRUE(window->mSafePos->isChecked());
  window->mSafePos->trigger();
  EXPECT_FALSE(carry.SafePositioning);

  window->btnPieceStuds->click();
  window->btnTransparent->click();
  ASSERT_TRUE(window->PlacePiece(Brick()));
  EXPECT_FALSE(carry.CarriedPiece->HasStuds);
  EXPECT_TRUE(carry.CarriedPiece->Transparent);
  window->btnTransparent->click();  // reaches the carried piece at once
  EXPECT_FALSE(carry.CarriedPiece->Transparent);
}

TEST_F(MainWindowMouseTest, ClicksOnTheBaseplateRecolourButNeverSelectIt) {
  TBlock* base = document->ModelList[0];
  const QPoint onBase = Screen(-120, -60, 0);
  QTest::mouseClick(Box(), Qt::LeftButton, Qt::NoModifier, onBase);
  EXPECT_FALSE(base->Selected);
  EXPECT_FALSE(window->State().Unsaved);
  window->SetCurrentColor(0x00AA00, false);
  QTest::mouseClick(Box(), Qt::RightButton, Qt::NoModifier, onBase);
  EXPECT_EQ(base->Color, 0x00AA00u);
  EXPECT_TRUE(window->State().Unsaved);
  QTest::mouseClick(Box(), Qt::LeftButton, Qt::ShiftModifier, onBase);
  EXPECT_FALSE(window->Carrying().Carrying());
}

TEST_F(MainWindowMouseTest, TheWindowsKeyServesAsAltForTheClicks) {
  TBlock* base = document->ModelList[0];
  const QPoint onBase = Screen(-120, -60, 0);
  const bool studs = base->HasStuds;
  QTest::mouseClick(Box(), Qt::RightButton, Qt::AltModifier, onBase);
  EXPECT_NE(base->HasStuds, studs);
  QTest::mouseClick(Box(), Qt::RightButton, Qt::MetaModifier, onBase);
  EXPECT_EQ(base->HasStuds, studs);
}

TEST_F(MainWindowMouseTest, ShiftAndTheRightButtonDragTheViewRoundPast360) {
  window->SetView(70, 350);
  const QPoint from(100, 100);
  QTest::mousePress(Box(), Qt::RightButton, Qt::ShiftModifier, from);
  MoveHolding(QPoint(115, 92), Qt::RightButton, Qt::ShiftModifier);
  EXPECT_EQ(window->RotZ->value(), 0);
  EXPECT_EQ(window->RotX->value(), 78);
  EXPECT_EQ(View().SpinPosition, 0);
  QTest::mouseRelease(Box(), Qt::RightButton, Qt::ShiftModifier, QPoint(115, 92));
}

TEST_F(MainWindowMouseTest, ALoadedSubassemblyIsCarriedAndPutDownAsANewGroup) {
  const std::string file =
      WriteModel("two.lgo", {"= 70 30 10 0 0 1 1", "B 0 0 0 40 40 24 16777215 1 0 0 0 0 3003 0",
                             "B 40 0 0 20 20 8 255 1 0 0 0 0 3024 0"});
  ASSERT_TRUE(window->LoadModel(file, LoadMode::Subassembly));
  ASSERT_EQ(window->CarrySet().Count(), 2);
  EXPECT_FALSE(window->btnPointer->isChecked());
  const QPoint at = Screen(-70, -30, 0);
  MoveHolding(at, Qt::NoButton, Qt::NoModifier);
  QTest::mouseClick(Box(), Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_EQ(Pieces(), 3);
  EXPECT_TRUE(window->State().Unsaved);
  EXPECT_EQ(document->ModelList[1]->Group, document->ModelList[2]->Group);
  EXPECT_GE(document->ModelList[1]->Group, 1);
  EXPECT_TRUE(window->Carrying().CarryingSet);  // more copies may follow
}
