#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawView.h"
#include "platform/Error.h"
#include "platform/Process.h"
#include "platform/TextFile.h"
#include "render/View.h"
#include "tests/output/TempFolder.h"

namespace {

TView SixtyThirtyView() {
  TView view;
  view.Tilt = 1.0471976f;  // 60 degrees
  view.Spin = 0.5235988f;  // 30 degrees
  view.ViewScale = 0.5f;
  view.ViewCenterX = 410;
  view.ViewCenterY = 300;
  return view;
}

}  // namespace

TEST(LDrawView, CommandLineCarriesTheView) {
  LDrawViewerSettings settings{"/home/me/ldraw", "ldglite", "MODELS/TEST.DAT"};
  LDrawViewCommand c =
      BuildLDrawViewCommand(settings, SixtyThirtyView(), StudStyle::Fast, 0xFFFFFF, 800, 600);
  EXPECT_EQ(c.commandLine,
            "ldglite  -s0.5 -b15 -FS -O10,-70 "
            "-a0.866,0,-0.5,-0.25,0.866,-0.433,0.433,0.5,0.75  MODELS/TEST.DAT");
  EXPECT_EQ(c.folder, "/home/me/ldraw");
  EXPECT_EQ(c.testFile, "/home/me/ldraw\\MODELS/TEST.DAT");

  // The classic viewer, named in any case, reads two thirds of the scale;
  // better studs drop -FS; the background's code comes through the colour table.
  settings.LDrawProg = "LDraw.exe";
  c = BuildLDrawViewCommand(settings, SixtyThirtyView(), StudStyle::Better, 0x0000FF, 801, 601);
  EXPECT_EQ(c.commandLine,
            "LDraw.exe  -s0.333333 -b4 -O10,-70 "
            "-a0.866,0,-0.5,-0.25,0.866,-0.433,0.433,0.5,0.75  MODELS/TEST.DAT");
  settings.LDrawProg = "ldra";
  c = BuildLDrawViewCommand(settings, SixtyThirtyView(), StudStyle::Best, 0x0000FF, 800, 600);
  EXPECT_EQ(c.commandLine.substr(0, 13), "ldra  -s0.5 -");
}

TEST(LDrawView, ExportsTheModelAndStartsTheViewerInTheLibraryFolder) {
  TempFolder folder;
  ::mkdir((folder / "lib").c_str(), 0755);
  ::mkdir((folder / "lib/MODELS").c_str(), 0755);
  // The list's second line cannot be read: the user hears of it.
  WriteBytes(folder / "bo2ld.lst",
             "B 2 2 3 1 16 0 0 0 0 3003.DAT 0\r\nB 2 2x 3 1 16 0 0 0 0 3004.DAT 0\r\n");
  // A stand-in viewer that notes where it ran and what it was given.
  const std::string viewer = folder / "viewer.sh";
  WriteBytes(viewer, "#!/bin/sh\npwd > seen.tmp; echo \"$@\" >> seen.tmp; mv seen.tmp seen.txt\n");
  ::chmod(viewer.c_str(), 0755);

  TBlockList list;
  list.Add(std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0x0000FF, true, false, false, "3003"));
  LDrawViewerSettings settings{folder / "lib", viewer, "MODELS/TEST.DAT"};
  const std::string before = GetCurrentFolder();
  const std::vector<std::string> problems = LDrawThisView(
      settings, list, folder.Path(), SixtyThirtyView(), StudStyle::Fast, 0xFFFFFF, 800, 600);
  EXPECT_EQ(problems.size(), 1u);
  EXPECT_EQ(GetCurrentFolder(), before);
  EXPECT_EQ(ReadFileBytes(folder / "lib/MODELS/TEST.DAT"),
            "1 4 20 -24 -20   1   0  0    0  1  0   0   0  1 3003.dat\r\n");

  const std::string seen = folder / "lib/seen.txt";
  for (int i = 0; i < 200 && !FileExists(seen); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(FileExists(seen));
  const auto lines = ReadTextLines(seen);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], folder / "lib");
  EXPECT_EQ(lines[1],
            "-s0.5 -b15 -FS -O10,-70 -a0.866,0,-0.5,-0.25,0.866,-0.433,0.433,0.5,0.75 "
            "MODELS/TEST.DAT");

  settings.LDrawProg = folder / "no-such-viewer";
  try {
    LDrawThisView(settings, list, folder.Path(), SixtyThirtyView(), StudStyle::Fast, 0, 800, 600);
    FAIL() << "a missing viewer must be reported";
  } catch (const BrikoloError& error) {
    EXPECT_NE(std::string(error.what()).find("error 2"), std::string::npos) << error.what();
  }
  EXPECT_EQ(GetCurrentFolder(), before);
}
