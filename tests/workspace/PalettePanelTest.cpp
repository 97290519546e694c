#include <QImage>
#include <QListWidget>
#include <QTest>

#include "model/ColorTable.h"
#include "platform/PictureFile.h"
#include "platform/QtCanvas.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/PalettePanel.h"

namespace {

class ColorAnswers : public ScriptedDialogs {
 public:
  std::optional<TColor> answer;
  std::optional<TColor> ChooseColor(TColor start) override {
    started = start;
    return answer;
  }
  TColor started = 0;
};

class PaletteTest : public MainWindowTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder + "parts");
    WriteTextLines(folder + "parts/parts.dat",
                   ReadTextLines(BRIKOLO_SOURCE_DIR "/data/parts/parts.dat"));
    WriteTextLines(folder + "Brikolo.ini",
                   {"[Main]", "Version=2", "Pages=3", "[Page1]", "Title=Bricks", "Height=50",
                    "Count=3", "Brick0=2x4x3|3001", "Brick1=R 2x2x3", "Brick2=Q 1x1x1", "[Page2]",
                    "Title=Plates", "Count=1", "Brick0=1x1x1", "[Page3]", "Title=Shapes", "Count=2",
                    "Brick0=G parts.dat, stdblock", "Brick1=M nomodel"});
    Open();
  }

  TPalettePanel& Palette() { return window->Palette(); }

  void ClickEntry(int row) {
    QListWidget* list = window->ListBox1;
    ASSERT_LT(row, list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }

  const TBlock* Carried() { return window->Carrying().CarriedPiece.get(); }

  void ClickField(const char* name, Qt::MouseButton button) {
    auto* field = window->findChild<QWidget*>(name);
    ASSERT_NE(field, nullptr) << name;
    QTest::mouseClick(field, button);
  }
};

}  // namespace

TEST_F(PaletteTest, PageButtonsWrapAndTheChooserFollowsThePage) {
  EXPECT_EQ(window->State().CurrentPage, 0);
  EXPECT_EQ(window->ListBox1->count(), 3);
  EXPECT_EQ(window->ComboBox1->count(), 4);
  EXPECT_EQ(window->ComboBox1->itemText(0).toStdString(), "<Recently used>");
  EXPECT_EQ(window->ComboBox1->currentIndex(), 1);
  EXPECT_EQ(window->ListBox1->visualItemRect(window->ListBox1->item(0)).height(), 50);

  Click("btnPrevPage");
  EXPECT_EQ(window->State().CurrentPage, 2);
  EXPECT_EQ(window->ComboBox1->currentText().toStdString(), "Shapes");
  Click("btnNextPage");
  EXPECT_EQ(window->State().CurrentPage, 0);
  Click("btnNextPage");
  EXPECT_EQ(window->ListBox1->item(0)->text().toStdString(), "1x1x1");
  // An absent Height reads as 65.
  EXPECT_EQ(window->ListBox1->visualItemRect(window->ListBox1->item(0)).height(), 65);

  window->ComboBox1->setCurrentIndex(0);
  EXPECT_TRUE(Palette().ShowingRecentlyUsed());
  EXPECT_EQ(window->ListBox1->count(), 0);
  EXPECT_EQ(window->State().CurrentPage, 1);  // the page index stays
  window->ComboBox1->setCurrentIndex(3);
  EXPECT_FALSE(Palette().ShowingRecentlyUsed());
  EXPECT_EQ(window->State().CurrentPage, 2);
}

TEST_F(PaletteTest, AClickCarriesANewPieceOfTheEntryAndRemembersIt) {
  ClickEntry(1);
  ASSERT_NE(Carried(), nullptr);
  EXPECT_EQ(Carried()->BlockType, 'R');
  EXPECT_EQ(Carried()->SizeZ, 24);
  EXPECT_EQ(Carried()->Color, 0xFFFFFFu);
  EXPECT_FALSE(window->btnPointer->isChecked());
  const TBlock* first = Carried();

  ClickEntry(0);
  EXPECT_NE(Carried(), first);
  EXPECT_EQ(Carried()->PartName, "3001");
  ClickEntry(1);
  // Clicked twice: once in the list, on top, with the colour it was clicked in.
  ASSERT_EQ(Palette().RecentlyUsed().Entries().size(), 2u);
  EXPECT_EQ(Palette().RecentlyUsed().Entries()[0].Text, "R 2x2x3");
  EXPECT_EQ(Palette().RecentlyUsed().Height(), 50);

  // An entry that makes no piece is ignored, and carrying goes on.
  ClickEntry(2);
  EXPECT_EQ(Carried()->BlockType, 'R');
  EXPECT_EQ(Palette().RecentlyUsed().Entries().size(), 2u);

  // A general piece from the parts folder.
  Click("btnNextPage");
  Click("btnNextPage");
  ClickEntry(0);
  EXPECT_EQ(Carried()->BlockType, 'G');
  EXPECT_GT(Carried()->SizeX, 0);

  Click("btnClear");
  EXPECT_TRUE(Palette().RecentlyUsed().Entries().empty());
}

TEST_F(PaletteTest, NothingIsPlacedInASideView) {
  window->SetView(90, 30);
  ClickEntry(0);
  EXPECT_EQ(Carried(), nullptr);
  EXPECT_TRUE(Palette().RecentlyUsed().Entries().empty());
}

TEST_F(PaletteTest, ColourFieldsSetTheCurrentColourAndTheBackground) {
  auto at = [&](const char* name) { return window->findChild<QWidget*>(name)->pos(); };
  // Two rows of seven: white to olive, then yellow to cyan.
  EXPECT_EQ(at("edWhite").y(), at("Edit13").y());
  EXPECT_LT(at("edWhite").x(), at("edGray").x());
  EXPECT_LT(at("Edit11").x(), at("Edit13").x());
  EXPECT_EQ(at("Edit6").x(), at("edWhite").x());
  EXPECT_GT(at("Edit6").y(), at("edWhite").y());
  EXPECT_EQ(at("Edit14").y(), at("Edit6").y());
  ClickEntry(0);
  ClickField("edBlue", Qt::LeftButton);
  EXPECT_EQ(window->CurrentColor(), 0xCC0211u);
  EXPECT_EQ(Carried()->Color, 0xCC0211u);
  // The newest remembered entry takes the colour too.
  EXPECT_EQ(Palette().RecentlyUsed().Entries()[0].Color, 0xCC0211u);

  ClickEntry(1);
  ClickField("Edit1", Qt::LeftButton);
  window->ComboBox1->setCurrentIndex(0);
  ASSERT_EQ(window->ListBox1->count(), 2);
  // On the recently used list each entry keeps its own colour.
  ClickEntry(1);
  EXPECT_EQ(Carried()->PartName, "3001");
  EXPECT_EQ(Carried()->Color, 0xCC0211u);
  EXPECT_EQ(window->CurrentColor(), 0x0000FFu);
  EXPECT_EQ(window->ListBox1->item(0)->text().toStdString(), "2x4x3|3001");

  ClickField("Edit6", Qt::RightButton);
  EXPECT_EQ(window->Scene().BackgroundColor, 0x01D8FEu);
  EXPECT_EQ(window->CurrentColor(), 0x0000FFu);
  // The entries lie on the window's colour too.
  QListWidget* list = window->ListBox1;
  list->clearSelection();
  const QImage shown = list->viewport()->grab().toImage();
  const QPoint inside = list->visualItemRect(list->item(0)).topLeft() + QPoint(3, 30);
  EXPECT_EQ(FromQColor(shown.pixelColor(inside)), 0x01D8FEu);
}

TEST_F(PaletteTest, TheColourDialogStartsWithTheCurrentColour) {
  auto dialogsOwned = std::make_unique<ColorAnswers>();
  ColorAnswers* colors = dialogsOwned.get();
  window->SetDialogs(std::move(dialogsOwned));
  ClickEntry(0);
  ClickField("edGray", Qt::LeftButton);
  colors->answer = 0x123456;
  Click("btnColorDlg");
  EXPECT_EQ(colors->started, 0xC0C0C0u);
  EXPECT_EQ(window->CurrentColor(), 0x123456u);
  EXPECT_EQ(Carried()->Color, 0x123456u);
  // The remembered colour stays that of the colour field.
  EXPECT_EQ(Palette().RecentlyUsed().Entries()[0].Color, 0xC0C0C0u);
  colors->answer.reset();
  Click("btnColorDlg");
  EXPECT_EQ(window->CurrentColor(), 0x123456u);
}

TEST_F(PaletteTest, EntriesArePicturesOfTheirPiecesInTheCurrentColour) {
  ClickField("Edit1", Qt::LeftButton);
  QListWidget* list = window->ListBox1;
  const QImage shown = list->viewport()->grab().toImage();
  shown.save(QString::fromStdString(folder + "palette.png"));
  if (const char* keep = std::getenv("BRIKOLO_KEEP_PICTURES")) {
    shown.save(QString::fromLocal8Bit(keep) + "/palette.png");
    window->grab().save(QString::fromLocal8Bit(keep) + "/window.png");
  }
  auto count = [&](int row, auto matches) {
    const QRect r = list->visualItemRect(list->item(row));
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (matches(FromQColor(shown.pixelColor(x, y)))) ++n;
    return n;
  };
  auto reddish = [](TColor c) { return RedOf(c) > 150 && GreenOf(c) < 40 && BlueOf(c) < 40; };
  // The 2x4 brick fills a good part of its entry; the entry without a piece shows none.
  EXPECT_GT(count(0, reddish), 300);
  EXPECT_GT(count(1, reddish), 100);
  EXPECT_EQ(count(2, reddish), 0);
  // Labels: the part number in black, a bare entry in dark red.
  EXPECT_GT(count(0, [](TColor c) { return c == 0; }), 5);
  EXPECT_GT(count(2, [](TColor c) { return c == kEntryLabelColor; }), 5);
}

TEST_F(PaletteTest, AModelEntryLoadsItsModelAsASubassembly) {
  Close();
  WriteTextLines(folder + "Brikolo.ini",
                 {"[Main]", "Version=2", "Pages=1", "[Page1]", "Title=Models", "Count=2",
                  "Brick0=M house", "Brick1=M nothing"});
  HouseModel();
  Bitmap picture(30, 20, 0x00FF00);
  picture.setPixel(5, 5, 0x0000FF);
  WriteBmp(folder + "house.bmp", picture);
  Open();
  // The picture is drawn with the colour of its corner left out.
  QListWidget* list = window->ListBox1;
  const QImage shown = list->viewport()->grab().toImage();
  const QPoint corner = list->visualItemRect(list->item(0)).topLeft();
  EXPECT_EQ(FromQColor(shown.pixelColor(corner + QPoint(5, 15))), 0x0000FFu);
  EXPECT_NE(FromQColor(shown.pixelColor(corner + QPoint(20, 15))), 0x00FF00u);
  window->State().Folder(FolderKind::LoadSubassembly) = "/elsewhere/";
  ASSERT_EQ(Palette().Items().size(), 2u);
  EXPECT_TRUE(Palette().Items()[0].IsModel);
  ClickEntry(0);
  EXPECT_GT(window->CarrySet().Count(), 10);
  EXPECT_EQ(window->State().Folder(FolderKind::LoadSubassembly), "/elsewhere/");
  EXPECT_TRUE(Palette().RecentlyUsed().Entries().empty());
  // A missing model file is reported by the loader, as any other.
  ClickEntry(1);
  EXPECT_EQ(dialogs->messages.size(), 1u);
}
