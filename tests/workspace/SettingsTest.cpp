#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "workspace/Settings.h"

namespace {

std::string TempFile(QTemporaryDir& dir, const char* name) {
  return dir.path().toStdString() + "/" + name;
}

}  // namespace

TEST(Settings, OldFormIsConvertedAtOnce) {
  QTemporaryDir dir;
  const std::string file = TempFile(dir, "Brikolo.ini");
  WriteTextLines(file,
                 {"[Main]", "Pages=2", "Title1=Bricks", "LDrawLib=D:\\ld", "[Page1]", "50 0.75",
                  "2x4x3|3001", "T 3x2x3|3041", "", "[page2]", "40", "1x1x1", "[Extra]", "Mine=1"});
  WorkspaceState state;
  LoadSettingsFile(file, state);
  ASSERT_EQ(state.Pages.size(), 2u);
  EXPECT_EQ(state.Pages[0].Title, "Bricks");
  EXPECT_EQ(state.Pages[1].Title, "Page2");  // no Title2 key
  EXPECT_EQ(state.Pages[0].Height, 50);
  EXPECT_FLOAT_EQ(state.Pages[0].Scale, 0.75f);
  EXPECT_EQ(state.Pages[0].Entries, (std::vector<std::string>{"2x4x3|3001", "T 3x2x3|3041"}));
  EXPECT_EQ(state.Pages[1].Height, 40);  // no blank: the whole line is the height
  EXPECT_FLOAT_EQ(state.Pages[1].Scale, 0.5f);
  EXPECT_EQ(state.Pages[1].Entries, std::vector<std::string>{"1x1x1"});
  EXPECT_EQ(state.Tools.LDrawLib, "D:\\ld");  // kept as written

  // The file now holds the current form, and what was not ours stays.
  const TIniFile after(file);
  EXPECT_EQ(after.ReadInteger("Main", "Version", 0), 2);
  EXPECT_FALSE(after.KeyExists("Main", "Title1"));
  EXPECT_EQ(after.ReadString("Page1", "Brick1", ""), "T 3x2x3|3041");
  EXPECT_EQ(after.ReadInteger("Page2", "Count", -1), 1);
  EXPECT_EQ(after.ReadInteger("Extra", "Mine", 0), 1);

  WorkspaceState again;
  LoadSettingsFile(file, again);
  EXPECT_EQ(again.Pages[0].Entries, state.Pages[0].Entries);
  EXPECT_EQ(again.Pages[1].Title, "Page2");
}

TEST(Settings, OldPageWithBadNumbersOrMissingSection) {
  PalettePage page;
  page.Entries = {"stale"};
  ReadOldPage({"[PAGE3]", "abc x", "B 1x1x1"}, "Page3", page);
  EXPECT_EQ(page.Height, 65);
  EXPECT_FLOAT_EQ(page.Scale, 0.5f);
  EXPECT_EQ(page.Entries, std::vector<std::string>{"B 1x1x1"});
  ReadOldPage({"[Page4]"}, "Page3", page);
  EXPECT_TRUE(page.Entries.empty());
}

TEST(Settings, MissingFileGivesDefaultsAndIsCreatedInTheCurrentForm) {
  QTemporaryDir dir;
  const std::string file = TempFile(dir, "Brikolo.ini");
  WorkspaceState state;
  state.Prefs.Shading = true;
  LoadSettingsFile(file, state);
  EXPECT_TRUE(state.Pages.empty());
  EXPECT_FALSE(state.Prefs.Shading);
  EXPECT_EQ(state.Tools.LDrawProg, ToolPaths::Defaults().LDrawProg);
  ASSERT_TRUE(FileExists(file));
  EXPECT_EQ(TIniFile(file).ReadInteger("Main", "Version", 0), 2);
}

TEST(Settings, UnknownVersionReadsEmptyPages) {
  WorkspaceState state;
  const TIniFile ini = TIniFile::FromLines(
      {"[Main]", "Version=3", "Pages=2", "[Page1]", "Title=T", "Count=1", "Brick0=1x1x1"});
  EXPECT_EQ(ReadSettings(ini, state), 3);
  ASSERT_EQ(state.Pages.size(), 2u);
  EXPECT_TRUE(state.Pages[0].Title.empty());
  EXPECT_TRUE(state.Pages[0].Entries.empty());
  EXPECT_EQ(state.Pages[1].Height, 65);
}

TEST(Settings, WrittenFormRoundTrips) {
  WorkspaceState state;
  PalettePage page;
  page.Name = "Page1";
  page.Title = "Roofs";
  page.Height = 70;
  page.Scale = 0.5f;
  page.Entries = {"T 3x2x3|3041", "G parts.dat, stdblock"};
  state.Pages.push_back(page);
  state.Prefs = Preferences{true, 2, 1, true};
  state.Tools.PovRayEng = "/opt/povray/bin/povray";

  TIniFile ini = TIniFile::FromLines({"[Page1]", "Brick5=left alone"});
  WriteSettings(ini, state);
  const std::vector<std::string> lines = ini.Lines();
  auto has = [&](const std::string& l) {
    return std::find(lines.begin(), lines.end(), l) != lines.end();
  };
  EXPECT_TRUE(has("Scale= 0.50"));
  EXPECT_TRUE(has("Count=2"));
  EXPECT_TRUE(has("Brick1=G parts.dat, stdblock"));
  EXPECT_TRUE(has("Brick5=left alone"));
  EXPECT_TRUE(has("StudQual=2"));

  WorkspaceState back;
  EXPECT_EQ(ReadSettings(ini, back), 2);
  ASSERT_EQ(back.Pages.size(), 1u);
  EXPECT_EQ(back.Pages[0].Title, "Roofs");
  EXPECT_EQ(back.Pages[0].Entries, page.Entries);
  EXPECT_EQ(back.Pages[0].Height, 70);
  EXPECT_TRUE(back.Prefs.Hints && back.Prefs.Shading);
  EXPECT_EQ(back.Prefs.Details, 1);
  EXPECT_EQ(back.Tools.PovRayEng, "/opt/povray/bin/povray");
}

TEST(Settings, PageScaleFormatAndBadScale) {
  EXPECT_EQ(FormatPageScale(0.5f), " 0.50");
  EXPECT_EQ(FormatPageScale(12.345f), "12.35");
  PalettePage page;
  ReadPage(TIniFile::FromLines({"[P]", "Scale=half", "Count=-2"}), "P", page);
  EXPECT_FLOAT_EQ(page.Scale, 0.5f);
  EXPECT_TRUE(page.Entries.empty());
}

TEST(Settings, ViewerIsFoundInTheLibraryOrOnThePath) {
  QTemporaryDir dir;
  const std::string lib = dir.path().toStdString();
  WriteTextLines(lib + "/viewer", {"#"});
  ToolPaths tools;
  tools.LDrawLib = lib;
  tools.LDrawProg = "viewer";
  EXPECT_EQ(FindLDrawViewer(tools), lib + "/viewer");
  tools.LDrawProg = "sh";  // not in the library, but on the PATH
  EXPECT_FALSE(FindLDrawViewer(tools).empty());
  tools.LDrawProg = "no-such-viewer-anywhere";
  EXPECT_TRUE(FindLDrawViewer(tools).empty());
}

TEST(WorkspaceState, RecentFilesMoveUpAndTheMenuShowsFifteen) {
  WorkspaceState state;
  for (int i = 0; i < 20; ++i) state.AddRecentFile("f" + std::to_string(i));
  EXPECT_EQ(state.RecentFiles.front(), "f19");
  EXPECT_EQ(state.RecentMenuNames().size(), 15u);
  state.AddRecentFile("f5");  // known: moves to the top, and the oldest name goes
  ASSERT_EQ(state.RecentFiles.size(), 19u);
  EXPECT_EQ(state.RecentFiles[0], "f5");
  EXPECT_EQ(state.RecentFiles[1], "f19");
  EXPECT_EQ(state.RecentFiles.back(), "f1");
  EXPECT_EQ(std::count(state.RecentFiles.begin(), state.RecentFiles.end(), "f5"), 1);
}
