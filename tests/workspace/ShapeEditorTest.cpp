#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <functional>

#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"
#include "tests/workspace/ShapeEditorFixture.h"
#include "workspace/PalettePanel.h"
#include "workspace/ShapeEditor.h"
#include "workspace/ShapeEditorWidgets.h"

namespace {

constexpr float kDegree = PreviewAngles::kDegree;

}  // namespace

TEST_F(ShapeEditorTest, AGeneralEntryOpensOnACopyOfItsShape) {
  editor->OpenEntry("G parts.dat, stdblock|3003", false);
  EXPECT_EQ(editor->windowTitle().toStdString(), TAddHard::kCaption);
  EXPECT_EQ(editor->lbBlockTypes->currentRow(), TAddHard::kGeneralRow);
  EXPECT_EQ(editor->edtIdent->text().toStdString(), "3003");
  EXPECT_EQ(editor->edtX->value(), 40);
  EXPECT_EQ(editor->edtZ->value(), 24);
  ASSERT_NE(editor->WorkShape, nullptr);
  EXPECT_NE(editor->WorkShape.get(), Cached());
  EXPECT_EQ(editor->SourceShape, Cached());
  EXPECT_EQ(Rows(editor->lbAllPolys), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Rows(editor->lbDrawOrder), (std::vector<std::string>{"2", "3", "6", "1", "4", "5"}));
  EXPECT_TRUE(editor->FacePanel->isVisibleTo(editor));
  EXPECT_EQ(editor->ResultEntry(), "G parts.dat, stdblock|3003");

  editor->OpenEntry("G parts.dat, stdblock", true);  // add mode: storing will ask for names
  EXPECT_EQ(editor->SourceShape, nullptr);
  EXPECT_EQ(Work().SectionName, "template");

  editor->OpenEntry("G parts.dat, nosuchpart", false);  // no piece, and nothing breaks
  EXPECT_EQ(editor->PreviewPiece, nullptr);
  EXPECT_EQ(editor->PreviewHeight(), 10);
  EXPECT_EQ(editor->lbAllPolys->count(), 0);
  editor->AddPolygonClick(1);
  editor->lbCoordKeyPress('a');
  editor->SortDrawOrder(1);
  EXPECT_EQ(editor->ResultEntry(), "G parts.dat, nosuchpart");
}

TEST_F(ShapeEditorTest, SimpleTypesAreMadeFromTheTypeAndTheSpinButtonsOnly) {
  editor->OpenEntry("2x4x3|3001", false);
  EXPECT_EQ(editor->lbBlockTypes->currentRow(), 0);
  EXPECT_FALSE(editor->FacePanel->isVisibleTo(editor));
  EXPECT_EQ(editor->edtY->value(), 80);
  QTest::keyClicks(editor->edtX, "7");  // typed keys are not taken
  EXPECT_EQ(editor->edtX->value(), 40);
  EXPECT_EQ(editor->ResultEntry(), "2x4x3|3001");
  QTest::keyClick(editor->edtZ, Qt::Key_Up);
  editor->edtZ->setValue(24);
  EXPECT_EQ(editor->EntryBody, "B 2x4x3");
  EXPECT_EQ(editor->ResultEntry(), "B 2x4x3");  // a new size is a new part: the identity goes
  editor->lbBlockTypes->setCurrentRow(1);
  EXPECT_EQ(editor->EntryBody, "T 2x4x3");
  EXPECT_EQ(editor->PreviewPiece->BlockType, 'T');
  editor->edtX->setValue(1);  // a simple piece keeps at least one stud
  EXPECT_EQ(editor->EntryBody, "T 1x4x3");

  editor->lbBlockTypes->setCurrentRow(TAddHard::kGeneralRow);  // the template shape
  EXPECT_EQ(editor->EntryBody, "G template.dat, template");
  EXPECT_EQ(editor->WorkShape->FaceCount, 6);
  EXPECT_EQ(editor->edtX->minimum(), 1);
}

TEST_F(ShapeEditorTest, FacesAreSelectedBorderedAndMadeTransparent) {
  editor->OpenEntry("G parts.dat, stdblock", false);
  Work().SetOutline(2, -2);
  editor->RefreshLists();
  EXPECT_EQ(editor->lbAllPolys->item(2)->text().toStdString(), "-3");
  ClickRow(editor->lbDrawOrder, 1);  // the order's second row holds face 3
  EXPECT_EQ(editor->CurrentFace, 2);
  EXPECT_EQ(editor->lbAllPolys->currentRow(), 2);
  EXPECT_EQ(Work().HighlightFace, 2);
  EXPECT_EQ(Rows(editor->lbCoord), (std::vector<std::string>{"   0   0   0", "  40   0   0",
                                                             "  40   0  24", "   0   0  24"}));
  editor->pumPolysPopup();
  EXPECT_TRUE(editor->miBorder->isEnabled());
  EXPECT_FALSE(editor->miBorder->isChecked());
  editor->miBorder->trigger();
  EXPECT_EQ(Work().GetOutline(2), 1);
  EXPECT_EQ(editor->lbAllPolys->item(2)->text().toStdString(), "3");

  for (auto [start, once] :
       {std::pair{0, -0xFFFFFF}, {0x00FF00, -0x00FF00}, {0xFFFFFF, -0xFFFFFF}}) {
    Work().SetColor(2, start);
    editor->miTransparent->trigger();
    EXPECT_EQ(Work().GetColor(2), once);
    editor->miTransparent->trigger();
    EXPECT_EQ(Work().GetColor(2), start == 0xFFFFFF ? 0 : start);
  }
  editor->cbDetail->setCurrentIndex(2);
  EXPECT_EQ(Work().GetDetail(2), 2);
  asked->colors = {TColor{0x00FF00}, std::nullopt};
  editor->spbColorClick();
  editor->spbColorClick();
  EXPECT_EQ(Work().GetColor(2), 0x00FF00);
  EXPECT_EQ(asked->colorStarts, (std::vector<TColor>{0, 0x00FF00}));
  EXPECT_EQ(Cached()->GetColor(2), 0);  // only the copy changes
}

TEST_F(ShapeEditorTest, CornerRowsSwitchTheirEdgeAndKeysMoveCornersOrTheFace) {
  editor->OpenEntry("G parts.dat, stdblock", false);
  editor->SelectFace(0);
  ASSERT_EQ(Work().GetOutline(0), 1);
  ClickRow(editor->lbCoord, 2);
  EXPECT_EQ(Work().GetOutline(0), 8);
  EXPECT_EQ(editor->CurrentCorner, 2);
  EXPECT_EQ(editor->lbAllPolys->item(0)->text().toStdString(), "-1");
  ClickRow(editor->lbCoord, 2);
  EXPECT_EQ(Work().GetOutline(0), 1);

  // With a corner current the keys move that corner ...
  QTest::keyClicks(editor->lbCoord, "ddx");
  EXPECT_EQ(Work().GetPoint(0, 2), (Point3{40, 39, 26}));
  EXPECT_EQ(editor->lbCoord->item(2)->text().toStdString(), "  40  39  26");
  // ... and with none the whole face; a face lifted becomes the top with the studs.
  editor->SelectFace(1);
  QTest::keyClick(editor->lbCoord, 'a');
  EXPECT_EQ(Work().GetPoint(1, 0), (Point3{1, 0, 0}));
  EXPECT_EQ(Work().GetPoint(1, 2), (Point3{41, 40, 0}));
  editor->AdjZ->setValue(40);
  EXPECT_EQ(Work().GetPoint(1, 2), (Point3{41, 40, 40}));
  EXPECT_EQ(Work().TopFace, 1);
  ASSERT_GT(Work().TopStudCount, 0);
  EXPECT_EQ(Work().TopStuds[0].z, 40);
}

TEST_F(ShapeEditorTest, FacesAndCornersAreAddedAndTheLastCornerTrashedKeepsACurrentOne) {
  editor->OpenEntry("G parts.dat, stdblock", false);
  editor->AddPolygonClick(1);
  EXPECT_EQ(editor->CurrentFace, 6);
  EXPECT_EQ(Work().GetPoint(6, 2), (Point3{20, 20, 0}));
  EXPECT_EQ(editor->lbDrawOrder->count(), 7);
  editor->SelectFace(0);
  editor->AddPolygonClick(0);  // a copy of the current face
  EXPECT_EQ(Work().Faces[7], Work().Faces[0]);

  editor->AddVertexClick(1);  // no corner current: (0, 0, 0) before the first
  EXPECT_EQ(editor->CurrentCorner, 0);
  EXPECT_EQ(Work().GetPointCount(7), 5);
  editor->SelectCorner(2);
  editor->AdjX->setValue(7);
  editor->AddVertexClick(0);  // the fields' corner before the current one
  EXPECT_EQ(Work().GetPoint(7, 2), Work().GetPoint(7, 3));

  editor->SelectCorner(Work().GetPointCount(7) - 1);
  while (Work().GetPointCount(7) > 0) editor->btnTrashDragDrop(editor->lbCoord, 0);
  EXPECT_EQ(editor->CurrentCorner, -1);
  EXPECT_EQ(editor->lbCoord->count(), 0);
  editor->AddVertexClick(1);  // no "Illegal point index": the face takes a corner again
  EXPECT_EQ(Work().GetPointCount(7), 1);
  EXPECT_TRUE(asked->messages.empty());
}

TEST_F(ShapeEditorTest, DrawOrdersTakeRowsByDragAndTheTrashDeletes) {
  editor->OpenEntry("G parts.dat, stdblock", false);
  const auto order = [this] { return DrawOrderOf(Work(), 0); };
  editor->lbDrawOrderDragDrop(editor->lbAllPolys, 2, 0);  // face 3 is there already
  EXPECT_EQ(order(), (std::vector<int>{1, 2, 5, 0, 3, 4}));
  editor->lbDrawOrderDragDrop(editor->lbDrawOrder, 0, 3);  // moved down onto row 3
  EXPECT_EQ(order(), (std::vector<int>{2, 5, 0, 1, 3, 4}));
  editor->lbDrawOrderDragDrop(editor->lbDrawOrder, 5, -1);  // below the last row
  EXPECT_EQ(order(), (std::vector<int>{2, 5, 0, 1, 3, 4}));
  editor->btnTrashDragDrop(editor->lbDrawOrder, 1);
  EXPECT_EQ(order(), (std::vector<int>{2, 0, 1, 3, 4}));
  editor->lbDrawOrderDragDrop(editor->lbAllPolys, 5, 1);  // face 6 back, in row 1
  EXPECT_EQ(order(), (std::vector<int>{2, 5, 0, 1, 3, 4}));
  EXPECT_EQ(Rows(editor->lbDrawOrder), (std::vector<std::string>{"3", "6", "1", "2", "4", "5"}));

  editor->SelectFace(4);
  asked->yesNoAnswers = {false, true};
  editor->btnTrashDragDrop(editor->lbAllPolys, 1);
  EXPECT_EQ(Work().FaceCount, 6);
  editor->btnTrashDragDrop(editor->lbAllPolys, 1);
  EXPECT_EQ(asked->questions, std::vector<std::string>(
                                  2, "Do You really want to delete\r\nthis polygon permanently?"));
  EXPECT_EQ(Work().FaceCount, 5);
  EXPECT_EQ(editor->CurrentFace, 3);  // the current face followed the others down
  EXPECT_EQ(Work().HighlightFace, 3);
  EXPECT_EQ(Work().TopStudCount, 4);
  EXPECT_EQ(order(), (std::vector<int>{1, 4, 0, 2, 3}));
  editor->DeleteClick();  // the selected (current) face
  EXPECT_EQ(Work().FaceCount, 4);
  EXPECT_EQ(editor->CurrentFace, 3);  // the row that took its place, here the last
  EXPECT_EQ(Work().HighlightFace, 3);
}

TEST_F(ShapeEditorTest, ThePreviewHasItsOwnViewAndShowsTheCurrentFace) {
  const TView::Saved before = View().SaveView();
  editor->OpenEntry("G parts.dat, stdblock", false);
  editor->resize(700, 500);
  editor->show();
  QApplication::processEvents();
  const auto pixels = [this](TColor color) {
    const Bitmap& shown = editor->PreviewBitmap();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) count += shown.pixel(x, y) == color;
    return count;
  };
  const TColor background = editor->PreviewBitmap().pixel(0, 0);
  const int empty = editor->PreviewBitmap().width() * editor->PreviewBitmap().height();
  EXPECT_LT(pixels(background), empty - 1000);  // the piece, centred
  EXPECT_EQ(editor->PreviewBitmap().pixel(editor->PreviewBitmap().width() / 2,
                                          editor->PreviewBitmap().height() / 2),
            TColor{0xFFFFFF});
  editor->SelectFace(0);
  EXPECT_GT(pixels(0x008080), 500);  // the current face from above, in olive
  for (int i = 0; i < 4; ++i) editor->btnRotLeftClick();
  EXPECT_NEAR(editor->Preview.Spin, 360 * kDegree, 1e-5);  // below 0 it wraps to a full turn
  editor->btnRotRightClick();
  EXPECT_EQ(editor->Preview.Spin, 0.0f);
  for (int i = 0; i < 20; ++i) editor->btnRotUpClick();
  EXPECT_NEAR(editor->Preview.Tilt, 180 * kDegree, 1e-5);
  for (int i = 0; i < 20; ++i) editor->btnRotDownClick();
  EXPECT_EQ(editor->Preview.Tilt, 0.0f);
  editor->btnZoomInClick();

  editor->speOctant->setValue(5);  // the octant's typical view, and its order
  EXPECT_NEAR(editor->Preview.Tilt, 120 * kDegree, 1e-5);
  EXPECT_NEAR(editor->Preview.Spin, 150 * kDegree, 1e-5);
  EXPECT_EQ(Rows(editor->lbDrawOrder).front(), "1");
  for (int i = 0; i < 4; ++i)
    editor->btnRotRightClick();  // past 180: the paint moves the octant on
  EXPECT_EQ(editor->speOctant->value(), 6);

  const TView::Saved after = View().SaveView();
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
  EXPECT_EQ(pixels(0x008080), 0);  // from below the top is hidden behind the rest
  editor->hide();
}

TEST_F(ShapeEditorTest, ThePaletteEditsAndAddsEntriesThroughTheEditor) {
  TPalettePanel& palette = window->Palette();
  palette.pumEditPopup();
  EXPECT_FALSE(palette.Editblock1->isEnabled());
  EXPECT_TRUE(palette.Addnewblock1->isEnabled());
  window->ListBox1->setCurrentRow(0);
  palette.pumEditPopup();
  EXPECT_TRUE(palette.Editblock1->isEnabled());

  WithEditor(&TPalettePanel::Editblock1Click, [this] {
    EXPECT_EQ(editor->windowTitle().toStdString(), "Edit block");
    EXPECT_EQ(editor->btnAddPiece->text().toStdString(), "Replace");
    editor->edtZ->setValue(72);
    editor->edtIdent->setText("2456");
    editor->btnAddPiece->click();
  });
  EXPECT_EQ(Entries()[0], "B 2x4x9|2456");
  EXPECT_EQ(window->State().Pages[0].Height, 63);  // 30 before, the taller piece needs more
  EXPECT_EQ(window->ListBox1->item(0)->text().toStdString(), "B 2x4x9|2456");

  window->ListBox1->setCurrentRow(1);
  const int cachedBefore = shapes->Count();
  WithEditor(&TPalettePanel::Addnewblock1Click, [this] {
    EXPECT_EQ(editor->windowTitle().toStdString(), "Add new block");
    editor->AddPolygonClick(1);
    editor->btnCancel->click();
  });
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_EQ(shapes->Count(), cachedBefore);
  EXPECT_EQ(Cached()->FaceCount, 6);

  window->ListBox1->clearSelection();  // Add with nothing selected: the editor as it was left
  WithEditor(&TPalettePanel::Addnewblock1Click, [this] {
    EXPECT_EQ(editor->WorkShape->FaceCount, 7);
    editor->lbBlockTypes->setCurrentRow(6);
    editor->btnAddPiece->click();
  });
  ASSERT_EQ(Entries().size(), 4u);
  EXPECT_EQ(Entries()[3], "R 2x2x3");
  window->Palette().ShowRecentlyUsed();
  palette.pumEditPopup();
  EXPECT_FALSE(palette.Editblock1->isEnabled());
  EXPECT_FALSE(palette.Addnewblock1->isEnabled());
}
