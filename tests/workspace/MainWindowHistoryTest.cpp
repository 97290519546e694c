#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

#include "platform/Pointer.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/ModelFile.h"

namespace {

struct StillPointer : PointerControl {
  void SetHidden(bool) override {}
  void MoveTo(TPoint) override {}
};

class MainWindowHistoryTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->SetPointerControl(std::make_unique<StillPointer>());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QPoint Screen(int x, int y, int z) {
    const TPoint p = View().ProjectPoint(x, y, z);
    return {p.x, p.y};
  }
  void ClickAt(int x, int y, int z, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mouseClick(window->PaintBox1, button, keys, Screen(x, y, z));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers keys) { QTest::keyClick(window.get(), key, keys); }
  std::string Hint(const char* button) {
    return window->findChild<QToolButton*>(button)->toolTip().toStdString();
  }
  std::vector<std::string> SortedLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < document->ModelList.Count(); ++i)
      lines.push_back(FormatPieceLine(*document->ModelList[i]));
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  void PlaceBrick() {
    ASSERT_TRUE(window->PlacePiece(
        std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0, true, false, false, "3003")));
  }
};

}  // namespace

TEST_F(MainWindowHistoryTest, KeysAndButtonsUndoAndRedoAndTheHintsNameTheStep) {
  EXPECT_FALSE(window->mUndo->isEnabled());
  EXPECT_EQ(Hint("btnUndo"), "Nothing to undo (the last 1000 changes are kept)");
  PlaceBrick();
  ClickAt(-70, -30, 0);
  ClickAt(50, 30, 0);
  ASSERT_EQ(Pieces(), 3);
  EXPECT_EQ(Hint("btnUndo"), "Undo Put down 1 piece");
  EXPECT_FALSE(window->mRedo->isEnabled());

  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Pieces(), 2);
  EXPECT_TRUE(window->Carrying().Carrying());  // the piece being placed stays
  EXPECT_EQ(Hint("btnRedo"), "Redo Put down 1 piece");
  Click("btnRedo");
  EXPECT_EQ(Pieces(), 3);
  Click("btnUndo");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Pieces(), 1);
  EXPECT_FALSE(window->mUndo->isEnabled());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Pieces(), 2);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Pieces(), 3);

  // An undo while a move is carried ends in pointer mode.
  window->btnPointerClick();
  const TBlock& moved = *document->ModelList[2];
  ClickAt(moved.X + 20, moved.Y + 20, moved.SizeZ, Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_FALSE(window->btnPointer->isChecked());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(window->btnPointer->isChecked());
  EXPECT_EQ(Pieces(), 3);
}

TEST_F(MainWindowHistoryTest, TheUnsavedFlagFollowsTheHistoryAndTheLinesComeBack) {
  window->LoadModel(HouseModel(), LoadMode::Complete);
  EXPECT_FALSE(window->mUndo->isEnabled());
  const std::vector<std::string> loaded = SortedLines();
  const TBlock& wall = *document->ModelList[document->ModelList.Count() / 2];
  window->SetCurrentColor(0x00AA00, false);
  const int x = wall.X + wall.SizeX / 2, y = wall.Y + wall.SizeY / 2, top = wall.Z + wall.SizeZ;
  ClickAt(x, y, top, Qt::RightButton);                       // recolour
  ClickAt(x, y, top, Qt::RightButton, Qt::ControlModifier);  // turn
  ClickAt(x, y, top, Qt::RightButton, Qt::AltModifier);      // studs
  ASSERT_EQ(document->History.UndoCount(), 3);
  EXPECT_TRUE(window->State().Unsaved);
  const std::vector<std::string> changed = SortedLines();

  dialogs->files = {folder + "saved.lgo"};
  ASSERT_TRUE(window->SaveModel(FolderKind::SaveModel, false));
  EXPECT_FALSE(window->State().Unsaved);
  for (int i = 0; i < 3; ++i) Click("btnUndo");
  EXPECT_EQ(SortedLines(), loaded);
  EXPECT_TRUE(window->State().Unsaved);
  dialogs->answers = {DialogAnswer::Cancel};
  EXPECT_FALSE(window->close());  // the model differs from the file: the question comes
  EXPECT_EQ(dialogs->questions.size(), 1u);
  for (int i = 0; i < 3; ++i) Click("btnRedo");
  EXPECT_EQ(SortedLines(), changed);
  EXPECT_FALSE(window->State().Unsaved);  // back at the saved model: no question
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs->questions.size(), 1u);
}

TEST_F(MainWindowHistoryTest, ChangesGivenUpForALoadThatNeverCameAreAskedAboutAgain) {
  window->BSizeX->setText("20");
  window->ApplyBaseplateSize();
  for (const std::optional<std::string>& file :
       {std::optional<std::string>(), std::optional<std::string>(folder + "missing.lgo")}) {
    dialogs->answers = {DialogAnswer::No};
    dialogs->files = {file};
    window->mNewmodelClick();
    EXPECT_EQ(document->ModelList[0]->SizeX, 400);
    EXPECT_TRUE(window->State().Unsaved);
  }
}

TEST_F(MainWindowHistoryTest, BaseplateSizeIsUndoneAndANewModelStartsAfresh) {
  window->BSizeX->setText("20");
  window->ApplyBaseplateSize();
  EXPECT_EQ(document->ModelList[0]->SizeX, 400);
  EXPECT_EQ(Hint("btnUndo"), "Undo Baseplate size");
  Click("btnUndo");
  EXPECT_EQ(document->ModelList[0]->SizeX, 320);
  EXPECT_EQ(document->ModelList[0]->PartName, "3865");
  Click("btnRedo");
  EXPECT_EQ(document->ModelList[0]->SizeX, 400);
  EXPECT_TRUE(window->State().Unsaved);

  dialogs->answers = {DialogAnswer::No};
  Click("btnClear");
  EXPECT_FALSE(window->mUndo->isEnabled());
  EXPECT_FALSE(window->mRedo->isEnabled());
  EXPECT_FALSE(window->State().Unsaved);
  EXPECT_EQ(document->ModelList[0]->SizeX, 400);  // the size fields still hold 20
}

TEST_F(MainWindowHistoryTest, TheLandingGuideSwitchIsKeptInTheSettings) {
  ASSERT_TRUE(window->mLandingGuide->isChecked());
  EXPECT_TRUE(window->Context().switches.LandingGuide);
  window->mLandingGuide->trigger();
  EXPECT_FALSE(window->Context().switches.LandingGuide);
  Close();
  const std::vector<std::string> ini = ReadTextLines(folder + "Brikolo.ini");
  const auto state = std::find(ini.begin(), ini.end(), "[State]");
  ASSERT_NE(state, ini.end());
  EXPECT_NE(std::find(state, ini.end(), "LandingGuide=0"), ini.end());
  Open();
  EXPECT_FALSE(window->mLandingGuide->isChecked());
  EXPECT_FALSE(window->Context().switches.LandingGuide);
}
