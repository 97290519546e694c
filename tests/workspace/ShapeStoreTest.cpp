#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "model/Document.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"
#include "tests/workspace/ShapeEditorFixture.h"
#include "workspace/AskFileAndPart.h"

namespace {

class ShapeStoreTest : public ShapeEditorTest {
 protected:
  // Clicks "Add"/"Replace" of the editor; `naming` then drives "Enter part information".
  void ClickAdd(std::function<void(TAskFileAndPart&)> naming = nullptr) {
    if (naming)
      QTimer::singleShot(0, [naming] {
        auto* ask = qobject_cast<TAskFileAndPart*>(QApplication::activeModalWidget());
        ASSERT_NE(ask, nullptr);
        EXPECT_EQ(ask->windowTitle().toStdString(), "Enter part information");
        naming(*ask);
      });
    editor->btnAddPiece->click();
  }
  std::vector<std::string> PartFile(const std::string& name) {
    return ReadTextLines(folder + "parts/" + name);
  }
  // The section a shape is written as.
  static std::vector<std::string> Section(const TDrawClass& shape) {
    std::vector<std::string> lines;
    WriteShape(shape, lines);
    return lines;
  }
  // The section as it reads back from the file now.
  std::vector<std::string> SectionInFile(const std::string& file, const std::string& section) {
    return Section(*ParseShape(PartFile(file), file, section));
  }
};

}  // namespace

TEST_F(ShapeStoreTest, TheToolsWorkOnTheCopyOnly) {
  editor->OpenEntry("G parts.dat, stdblock", false);
  editor->edtX->stepBy(20);  // 40 to 60, one unit per step
  EXPECT_EQ(Work().BoxX, 60);
  EXPECT_EQ(editor->PreviewPiece->SizeX, 60);
  EXPECT_EQ(Work().GetPoint(0, 1), (Point3{60, 0, 24}));
  EXPECT_EQ(Work().GetPoint(0, 0), (Point3{0, 0, 24}));
  EXPECT_EQ(Work().TopStudCount, 6);
  editor->SelectFace(0);
  editor->spExt->setValue(8);
  editor->btnExtrude->click();
  EXPECT_EQ(Work().FaceCount, 10);
  EXPECT_EQ(Work().GetPoint(6, 2), (Point3{60, 0, 32}));
  editor->mainMenus[2]->actions()[0]->trigger();  // "&Mirror" "&X": the current face
  EXPECT_EQ(Work().GetPoint(0, 1), (Point3{0, 0, 24}));
  EXPECT_EQ(editor->AdjX->value(), 60);           // the fields follow the face's first corner
  editor->mainMenus[4]->actions()[1]->trigger();  // "&Sort" "&All"
  EXPECT_EQ(Cached()->FaceCount, 6);
  EXPECT_EQ(Cached()->BoxX, 40);
}

TEST_F(ShapeStoreTest, ANewShapeIsNamedStoredAtOnceAndKeptOverARestart) {
  window->ListBox1->setCurrentRow(1);
  WithEditor(&TPalettePanel::Addnewblock1Click, [this] {
    editor->AddPolygonClick(1);
    ClickAdd([this](TAskFileAndPart& ask) {
      EXPECT_EQ(ask.Edit1->text().toStdString(), "userblks.dat");  // proposed
      EXPECT_FALSE(ask.Edit3->isVisibleTo(&ask));
      ask.BitBtn2->click();  // no part name: refused, the dialog stays
      EXPECT_EQ(asked->messages, std::vector<std::string>{"Filename and Partname must be entered"});
      EXPECT_TRUE(ask.isVisible());
      ask.Edit2->setText("stdblock");
      ask.Edit1->setText("parts.dat");
      ask.BitBtn2->click();  // a part of that name exists: it is not overwritten
      ask.Edit1->setText("../userblks.dat");
      ask.Edit2->setText("mypart|3001");
      ask.BitBtn2->click();
      ASSERT_EQ(asked->messages.size(), 3u);
      EXPECT_EQ(asked->messages[1], "Part stdblock already exists in file parts.dat");
      EXPECT_EQ(asked->messages[2], "../userblks.dat is not a file name in the parts folder");
      ask.Edit1->setText(" userblks.dat");
      ask.BitBtn2->click();
    });
  });
  ASSERT_EQ(Entries().size(), 4u);
  EXPECT_EQ(Entries()[3], "G userblks.dat, mypart|3001");
  const TDrawClass* stored = shapes->FindShape("userblks.dat", "mypart");
  EXPECT_EQ(stored->FaceCount, 7);
  EXPECT_EQ(stored->HighlightFace, -1);
  EXPECT_EQ(editor->WorkShape, nullptr);
  EXPECT_EQ(Cached()->FaceCount, 6);  // the entry it started from stays as it was
  // Written at once, as a part file reads it.
  EXPECT_EQ(SectionInFile("userblks.dat", "mypart"), Section(*stored));

  Close();
  Open();
  ASSERT_EQ(window->State().Pages[0].Entries.size(), 4u);
  ASSERT_NE(window->Palette().Items()[3].Piece, nullptr);
  EXPECT_EQ(window->Palette().Items()[3].Piece->PartName, "3001");
  EXPECT_EQ(shapes->FindShape("userblks.dat", "mypart")->FaceCount, 7);
}

TEST_F(ShapeStoreTest, CancellingTheNamesKeepsTheEditorWithItsCopy) {
  editor->OpenEntry("G parts.dat, stdblock", true);
  editor->SelectFace(2);
  editor->show();
  ClickAdd([](TAskFileAndPart& ask) { ask.BitBtn1->click(); });
  EXPECT_TRUE(editor->isVisible());
  ASSERT_NE(editor->WorkShape, nullptr);
  EXPECT_EQ(Work().HighlightFace, 2);
  EXPECT_FALSE(std::filesystem::exists(folder + "parts/userblks.dat"));
  editor->hide();
}

TEST_F(ShapeStoreTest, AnEditedShapeChangesEveryPieceThatUsesIt) {
  const std::vector<std::string> before = PartFile("parts.dat");
  TGeneralBlock piece;
  piece.LoadShape(*shapes, "parts.dat", "stdblock");
  window->ListBox1->setCurrentRow(1);
  WithEditor(&TPalettePanel::Editblock1Click, [this] {
    editor->SelectFace(0);
    editor->SelectCorner(2);
    editor->AdjZ->setValue(30);
    editor->miTransparent->trigger();
    ClickAdd();  // an existing shape is not asked for names
  });
  EXPECT_EQ(Entries()[1], "G parts.dat, stdblock|3003");
  EXPECT_EQ(piece.GetShape(), Cached());
  EXPECT_EQ(Cached()->GetPoint(0, 2), (Point3{40, 40, 30}));
  EXPECT_EQ(Cached()->GetColor(0), -0xFFFFFF);
  EXPECT_EQ(Cached()->HighlightFace, -1);
  const std::vector<std::string> after = PartFile("parts.dat");
  EXPECT_EQ(std::count(after.begin(), after.end(), "[stdblock]"), 1);
  std::vector<std::string> names = SectionNames(before);
  std::rotate(names.begin(), names.begin() + 1, names.end());  // the edited one went to the end
  EXPECT_EQ(SectionNames(after), names);
  EXPECT_EQ(SectionInFile("parts.dat", "stdblock"), Section(*Cached()));
}
