#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "model/ColorTable.h"
#include "platform/Pointer.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/PalettePanel.h"

namespace {

struct RecordingPointer : PointerControl {
  std::vector<TPoint>* moves;
  explicit RecordingPointer(std::vector<TPoint>* m) : moves(m) {}
  void SetHidden(bool) override {}
  void MoveTo(TPoint p) override { moves->push_back(p); }
};

// The window with three palette pages and a recording pointer; keys are
// sent as the window system sends them, to whatever control is named.
class KeysTest : public MainWindowTest {
 protected:
  std::vector<TPoint> moves;

  void SetUp() override {
    WriteTextLines(folder + "Brikolo.ini",
                   {"[Main]", "Version=2", "Pages=3", "[Page1]", "Title=Bricks", "Count=3",
                    "Brick0=2x4x3|3001", "Brick1=2x2x3|3003", "Brick2=1x1x3|3005", "[Page2]",
                    "Title=Plates", "Count=1", "Brick0=2x2x1|3022", "[Page3]", "Title=Roofs",
                    "Count=1", "Brick0=T 2x2x3|3039"});
    Open();
    window->SetPointerControl(std::make_unique<RecordingPointer>(&moves));
  }

  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget* to = nullptr) {
    QTest::keyClick(to ? to : window.get(), static_cast<Qt::Key>(key), mods);
  }

  std::vector<std::string> OptionCaptions() {
    std::vector<std::string> captions;
    for (QAction* a : window->pumOptions->actions())
      if (!a->isSeparator()) captions.push_back(a->text().toStdString());
    return captions;
  }
};

}  // namespace

TEST_F(KeysTest, TheWindowSeesEveryKeyFirstWhateverHasTheKeyboard) {
  const bool before = window->Context().switches.Wireframe;
  QWidget* targets[] = {window.get(), window->PaintBox1, window->ListBox1,
                        window->findChild<QWidget*>("btnHome")};
  bool expected = before;
  for (QWidget* target : targets) {
    Key(Qt::Key_T, Qt::NoModifier, target);
    expected = !expected;
    EXPECT_EQ(window->Context().switches.Wireframe, expected) << target->objectName().toStdString();
  }
  // A text field keeps the keys it edits with: Delete takes a digit, not the selected pieces.
  AddBrick(0, 0, 0, 0x0000FF, true);
  window->BSizeX->setFocus();
  window->BSizeX->setText("16");
  window->BSizeX->setCursorPosition(0);
  Key(Qt::Key_Delete, Qt::NoModifier, window->BSizeX);
  EXPECT_EQ(window->BSizeX->text().toStdString(), "6");
  Key(Qt::Key_C, Qt::NoModifier, window->BSizeX);  // typed, not "New model"
  EXPECT_EQ(Pieces(), 2);
  Key(Qt::Key_A, Qt::ControlModifier, window->BSizeX);  // the field's own select-all
  QTest::keyClicks(window->BSizeX, "15");
  Key(Qt::Key_Return, Qt::NoModifier, window->BSizeX);
  EXPECT_EQ(document->ModelList[0]->SizeX, 300);
  EXPECT_EQ(document->ModelList[0]->X, -140);
  EXPECT_TRUE(window->hasFocus());  // the field lets go of the keyboard after Enter
}

TEST_F(KeysTest, KeysMoveTurnPutDownAndDropWhatIsCarried) {
  window->mSafePos->setChecked(false);
  ASSERT_TRUE(window->PlacePiece(
      std::make_unique<TBlock>(0, 0, 0, 2, 4, 3, 0, true, false, false, "3001")));
  TBlock* carried = window->Carrying().CarriedPiece.get();
  Key(Qt::Key_Right);
  EXPECT_EQ(carried->X, 40);
  window->cbResolution->setCurrentIndex(1);  // "Half"
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(carried->X, 50);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(carried->Z, 0);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(carried->Z, 24);
  EXPECT_EQ(moves.back(), View().ProjectPoint(50, 0, 0));
  Key(Qt::Key_Enter);
  ASSERT_EQ(Pieces(), 2);
  EXPECT_TRUE(window->State().Unsaved);
  EXPECT_FALSE(window->btnPointer->isChecked());  // a copy stays carried
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window->Carrying().Carrying());
  EXPECT_TRUE(window->btnPointer->isChecked());
  EXPECT_EQ(Pieces(), 2);
}

TEST_F(KeysTest, DeleteAndEscapeWorkOnTheSelectionAndDeletingAsksBeforeClosing) {
  AddBrick(0, 0, 0, 0x0000FF, true);
  AddBrick(40, 0, 0, 0x0000FF, false);
  AddBrick(80, 0, 0, 0x0000FF, true);
  Key(Qt::Key_Delete);
  ASSERT_EQ(Pieces(), 2);
  EXPECT_EQ(document->ModelList[1]->X, 40);
  EXPECT_TRUE(window->State().Unsaved);
  document->ModelList[1]->Selected = true;
  Key(Qt::Key_Escape);
  EXPECT_FALSE(document->ModelList[1]->Selected);
  EXPECT_EQ(Pieces(), 2);

  dialogs->answers = {DialogAnswer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(dialogs->questions.size(), 1u);
}

TEST_F(KeysTest, PageKeysStepTheColourFieldsAndArrowsThePalette) {
  ASSERT_EQ(window->CurrentColor(), 0xFFFFFFu);  // white, the second field
  Key(Qt::Key_PageUp);
  EXPECT_EQ(window->CurrentColor(), 0x0000FFu);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(window->CurrentColor(), 0xFFFF00u);  // round to the fourteenth
  Key(Qt::Key_PageDown);
  EXPECT_EQ(window->CurrentColor(), 0x0000FFu);
  window->SetCurrentColor(0x123456, false);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(window->CurrentColor(), 0x123456u);  // no field holds it

  EXPECT_EQ(window->State().CurrentPage, 0);
  Key(Qt::Key_Left);
  EXPECT_EQ(window->State().CurrentPage, 2);
  Key(Qt::Key_Right);
  EXPECT_EQ(window->State().CurrentPage, 0);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(window->ListBox1->currentRow(), 1);
  Key(Qt::Key_Up);
  EXPECT_EQ(window->ListBox1->currentRow(), 0);
  Key(Qt::Key_Return);  // the selected entry is taken as if clicked
  ASSERT_TRUE(window->Carrying().Carrying());
  EXPECT_EQ(window->Carrying().CarriedPiece->PartName, "3001");
  EXPECT_EQ(moves.back(), View().ProjectPoint(0, 0, 0));
}

TEST_F(KeysTest, ArrowsWithModifiersStepTheBarsWithinTheirRanges) {
  window->SetView(70, 0);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(window->RotZ->value(), 360);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(window->RotZ->value(), 0);
  Key(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(window->RotX->value(), 75);
  Key(Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);  // Shift comes first
  EXPECT_EQ(window->OffsetX->value(), -5);
  EXPECT_EQ(window->RotZ->value(), 0);
  Key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(window->ZLiftOff->value(), 4000);
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(window->ZLiftOff->value(), 3999);
  Key(Qt::Key_Plus);
  Key(Qt::Key_Equal);
  EXPECT_EQ(window->ScaleBar->value(), 8);
  Key(Qt::Key_Minus);
  EXPECT_EQ(window->ScaleBar->value(), 9);
}

TEST_F(KeysTest, FunctionKeysAndLettersWorkInBothStates) {
  Key(Qt::Key_F3);
  EXPECT_EQ(window->RotZ->value(), 270);
  Key(Qt::Key_End);
  EXPECT_EQ(window->RotX->value(), 0);
  EXPECT_EQ(window->RotZ->value(), 270);
  Key(Qt::Key_F10);
  EXPECT_EQ(window->RotX->value(), 90);
  Key(Qt::Key_F7);
  EXPECT_EQ(window->RotX->value(), 70);
  EXPECT_EQ(window->RotZ->value(), 150);
  Key(Qt::Key_Home);
  EXPECT_EQ(window->RotZ->value(), 30);

  ASSERT_TRUE(window->PlacePiece(
      std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0, true, false, false, "3003")));
  Key(Qt::Key_O);
  EXPECT_TRUE(window->btnStuds->isChecked());
  Key(Qt::Key_B, Qt::ShiftModifier);
  EXPECT_TRUE(window->btnSeeThrough->isChecked());
  Key(Qt::Key_F12);
  EXPECT_FALSE(window->Carrying().SafePositioning);
  EXPECT_FALSE(window->mSafePos->isChecked());
  Key(Qt::Key_Q);  // taken without a command
  Key(Qt::Key_F11);
  EXPECT_TRUE(window->Carrying().Carrying());
  // The carried piece is on the screen again after each command.
  const TPoint corner = View().ProjectPoint(20, 20, 24);
  EXPECT_NE(window->Scene().ScreenImage.pixel(corner.x, corner.y - 1),
            window->Scene().BackBuffer.pixel(corner.x, corner.y - 1));
  dialogs->files = {folder + "saved.lgo"};
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(FileExists(folder + "saved.lgo"));
}

TEST_F(KeysTest, AKeyWhileAnotherIsHandledIsDropped) {
  struct Answers : ScriptedDialogs {
    std::function<void()> during;
    std::optional<std::string> SaveFileName(const FileDialogRequest&) override {
      during();
      return std::nullopt;
    }
  };
  auto answers = std::make_unique<Answers>();
  answers->during = [this] { Key(Qt::Key_T); };
  window->SetDialogs(std::move(answers));
  Key(Qt::Key_S);
  EXPECT_FALSE(window->Context().switches.Wireframe);
  Key(Qt::Key_T);
  EXPECT_TRUE(window->Context().switches.Wireframe);
}

TEST_F(KeysTest, AltF4ClosesAfterTheQuestionAndACancelledCloseKeepsTheKeys) {
  window->State().Unsaved = true;
  dialogs->answers = {DialogAnswer::Cancel};
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(dialogs->questions.size(), 1u);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->RotZ->value(), 30);  // not the view from the left
  Key(Qt::Key_F4);
  EXPECT_EQ(window->RotZ->value(), 90);
  dialogs->answers = {DialogAnswer::No};
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(KeysTest, CtrlZAndCtrlYGoToTheHistoryWhenThereIsOne) {
  int undone = 0, redone = 0;
  Key(Qt::Key_Z, Qt::ControlModifier);  // no history: the key passes on, nothing happens
  window->UndoKey = [&] { ++undone; };
  window->RedoKey = [&] { ++redone; };
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Qt::Key_Z);
  EXPECT_EQ(undone, 1);
  EXPECT_EQ(redone, 2);
}

TEST_F(KeysTest, OptionsMenuHoldsItsItemsInOrderAndGroupsFollowTheSelection) {
  const std::vector<std::string> expected = {"Advanced toolbox",
                                             "LDraw this view",
                                             "POV (via L2P)",
                                             "POV (via L3P)",
                                             "Make group",
                                             "Break group(s)",
                                             "FastStuds",
                                             "Better studs (slow!)",
                                             "Best studs (real slow!!!)",
                                             "Safe positioning",
                                             "Show landing guide",
                                             "Don't render covered studs",
                                             "Slow rendering (piece by piece)",
                                             "Restore background color",
                                             "Background picture...",
                                             "No details",
                                             "More detail (decorations)",
                                             "Most detail (bitmaps)",
                                             "Hints",
                                             "Shading",
                                             "Adjust light direction"};
  EXPECT_EQ(OptionCaptions(), expected);

  window->pumOptionsPopup();
  EXPECT_FALSE(window->miGroup->isEnabled());
  EXPECT_FALSE(window->miBreak->isEnabled());
  TBlock* a = AddBrick(0, 0, 0, 0x0000FF, true);
  window->pumOptionsPopup();
  EXPECT_TRUE(window->miGroup->isEnabled());
  EXPECT_FALSE(window->miBreak->isEnabled());
  window->miGroup->trigger();  // one piece: nothing changes
  EXPECT_TRUE(a->Selected);
  EXPECT_FALSE(window->State().Unsaved);

  TBlock* b = AddBrick(40, 0, 0, 0x0000FF, true);
  window->miGroup->trigger();
  EXPECT_EQ(a->Group, 1);
  EXPECT_EQ(b->Group, 1);
  EXPECT_FALSE(a->Selected);
  EXPECT_TRUE(window->State().Unsaved);
  window->State().Unsaved = false;
  b->Selected = true;
  window->pumOptionsPopup();
  EXPECT_TRUE(window->miBreak->isEnabled());
  window->miBreak->trigger();
  EXPECT_EQ(b->Group, 0);
  EXPECT_EQ(a->Group, 1);
  EXPECT_TRUE(window->State().Unsaved);
}
