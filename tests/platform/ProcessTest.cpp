#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

#include "platform/Process.h"
#include "platform/TextFile.h"

TEST(Process, CommandLinesSplitAtBlanksOutsideQuotes) {
  EXPECT_EQ(SplitCommandLine("ldglite  -s0.5 -b15  x.dat"),
            (std::vector<std::string>{"ldglite", "-s0.5", "-b15", "x.dat"}));
  EXPECT_EQ(SplitCommandLine("\"/opt/my tools/pov\" +Ia.pov \"\""),
            (std::vector<std::string>{"/opt/my tools/pov", "+Ia.pov", ""}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(Process, WaitedProgramRunsInItsFolderAndGivesItsExitCode) {
  std::string pattern = (std::filesystem::temp_directory_path() / "brikolo-proc-XXXXXX").string();
  const std::string folder = ::mkdtemp(pattern.data());
  ProcessResult r = StartProgram("/bin/sh -c \"pwd > where.txt; exit 3\"", folder,
                                 ShowWindow::Normal, true);
  EXPECT_TRUE(r.started);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(ReadTextLines(folder + "/where.txt"), std::vector<std::string>{folder});
  std::filesystem::remove_all(folder);
}

TEST(Process, MissingProgramGivesTheSystemsErrorNumber) {
  for (bool wait : {true, false}) {
    ProcessResult r = StartProgram("/no/such/program -x", "", ShowWindow::Normal, wait);
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.errorNumber, ENOENT);
  }
  ProcessResult r = StartProgram("/bin/true", "/no/such/folder", ShowWindow::Normal, true);
  EXPECT_FALSE(r.started);
  EXPECT_EQ(r.errorNumber, ENOENT);
}

TEST(Process, ProgramNotWaitedForLeavesNoChildBehind) {
  ProcessResult r = StartProgram("/bin/sleep 0.2", "", ShowWindow::Normal, false);
  EXPECT_TRUE(r.started);
  int status = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}
