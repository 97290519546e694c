// The LDraw reader on a small library of test parts under tests/ldraw/library:
// lines, the search for files, parts resolved into faces, colours.
#include <gtest/gtest.h>

#include "ldraw/LDrawLibrary.h"

namespace {

const std::string kLibrary = std::string(BRIKOLO_SOURCE_DIR) + "/tests/ldraw/library";

void ExpectBox(const LDrawBox& box, LDrawVector min, LDrawVector max) {
  ASSERT_FALSE(box.empty);
  EXPECT_DOUBLE_EQ(box.min.x, min.x);
  EXPECT_DOUBLE_EQ(box.min.y, min.y);
  EXPECT_DOUBLE_EQ(box.min.z, min.z);
  EXPECT_DOUBLE_EQ(box.max.x, max.x);
  EXPECT_DOUBLE_EQ(box.max.y, max.y);
  EXPECT_DOUBLE_EQ(box.max.z, max.z);
}

}  // namespace

TEST(LDrawLine, ReadsEveryTypeAndRejectsDamagedLines) {
  LDrawLine line;
  std::string error;
  ASSERT_TRUE(
      ParseLDrawLine("1 0x2FF0000 1 -2 3.5 0 0 1 0 1 0 -1 0 0 my sub\\part 2.ldr ", line, error));
  EXPECT_EQ(line.colour, 0x2FF0000);
  EXPECT_EQ(line.file, "my sub\\part 2.ldr");
  EXPECT_DOUBLE_EQ(line.placement.z, 3.5);
  EXPECT_DOUBLE_EQ(line.placement.m[6], -1);
  ASSERT_TRUE(ParseLDrawLine("\t5 24 0 0 0 1 1 1 2 2 2 +3 3 3e0", line, error));
  EXPECT_EQ(line.type, 5);
  EXPECT_DOUBLE_EQ(line.points[3].z, 3);
  ASSERT_TRUE(ParseLDrawLine("0 step", line, error));
  EXPECT_EQ(LDrawMetaWord(line), "STEP");

  for (const char* damaged :
       {"1 16 0 0 0 1 0 0 0 1 0 0 0 1", "1 16 0 0 0 1 0 0 0 1 0 0 0 x a.dat", "2 24 0 0 0 1 1",
        "3 -1 0 0 0 1 0 0 0 1 0", "4 16 0 0 0 nan 0 0 1 1 1 0 0 1", "6 16 0 0 0", "x", "1e 16",
        "3 16 0 0 0 1 0 0 0 1e7 0"}) {
    error.clear();
    EXPECT_FALSE(ParseLDrawLine(damaged, line, error)) << damaged;
    EXPECT_FALSE(error.empty()) << damaged;
  }
}

TEST(LDrawLibrary, FindsFilesInEveryFolderWhateverTheCaseAndSeparator) {
  LDrawLibrary library(kLibrary);
  EXPECT_TRUE(library.HasParts());
  for (const char* name :
       {"testbox2x4.dat", "TESTBOX2X4.DAT", "s\\testbox2x4s01.dat", "s/TestBox2x4s01.dat",
        "testbox2x4s01.dat", "studxtest.dat", "48\\testround.dat", "testround.dat"})
    EXPECT_NE(library.Find(name).file, nullptr) << name;
  EXPECT_EQ(library.Find("..\\LDConfig.ldr").file, nullptr);
  EXPECT_EQ(library.Find("3001.dat").file, nullptr);
  EXPECT_TRUE(library.Find("testbox2x4.dat").file->markedAsPart);

  LDrawLibrary none("/nonexistent/folder");
  EXPECT_FALSE(none.HasParts());
  EXPECT_FALSE(none.Geometry("testbox2x4.dat").found);
}

TEST(LDrawLibrary, ResolvesAPartWithItsStudsSetApart) {
  LDrawLibrary library(kLibrary, true);
  const LDrawGeometry& box = library.Geometry("TestBox2x4.dat");
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.faces.size(), 6u + 8u * 3u + 1u);
  EXPECT_EQ(box.edges.size(), 8u);
  ExpectBox(box.bounds, {-40, -4, -20}, {40, 24, 20});
  ExpectBox(box.bodyBounds, {-40, 0, -20}, {40, 24, 20});
  ASSERT_EQ(box.studs.size(), 8u) << "the tube below is body, not a stud";
  EXPECT_DOUBLE_EQ(box.studs[0].x, -30);
  EXPECT_DOUBLE_EQ(box.studs[0].y, 0);
  EXPECT_TRUE(box.missing.empty());
  EXPECT_TRUE(box.problems.empty());
  EXPECT_EQ(&library.Geometry("testbox2x4.dat"), &box) << "each part is resolved once";

  // Without edges asked for, the lines are not kept.
  LDrawLibrary plain(kLibrary);
  EXPECT_TRUE(plain.Geometry("testbox2x4.dat").edges.empty());
}

TEST(LDrawLibrary, MultipliesMatricesDownAndPassesColoursOn) {
  LDrawLibrary library(kLibrary, true);
  const LDrawGeometry& turned = library.Geometry("testturned.dat");
  ASSERT_TRUE(turned.found);
  // Turned a quarter about y and raised by 8: x and z change places.
  ExpectBox(turned.bodyBounds, {-20, -8, -40}, {20, 16, 40});
  int red = 0, redEdge = 0, yellow = 0, inherited = 0;
  for (const LDrawFace& f : turned.faces) {
    red += f.colour == 4;
    redEdge += f.colour == 0x2110000;  // 24 inside a red placement: red's edge from LDConfig
    yellow += f.colour == 14;          // a colour of its own stays
    inherited += f.colour == 16;       // the triangle of 48\testround.dat
  }
  EXPECT_EQ(red, 4 + 8 * 3 + 1);
  EXPECT_EQ(redEdge, 1);
  EXPECT_EQ(yellow, 1);
  EXPECT_EQ(inherited, 1);
  EXPECT_EQ(turned.edges.front().colour, 0x2110000);
  EXPECT_EQ(turned.missing, std::vector<std::string>{"testnothere.dat"});

  // The damaged lines are reported with their line numbers, the good ones used.
  std::vector<int> lines;
  for (const LDrawProblem& p : turned.problems) lines.push_back(p.line);
  EXPECT_EQ(lines, (std::vector<int>{4, 5, 6}));
  EXPECT_NE(turned.problems[0].Text().find("testturned.dat:4: "), std::string::npos);
}

TEST(LDrawLibrary, GuardsAgainstCirclesDepthAndSize) {
  LDrawLibrary library(kLibrary);
  const LDrawGeometry& loop = library.Geometry("testloopa.dat");
  EXPECT_EQ(loop.faces.size(), 2u);
  ASSERT_FALSE(loop.problems.empty());
  EXPECT_NE(loop.problems[0].message.find("circular"), std::string::npos);

  // A chain of files deeper than allowed, each a face and twice the one below.
  LDrawLibrary deep;
  deep.limits.maxDepth = 15;
  deep.limits.maxElements = 300;
  deep.AddFile(ParseLDrawFile("level0.dat", "3 16 0 0 0 1 0 0 0 1 0\n"));
  for (int i = 1; i <= 20; ++i) {
    const std::string sub = "1 16 0 0 0 1 0 0 0 1 0 0 0 1 level" + std::to_string(i - 1) + ".dat\n";
    deep.AddFile(ParseLDrawFile("level" + std::to_string(i) + ".dat",
                                "3 16 0 0 0 1 0 0 0 1 0\n" + sub + sub));
  }
  const LDrawGeometry& top = deep.Geometry("level20.dat");
  EXPECT_LE(top.faces.size(), 300u);
  bool tooDeep = false, tooLarge = false;
  for (const LDrawProblem& p : deep.Problems()) {
    tooDeep |= p.message.find("nested deeper") != std::string::npos;
    tooLarge |= p.message.find("more than 300") != std::string::npos;
  }
  EXPECT_TRUE(tooDeep);
  EXPECT_TRUE(tooLarge);
}

TEST(LDrawColours, ConfigOfTheLibraryReplacesTheBuiltInTable) {
  LDrawLibrary library(kLibrary);
  LDrawColour c;
  ASSERT_TRUE(library.Colours().Find(4, c));
  EXPECT_EQ(c.rgb, 0xAA0000u);
  ASSERT_TRUE(library.Colours().Find(1, c));
  EXPECT_EQ(c.edgeRgb, 0xAA0000u) << "an edge named by code";
  ASSERT_TRUE(library.Colours().Find(47, c));
  EXPECT_EQ(c.alpha, 100);
  ASSERT_TRUE(library.Colours().Find(14, c)) << "built in where the config is silent";
  ASSERT_TRUE(library.Colours().Find(0x3123456, c));
  EXPECT_EQ(c.rgb, 0x123456u);
  EXPECT_LT(c.alpha, 255);
  EXPECT_FALSE(library.Colours().Find(16, c));
  EXPECT_FALSE(library.Colours().Find(9999, c));
}
