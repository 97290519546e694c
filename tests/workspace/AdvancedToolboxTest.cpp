#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "platform/QtCanvas.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/AdvancedToolbox.h"
#include "workspace/ModelFile.h"

namespace {

// The window with its toolbox shown and a mapping list of its own.
class ToolboxTest : public MainWindowTest {
 protected:
  TAdvOptions* box = nullptr;
  int pictures = 0;

  void SetUp() override {
    WriteTextLines(folder + "bo2ld.lst",
                   {"; offsets of the bricks", "B 2 4 3 1 16 0 0 0 0 3001.DAT 0",
                    "B 2 2 3 1 16 4 -8 2 1 3003.DAT 0"});
    Open();
    box = window->AdvOptions;
    window->Advancedtoolbox1->setChecked(true);
    TScene& scene = window->Scene();
    scene.ScreenChanged = [this, shown = scene.ScreenChanged] {
      ++pictures;
      if (shown) shown();
    };
  }

  std::string Shown(QLabel* label) { return label->text().toStdString(); }
  static TColor TextColour(QWidget* w) { return FromQColor(w->palette().color(QPalette::Text)); }
};

}  // namespace

TEST_F(ToolboxTest, ItStartsHiddenAndTheMenuItemFollowsItHoweverItIsHidden) {
  Close();
  Open();
  TAdvOptions* fresh = window->AdvOptions;
  EXPECT_FALSE(fresh->isVisible());
  EXPECT_FALSE(window->Advancedtoolbox1->isChecked());
  EXPECT_EQ(fresh->windowTitle().toStdString(), "Advanced toolbox");
  EXPECT_TRUE(fresh->windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(fresh->spSetIdentity->isEnabled());
  EXPECT_FALSE(fresh->edNewID->isEnabled());
  EXPECT_TRUE(fresh->edNewID->text().isEmpty());
  EXPECT_EQ(fresh->edStepNo->text().toStdString(), "0");
  EXPECT_EQ(fresh->spStep->value(), 9999);
  EXPECT_EQ(fresh->lx->text().toStdString(), "0");

  window->Advancedtoolbox1->trigger();
  EXPECT_TRUE(fresh->isVisible());
  EXPECT_EQ(fresh->height(), 272);
  EXPECT_EQ(fresh->width(), fresh->gbLDraw->x());  // the LDraw box is cut off
  fresh->spEditLDrawInfo->click();
  EXPECT_EQ(fresh->width(), 499);
  fresh->spEditLDrawInfo->click();
  EXPECT_EQ(fresh->width(), fresh->gbLDraw->x());
  fresh->spClose->click();
  EXPECT_FALSE(fresh->isVisible());
  EXPECT_FALSE(window->Advancedtoolbox1->isChecked());
  window->Advancedtoolbox1->trigger();
  fresh->close();  // by its frame
  EXPECT_FALSE(window->Advancedtoolbox1->isChecked());
}

TEST_F(ToolboxTest, WithNothingSelectedTheButtonsOnlyRedrawAndTheMovesShowNoMinimum) {
  TBlock* piece = AddBrick(40, 0, 0, 0x00FF00, false);
  for (QPushButton* b : {box->spStud, box->spTurn, box->sbColor, box->spTransp}) {
    const int before = pictures;
    b->click();
    EXPECT_GT(pictures, before) << b->objectName().toStdString();
  }
  EXPECT_TRUE(piece->HasStuds);
  EXPECT_EQ(piece->Direction, 0);
  EXPECT_FALSE(piece->Transparent);
  box->sz->upButton->click();
  EXPECT_EQ(Shown(box->lx), "99999");
  EXPECT_EQ(Shown(box->lz), "99999");
  EXPECT_FALSE(window->State().Unsaved);
}

TEST_F(ToolboxTest, ButtonsChangeTheSelectedPiecesMarkTheModelAndGiveBackTheKeyboard) {
  window->SetCurrentColor(0x0000FF, false);
  TBlock* a = AddBrick(40, 0, 0, 0x00FF00, true);
  TBlock* b = AddBrick(100, 40, 8, 0x00FF00, true);
  TBlock* other = AddBrick(200, 0, 0, 0x00FF00, false);
  QApplication::setActiveWindow(box);  // the user typed into the toolbox
  box->edStepNo->setFocus();
  ASSERT_FALSE(window->hasFocus());
  box->sx->upButton->click();
  EXPECT_EQ(a->X, 60);
  EXPECT_EQ(b->X, 120);
  EXPECT_EQ(Shown(box->lx), "60");
  EXPECT_EQ(Shown(box->ly), "0");
  EXPECT_EQ(Shown(box->lz), "0");
  EXPECT_TRUE(window->State().Unsaved);
  QApplication::processEvents();
  EXPECT_TRUE(window->hasFocus());           // so that the keys work again
  window->cbResolution->setCurrentIndex(1);  // "Half": 4 up
  box->sz->upButton->click();
  EXPECT_EQ(b->Z, 12);

  box->spStud->click();
  box->spTransp->click();
  box->spTurn->click();
  box->sbColor->click();
  for (const TBlock* p : {a, b}) {
    EXPECT_FALSE(p->HasStuds);
    EXPECT_TRUE(p->Transparent);
    EXPECT_EQ(p->Direction, 1);
    EXPECT_EQ(p->Color, 0x0000FFu);
  }
  EXPECT_TRUE(other->HasStuds);
  EXPECT_EQ(other->Color, 0x00FF00u);
  // Each click is one step of the history.
  window->UndoClick();
  EXPECT_EQ(a->Color, 0x00FF00u);
  EXPECT_EQ(a->Direction, 1);
  window->UndoClick();
  EXPECT_EQ(b->Direction, 0);
}

TEST_F(ToolboxTest, APieceMovedAboveAnotherIsPaintedOverItAtOnce) {
  TBlock* lower = AddBrick(0, 0, 0, 0x00FF00, true);
  AddBrick(0, 0, 24, 0x0000FF, false);
  for (int i = 0; i < 6; ++i) box->sz->upButton->click();  // from under the other to over it
  EXPECT_EQ(lower->Z, 48);
  const Bitmap shown = window->Scene().ScreenImage;
  window->Scene().Refresh();
  const Bitmap& sorted = window->Scene().ScreenImage;
  EXPECT_TRUE(
      std::equal(shown.raw(), shown.raw() + sorted.width() * sorted.height(), sorted.raw()));
}

TEST_F(ToolboxTest, ReplaceColourTakesTheFirstSelectedPiecesColourEverywhere) {
  window->SetCurrentColor(0xCC0211, false);
  AddBrick(0, 0, 0, 0x008000, true);
  AddBrick(60, 0, 0, 0x0000FF, true);
  AddBrick(120, 0, 0, 0x008000, false);
  AddBrick(180, 0, 0, 0x0000FF, false);
  const TBlockList& list = document->ModelList;
  const TColor replaced = list[FirstSelected(list)]->Color;
  box->spReplaceColor->click();
  int recoloured = 0, kept = 0;
  for (int i = 0; i < list.Count(); ++i) {
    if (list[i]->IsBaseplate) continue;
    EXPECT_NE(list[i]->Color, replaced);
    (list[i]->Color == 0xCC0211u ? recoloured : kept) += 1;
  }
  EXPECT_EQ(recoloured, 2);
  EXPECT_EQ(kept, 2);

  // "Use this color": the first selected piece's colour becomes the current one.
  list[FirstSelected(list)]->Color = 0x7BB6D2;
  box->spUseThisColor->click();
  EXPECT_EQ(window->CurrentColor(), 0x7BB6D2u);
}

TEST_F(ToolboxTest, TheStepFilterHidesLaterStepsAndStepsKeepTheirLowSixteenBits) {
  TBlock* later = AddBrick(40, 0, 0, 0x00FF00, true);
  later->Step = 3;
  box->spStep->setValue(0);
  EXPECT_EQ(document->ModelList.StepLimit, 0);
  box->spStep->setValue(5);
  EXPECT_EQ(document->ModelList.StepLimit, 5);

  box->edStepNo->setText("70000");
  box->spSetStep->click();
  EXPECT_EQ(later->Step, 4464);
  box->edStepNo->setText("2x");
  box->spSetStep->click();
  EXPECT_EQ(dialogs->messages.back(), "'2x' is not a valid integer value");
  EXPECT_EQ(later->Step, 4464);

  // A new piece takes the step, and is refused while the step is no number.
  const std::size_t messages = dialogs->messages.size();
  EXPECT_FALSE(
      window->PlacePiece(std::make_unique<TBlock>(0, 0, 0, 1, 1, 3, 0, true, false, false, "")));
  EXPECT_EQ(dialogs->messages.size(), messages + 1);
  box->edStepNo->setText("7");
  ASSERT_TRUE(window->PlacePiece(
      std::make_unique<TBlock>(0, 0, 0, 1, 1, 3, 0, true, false, false, "3005")));
  EXPECT_EQ(window->Carrying().CarriedPiece->Step, 7);
  EXPECT_EQ(box->edNewID->text().toStdString(), "3005");  // the toolbox is told the piece

  window->State().Unsaved = false;
  window->LoadModel(
      WriteModel("steps.lgo", {"= 70 30 10 0 0 1 1", "B 0 0 0 40 40 24 255 1 0 0 0 0 3003 2",
                               "B 0 0 24 40 40 24 255 1 0 0 0 0 3003 6"}),
      LoadMode::Complete);
  EXPECT_EQ(box->spStep->value(), 6);
}

TEST_F(ToolboxTest, TheSelectionFillsIdAndStepAndTheIdFindsItsMappingRecord) {
  TBlock* piece = AddBrick(40, 0, 0, 0x00FF00, false);
  piece->Step = 2;
  piece->Selected = true;
  window->RefreshSelection();
  EXPECT_TRUE(box->edNewID->isEnabled());
  EXPECT_EQ(box->edNewID->text().toStdString(), "3003");
  EXPECT_EQ(box->edStepNo->text().toStdString(), "2");
  // The record of 3003, found without regard to case.
  box->edNewID->setText("3003");
  EXPECT_EQ(box->MappingIndex(), 1);
  EXPECT_EQ(box->spXoffsetL->value(), 4);
  EXPECT_EQ(box->spYoffsetL->value(), -8);
  EXPECT_EQ(box->spZoffsetL->value(), 2);
  EXPECT_EQ(box->spRotOffset->value(), 1);
  box->spXoffsetL->setValue(10);
  EXPECT_EQ(TextColour(box->spXoffsetL), 0x0000FFu);
  EXPECT_EQ(TextColour(box->spYoffsetL), 0u);
  box->spUpdateLDraw->click();
  EXPECT_EQ(TextColour(box->spXoffsetL), 0u);
  const std::vector<std::string> written = ReadTextLines(folder + "bo2ld.lst");
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0], "; offsets of the bricks");
  EXPECT_EQ(written[2], "B 2 2 3 1 16 10 -8 2 1 3003.DAT 0  ");

  // An export read the list afresh, with a record added before: the same record is found.
  WriteTextLines(folder + "bo2ld.lst", {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0", written[1], written[2]});
  box->MappingListReloaded();
  EXPECT_EQ(box->MappingIndex(), 2);
  EXPECT_EQ(box->spXoffsetL->value(), 10);
  WriteTextLines(folder + "bo2ld.lst", written);
  box->MappingListReloaded();

  // An id that is not in the list leaves the fields, and "Update" does nothing.
  box->edNewID->setText("nosuch");
  EXPECT_EQ(box->MappingIndex(), -1);
  EXPECT_EQ(box->spXoffsetL->value(), 10);
  box->spXoffsetL->setValue(11);
  box->spUpdateLDraw->click();
  EXPECT_EQ(ReadTextLines(folder + "bo2ld.lst"), written);

  // "Set PartID" gives the selected piece the id typed.
  box->spSetIdentity->click();
  EXPECT_EQ(piece->PartName, "nosuch");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(box->edNewID->isEnabled());
}

TEST_F(ToolboxTest, EveryChangeItMakesIsUndoneAndRedoneToTheSameLines) {
  AddBrick(0, 0, 0, 0x00FF00, true);
  AddBrick(60, 0, 0, 0x0000FF, true);
  AddBrick(120, 0, 0, 0x00FF00, false);
  window->RefreshSelection();
  auto lines = [this] {
    std::vector<std::string> out;
    for (int i = 0; i < Pieces(); ++i) out.push_back(FormatPieceLine(*document->ModelList[i]));
    std::sort(out.begin(), out.end());  // moves and turns put the pieces in a new order
    return out;
  };
  struct Click {
    QAbstractButton* button;
    TColor colour;  // the current colour at the click
  } const clicks[] = {{box->spStud, 0},
                      {box->spTransp, 0},
                      {box->spTurn, 0},
                      {box->sbColor, 0xFF0000},
                      {box->spReplaceColor, 0x00FFFF},
                      {box->spSetIdentity, 0},
                      {box->spSetStep, 0},
                      {box->sx->upButton, 0},
                      {box->sy->downButton, 0},
                      {box->sz->upButton, 0}};
  for (const Click& c : clicks) {
    SCOPED_TRACE(c.button->objectName().toStdString());
    window->SetCurrentColor(c.colour, false);
    box->edNewID->setText("3010");  // each undo shows the selection's own again
    box->edStepNo->setText("7");
    const auto before = lines();
    const int steps = document->History.UndoCount();
    c.button->click();
    const auto after = lines();
    EXPECT_NE(after, before);
    EXPECT_EQ(document->History.UndoCount(), steps + 1);
    window->UndoClick();
    EXPECT_EQ(lines(), before);
    window->RedoClick();
    EXPECT_EQ(lines(), after);
  }
}
