#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QTimer>
#include <functional>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/PalettePages.h"
#include "workspace/PalettePanel.h"

namespace {

std::vector<PalettePage> Pages(std::initializer_list<const char*> titles) {
  std::vector<PalettePage> pages;
  for (const char* t : titles) AppendPage(pages).Title = t;
  return pages;
}

std::vector<std::string> Titles(const std::vector<PalettePage>& pages) {
  std::vector<std::string> titles;
  for (const PalettePage& p : pages) titles.push_back(p.Title);
  return titles;
}

}  // namespace

TEST(PalettePages, IndexesWrapAndNewPagesCountFromZero) {
  EXPECT_EQ(WrapPageIndex(-1, 3), 2);
  EXPECT_EQ(WrapPageIndex(3, 3), 0);
  EXPECT_EQ(WrapPageIndex(1, 3), 1);
  EXPECT_EQ(WrapPageIndex(0, 0), -1);
  std::vector<PalettePage> pages = Pages({"a", "b", "c", "d"});
  const PalettePage& added = AppendPage(pages);
  EXPECT_EQ(added.Title, "Page4");
  EXPECT_EQ(added.Height, 40);
  EXPECT_FLOAT_EQ(added.Scale, 0.5f);
  EXPECT_TRUE(added.Entries.empty());
}

TEST(PalettePages, MovingAPageStopsAtTheEnds) {
  std::vector<PalettePage> pages = Pages({"a", "b", "c"});
  pages[0].Entries = {"1x1x1"};
  EXPECT_TRUE(MovePage(pages, 0, +1));
  EXPECT_EQ(Titles(pages), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_EQ(pages[1].Entries.size(), 1u);  // the entries travel with their title
  EXPECT_FALSE(MovePage(pages, 0, -1));
  EXPECT_FALSE(MovePage(pages, 2, +1));
  EXPECT_FALSE(MovePage(pages, -1, +1));
  EXPECT_EQ(Titles(pages), (std::vector<std::string>{"b", "a", "c"}));
}

TEST(PalettePages, ScalesAreShownShortAndReadStrictly) {
  EXPECT_EQ(ScaleText(0.5f), "0.5");
  EXPECT_EQ(ScaleText(0.75f), "0.75");
  EXPECT_FLOAT_EQ(ReadScale(" 1.25 "), 1.25f);
  for (const char* bad : {"", "abc", "0.5x", "0", "-1", "nan", "inf", "1e40"})
    EXPECT_THROW(ReadScale(bad), ConversionError) << bad;
}

TEST(PalettePages, RecentlyUsedEntriesMoveUpWithTheirOwnColour) {
  RecentlyUsedList recent;
  EXPECT_EQ(recent.Height(), 40);
  EXPECT_EQ(recent.Use("a", 1, 30), -1);
  EXPECT_EQ(recent.Use("b", 2, 65), -1);
  EXPECT_EQ(recent.Use("a", 3, 50), 1);
  ASSERT_EQ(recent.Entries().size(), 2u);
  EXPECT_EQ(recent.Entries()[0].Text, "a");
  EXPECT_EQ(recent.Entries()[0].Color, 1u);
  EXPECT_EQ(recent.Height(), 65);
  recent.RecolorNewest(9);
  EXPECT_EQ(recent.Entries()[0].Color, 9u);
  recent.Clear();
  EXPECT_TRUE(recent.Entries().empty());
  EXPECT_EQ(recent.Height(), 40);
}

TEST(PalettePages, EntriesMoveBetweenTwoDifferentPagesOnly) {
  std::vector<PalettePage> pages = Pages({"a", "b"});
  pages[0].Entries = {"1", "2", "3"};
  pages[1].Entries = {"x", "y"};
  EXPECT_TRUE(MoveEntryToPage(pages, 0, 1, 1, 0));  // after the first
  EXPECT_EQ(pages[1].Entries, (std::vector<std::string>{"x", "2", "y"}));
  EXPECT_TRUE(MoveEntryToPage(pages, 0, 0, 1, -1));  // nothing selected: appended
  EXPECT_EQ(pages[1].Entries, (std::vector<std::string>{"x", "2", "y", "1"}));
  EXPECT_EQ(pages[0].Entries, (std::vector<std::string>{"3"}));
  EXPECT_FALSE(MoveEntryToPage(pages, 0, 0, 0, -1));   // the same page
  EXPECT_FALSE(MoveEntryToPage(pages, 0, 1, 1, -1));   // no such entry
  EXPECT_FALSE(MoveEntryToPage(pages, -1, 0, 1, -1));  // the recently used list
  EXPECT_TRUE(MoveEntry(pages[1].Entries, 3, -1));
  EXPECT_FALSE(MoveEntry(pages[1].Entries, 3, +1));
  EXPECT_EQ(pages[1].Entries, (std::vector<std::string>{"x", "2", "1", "y"}));
}

namespace {

class ScriptedPageDialogs : public PageDialogs {
 public:
  std::optional<PageProperties> properties;  // the answer; nothing: cancelled
  PageProperties shown;
  std::vector<std::pair<int, int>> moves;  // (index, delta) applied in order
  bool EditProperties(PageProperties& p) override {
    shown = p;
    if (!properties) return false;
    p = *properties;
    return true;
  }
  bool ReorderPages(std::vector<PalettePage>& pages) override {
    for (auto [index, delta] : moves) MovePage(pages, index, delta);
    return true;
  }
  std::function<void(std::vector<PalettePage>&)> customize;
  bool CustomizePages(std::vector<PalettePage>& pages, int) override {
    if (!customize) return false;
    customize(pages);
    return true;
  }
};

class PageMenuTest : public MainWindowTest {
 protected:
  ScriptedPageDialogs* pageDialogs = nullptr;

  void SetUp() override {
    WriteTextLines(
        folder + "Brikolo.ini",
        {"[Main]", "Version=2", "Pages=2", "[Page1]", "Title=Bricks", "Height=50", "Scale=0.75",
         "Count=2", "Brick0=2x4x3|3001", "Brick1=1x1x1", "[Page2]", "Title=Empty", "Count=0"});
    Open();
    auto scripted = std::make_unique<ScriptedPageDialogs>();
    pageDialogs = scripted.get();
    Palette().SetPageDialogs(std::move(scripted));
  }
  TPalettePanel& Palette() { return window->Palette(); }
  std::vector<PalettePage>& PagesOf() { return window->State().Pages; }
};

}  // namespace

TEST_F(PageMenuTest, TheMenuOffersOnlyWhatApplies) {
  Palette().pumEditPopup();
  EXPECT_FALSE(Palette().Removeblock1->isEnabled());  // nothing selected
  EXPECT_FALSE(Palette().Removepage1->isEnabled());   // the page has entries
  EXPECT_TRUE(Palette().Properties1->isEnabled());
  window->ListBox1->setCurrentRow(1);
  Palette().pumEditPopup();
  EXPECT_TRUE(Palette().Removeblock1->isEnabled());
  Palette().btnNextPageClick();
  Palette().pumEditPopup();
  EXPECT_TRUE(Palette().Removepage1->isEnabled());
  Palette().ShowRecentlyUsed();
  Palette().pumEditPopup();
  EXPECT_FALSE(Palette().Removepage1->isEnabled());
  EXPECT_FALSE(Palette().Properties1->isEnabled());
  EXPECT_TRUE(Palette().Addnewpage1->isEnabled());
}

TEST_F(PageMenuTest, EntriesAndPagesAreRemovedAddedAndReordered) {
  window->ListBox1->setCurrentRow(0);
  Palette().Removeblock1Click();
  EXPECT_EQ(PagesOf()[0].Entries, (std::vector<std::string>{"1x1x1"}));
  EXPECT_EQ(window->ListBox1->count(), 1);

  Palette().Addnewpage1Click();
  EXPECT_EQ(PagesOf().size(), 3u);
  EXPECT_EQ(PagesOf()[2].Title, "Page2");
  EXPECT_EQ(window->State().CurrentPage, 2);
  EXPECT_EQ(window->ComboBox1->currentText().toStdString(), "Page2");
  // The last page removed: the first is shown.
  Palette().Removepage1Click();
  EXPECT_EQ(PagesOf().size(), 2u);
  EXPECT_EQ(window->State().CurrentPage, 0);
  // A page with entries stays.
  Palette().Removepage1Click();
  EXPECT_EQ(PagesOf().size(), 2u);

  pageDialogs->moves = {{0, +1}};
  Palette().Reorderpages1Click();
  EXPECT_EQ(Titles(PagesOf()), (std::vector<std::string>{"Empty", "Bricks"}));
  EXPECT_EQ(window->ComboBox1->itemText(2).toStdString(), "Bricks");
  EXPECT_EQ(window->ListBox1->count(), 0);  // the current index now holds the empty page
  Close();
  const TIniFile ini(folder + "Brikolo.ini");
  EXPECT_EQ(ini.ReadString("Page1", "Title", ""), "Empty");
  EXPECT_EQ(ini.ReadString("Page2", "Brick0", ""), "1x1x1");
}

TEST_F(PageMenuTest, PropertiesChangeThePageOrKeepItOnABadScale) {
  pageDialogs->properties = PageProperties{"Big bricks", 80, "1.5"};
  Palette().Properties1Click();
  EXPECT_EQ(pageDialogs->shown.Header, "Bricks");
  EXPECT_EQ(pageDialogs->shown.Height, 50);
  EXPECT_EQ(pageDialogs->shown.Scale, "0.75");
  EXPECT_EQ(PagesOf()[0].Title, "Big bricks");
  EXPECT_EQ(PagesOf()[0].Height, 80);
  EXPECT_FLOAT_EQ(PagesOf()[0].Scale, 1.5f);
  EXPECT_EQ(window->ComboBox1->currentText().toStdString(), "Big bricks");
  EXPECT_EQ(window->ListBox1->visualItemRect(window->ListBox1->item(0)).height(), 80);

  pageDialogs->properties = PageProperties{"Other", 20, "big"};
  Palette().Properties1Click();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0], "'big' is not a valid floating point value");
  EXPECT_EQ(PagesOf()[0].Title, "Big bricks");
  EXPECT_EQ(PagesOf()[0].Height, 80);
}

TEST_F(PageMenuTest, CustomizingChangesOnlyTheEntries) {
  pageDialogs->customize = [](std::vector<PalettePage>& pages) {
    MoveEntryToPage(pages, 0, 0, 1, -1);
    pages[0].Title = "ignored";
  };
  Palette().Customize1Click();
  EXPECT_EQ(PagesOf()[0].Title, "Bricks");
  EXPECT_EQ(PagesOf()[0].Entries, (std::vector<std::string>{"1x1x1"}));
  EXPECT_EQ(PagesOf()[1].Entries, (std::vector<std::string>{"2x4x3|3001"}));
  EXPECT_EQ(window->ListBox1->count(), 1);
}

TEST_F(PageMenuTest, TheCustomizeDialogMovesTheSelectedEntryAcross) {
  std::vector<PalettePage> pages = PagesOf();
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* right = dialog->findChild<QComboBox*>("cmbRight");
    auto* leftList = dialog->findChild<QListWidget*>("lbLeft");
    EXPECT_EQ(leftList->count(), 2);
    // Both sides on the same page: nothing moves.
    leftList->setCurrentRow(1);
    dialog->findChild<QToolButton*>("RxSpeedButton1")->click();
    EXPECT_EQ(leftList->count(), 2);
    right->setCurrentIndex(2);
    dialog->findChild<QToolButton*>("RxSpeedButton1")->click();
    EXPECT_EQ(leftList->count(), 1);
    EXPECT_EQ(leftList->currentRow(), 0);  // the source keeps its selection index
    EXPECT_EQ(dialog->findChild<QListWidget*>("lbRight")->count(), 1);
    dialog->accept();
  });
  ASSERT_TRUE(RunCustomizePagesDialog(window.get(), Palette(), pages, 0));
  EXPECT_EQ(pages[0].Entries, (std::vector<std::string>{"2x4x3|3001"}));
  EXPECT_EQ(pages[1].Entries, (std::vector<std::string>{"1x1x1"}));
}

TEST_F(PageMenuTest, APageFromAPartFileHoldsEverySectionOfIt) {
  const std::string parts = folder + "parts/mine.dat";
  std::filesystem::create_directories(folder + "parts");
  WriteTextLines(parts, {"[stdblock]", "x", "[tile2x2]", "y"});
  dialogs->files.push_back(parts);
  pageDialogs->properties = PageProperties{"Mine", 40, "0.5"};
  Palette().Addpagefromfile1Click();
  ASSERT_EQ(dialogs->requests.size(), 1u);
  EXPECT_EQ(dialogs->requests[0].title, "Load parts from file");
  EXPECT_EQ(dialogs->requests[0].folder, folder + "parts/");
  ASSERT_EQ(PagesOf().size(), 3u);
  EXPECT_EQ(PagesOf()[2].Entries,
            (std::vector<std::string>{"G mine.dat, stdblock", "G mine.dat, tile2x2"}));
  EXPECT_EQ(PagesOf()[2].Title, "Mine");
  EXPECT_EQ(pageDialogs->shown.Header, "Page2");
  EXPECT_EQ(window->ListBox1->count(), 2);

  dialogs->files.push_back(folder + "parts/missing.dat");
  Palette().Addpagefromfile1Click();
  EXPECT_EQ(PagesOf().size(), 3u);
  EXPECT_EQ(dialogs->messages.size(), 1u);
}
