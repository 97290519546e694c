#include <sys/stat.h>

#include <QTimer>
#include <chrono>
#include <thread>

#include "tests/workspace/MainWindowFixture.h"

namespace {

void Script(const std::string& path, const std::string& body) {
  WriteFileAtomically(path, "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), 0755);
}

}  // namespace

TEST_F(MainWindowTest, PovMenuItemsRunTheRoutesWhileTheWindowWaitsBusy) {
  WriteTextLines(folder + "bo2ld.lst", {"B 8 16 1 1 16 0 0 0 0 3865.DAT 0"});
  // The converter is named bare and found beside the program; it takes a
  // moment, during which the window keeps handling its events.
  Script(folder + "conv.sh", "sleep 0.3; pwd > conv.txt");
  Script(folder + "pov.sh", "echo \"$@\" > pov.tmp; mv pov.tmp pov.txt");
  ToolPaths& tools = window->State().Tools;
  tools.LDrawLib = folder + "lib";
  tools.LDrawTest = "MODELS\\TEST.DAT";
  tools.L2PCmd = "conv.sh";
  tools.L3PCmd = "no-such-converter";
  tools.PovRayEng = folder + "pov.sh";

  bool busyMeanwhile = false;
  QTimer::singleShot(100, [&] {
    busyMeanwhile =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
  });
  window->mPovL2P->trigger();
  EXPECT_TRUE(busyMeanwhile);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(ReadTextLines(folder + "lib/conv.txt"), std::vector<std::string>{folder + "lib"});
  EXPECT_TRUE(FileExists(folder + "lib/MODELS/TEST.DAT"));
  const std::string pov = folder + "lib/pov.txt";
  for (int i = 0; i < 200 && !FileExists(pov); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(FileExists(pov));
  EXPECT_EQ(ReadTextLines(pov), std::vector<std::string>{"+IBO_test.pov -V +W320 +H240"});
  EXPECT_TRUE(dialogs->messages.empty());

  // A converter that cannot start, then the missing test.pov: two messages.
  window->mPovL3P->trigger();
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_NE(dialogs->messages[0].find("no-such-converter"), std::string::npos);
  EXPECT_NE(dialogs->messages[1].find("test.pov"), std::string::npos);
}
