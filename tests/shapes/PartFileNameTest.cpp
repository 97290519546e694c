// Names of part files come from model files and palettes written elsewhere:
// whatever they say, nothing outside the parts folder is read or written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Error.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

class PartFileNames : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/brikolo-names-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root = std::string(name) + "/";
    parts = root + "parts/";
    ASSERT_EQ(::mkdir(parts.c_str(), 0755), 0);
  }
  void TearDown() override { std::system(("rm -rf " + root).c_str()); }

  std::string root, parts;
};

std::string PieceLine(const std::string& file, const std::string& section) {
  return "G 0 0 0 0 0 0 204 1 0 0 0 " + file + " " + section + " 0 p 0";
}

TEST_F(PartFileNames, HostileNamesFailOnlyTheirLineAndNothingOutsideIsTouched) {
  // Outside the parts folder, a file whose section reads as a shape.
  const std::string outside = "[General]\r\nNP=0\r\nBB=20,20,24\r\n";
  WriteFileAtomically(root + "x.ini", outside);
  WriteTextLines(parts + "good.dat", {"[a]", "NP=0", "BB=20,20,24"});
  ASSERT_EQ(::mkdir((parts + "folder.dat").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((parts + "pipe.dat").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("/dev/zero", (parts + "zero.dat").c_str()), 0);
  WriteTextLines(parts + "huge.dat", {"[a]", "NP=0"});
  ASSERT_EQ(::truncate((parts + "huge.dat").c_str(), kMaxPartFileBytes + 1), 0);

  const std::vector<std::string> hostile = {
      "../x.ini",  "..\\x.ini",  root + "x.ini", "/dev/urandom", ".",        "..",
      "sub/x.ini", "folder.dat", "pipe.dat",     "zero.dat",     "huge.dat",
  };
  std::vector<std::string> lines = {"= 70 30 10 0 0 1 1"};
  for (const std::string& name : hostile)
    lines.push_back(PieceLine(name, name == "huge.dat" ? "a" : "General"));
  lines.push_back(PieceLine("GOOD.DAT", "a"));
  lines.push_back("B 0 0 0 20 20 24 204 1 0 0 0 0 3005 0");

  TShapeCache cache(parts);
  const ModelReadResult result = ReadModelLines(lines, cache);
  ASSERT_EQ(result.pieces.size(), 2u);
  EXPECT_EQ(result.pieces[0]->SizeX, 20);
  ASSERT_EQ(result.errors.size(), hostile.size());
  for (std::size_t i = 0; i < hostile.size(); ++i) {
    EXPECT_EQ(result.errors[i].lineNumber, static_cast<int>(i + 2));
    EXPECT_NE(result.errors[i].message.find(hostile[i]), std::string::npos)
        << result.errors[i].message;
  }
  EXPECT_NE(result.errors[0].message.find("Could not find part General in file ../x.ini"),
            std::string::npos);
  EXPECT_EQ(cache.Count(), 1);

  // A shape that holds a hostile name, stored by the editor, is not written either.
  auto made = TDrawClass::Create();
  made->FileName = "../x.ini";
  made->SectionName = "General";
  ASSERT_TRUE(cache.RegisterShape(made));
  cache.MarkChanged(*result.pieces[0]->Shape);
  EXPECT_THROW(cache.SaveAllShapes(), BrikoloError);
  EXPECT_EQ(ReadFileBytes(root + "x.ini"), outside);
  EXPECT_EQ(ReadTextLines(parts + "good.dat")[0], "[a]");  // the good file was written
}

TEST_F(PartFileNames, BitmapsOfFacesAreLookedUpInThePartsFolderOnly) {
  EXPECT_EQ(PartFilePath(parts, "smiley.bmp"), parts + "smiley.bmp");
  for (const char* name : {"../smiley.bmp", "/etc/passwd", "a\\b.bmp", "", "tab\there.bmp"})
    EXPECT_THROW(PartFilePath(parts, name), BrikoloError) << name;
}

}  // namespace
