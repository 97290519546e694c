#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>

#include "platform/TextFile.h"

namespace {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brikolo-conv-XXXXXX").string();
    path_ = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string operator/(const std::string& name) const { return path_ + name; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

int RunCli(const std::string& arguments) {
  const std::string command =
      std::string(BRIKOLO_BUILD_DIR) + "/brikolo-cli " + arguments + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const char* kModel =
    "= 70 30 10 0 0 1 1\r\n"
    "B 0 0 0 40 80 24 255 1 0 0 0 0 3001 0\r\n"
    "B 0 0 24 20 20 8 255 1 0 0 0 0 mypart 0\r\n";

}  // namespace

TEST(LDrawConvert, WritesTheLDrawFileAndAppendsNewRecordsToTheChosenFolder) {
  TempDir dir;
  WriteFileAtomically(dir / "m.lgo", kModel);
  const std::string list = "; mine\r\nB 4 2 3 1 16 0 0 0 0 3001.DAT 0\r\n";
  WriteFileAtomically(dir / "bo2ld.lst", list);
  ASSERT_EQ(
      RunCli("convert " + dir / "m.lgo" + " " + dir / "OUT.Dat" + " --program-dir " + dir.Path()),
      0);
  EXPECT_EQ(ReadFileBytes(dir / "OUT.Dat"),
            "1 4 20 -24 -40   1   0  0    0  1  0   0   0  1 3001.dat\r\n"
            "1 4 10 -32 -10   1   0  0    0  1  0   0   0  1 mypart.dat\r\n");
  EXPECT_EQ(ReadFileBytes(dir / "bo2ld.lst"), list + "B 1 1 1 1 16 0 0 0 0 mypart.DAT 0  \r\n");
}

TEST(LDrawConvert, MissingMappingListFailsWithoutTouchingTheTarget) {
  TempDir dir;
  WriteFileAtomically(dir / "m.lgo", kModel);
  WriteFileAtomically(dir / "out.dat", "old\r\n");
  EXPECT_EQ(
      RunCli("convert " + dir / "m.lgo" + " " + dir / "out.dat" + " --program-dir " + dir.Path()),
      1);
  EXPECT_EQ(ReadFileBytes(dir / "out.dat"), "old\r\n");
  // Other names are still model files.
  EXPECT_EQ(
      RunCli("convert " + dir / "m.lgo" + " " + dir / "copy.lgo" + " --program-dir " + dir.Path()),
      0);
  EXPECT_EQ(ReadFileBytes(dir / "copy.lgo"), kModel);
}

TEST(LDrawConvert, ReadsLDrawModelsBackIntoModelFiles) {
  TempDir dir;
  WriteFileAtomically(dir / "bo2ld.lst", "B 4 2 3 1 16 0 0 0 0 3001.DAT 0\r\n");
  WriteFileAtomically(dir / "in.ldr",
                      "0 A brick\r\n1 4 20 -24 -40 1 0 0 0 1 0 0 0 1 3001.DAT\r\n0 STEP\r\n"
                      "1 4 20 -48 -40 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
  ASSERT_EQ(
      RunCli("convert " + dir / "in.ldr" + " " + dir / "out.lgo" + " --program-dir " + dir.Path()),
      0);
  const std::vector<std::string> lines = ReadTextLines(dir / "out.lgo");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "B 0 0 0 40 80 24 255 1 0 0 0 0 3001 0");
  EXPECT_EQ(lines[2], "B 0 0 24 40 80 24 255 1 0 0 0 0 3001 1");
}

TEST(LDrawConvert, LDrawCheckExitsByWhatItFound) {
  TempDir dir;
  const std::string library = std::string(BRIKOLO_SOURCE_DIR) + "/tests/ldraw/library";
  WriteFileAtomically(dir / "good.lst", "B 2 4 3 1 16 0 0 0 0 testbox2x4.DAT 0\r\n");
  WriteFileAtomically(dir / "bad.lst", "B 2 4 3 1 16 0 0 0 1 testbox2x4.DAT 0\r\n");
  EXPECT_EQ(RunCli("ldraw-check --library " + library + " --list " + dir / "good.lst"), 0);
  EXPECT_EQ(RunCli("ldraw-check --library " + library + " --list " + dir / "bad.lst"), 3);
  EXPECT_EQ(RunCli("ldraw-check --library " + dir.Path() + " --list " + dir / "good.lst"), 1);
  EXPECT_EQ(RunCli("ldraw-check --library " + library + " --list " + dir / "none.lst"), 1);
  EXPECT_EQ(RunCli("ldraw-check --frobnicate"), 2);
}
