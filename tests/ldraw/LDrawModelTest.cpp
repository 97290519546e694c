// Reading LDraw models: parts placed, sub-models flattened, steps, damaged lines.
#include <gtest/gtest.h>

#include "../output/TempFolder.h"
#include "ldraw/LDrawModel.h"
#include "platform/Error.h"

namespace {

const char* kMultiFile =
    "0 FILE main.ldr\r\n"
    "0 Test model\r\n"
    "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
    "0 STEP\r\n"
    "1 16 100 -24 0 0 0 1 0 1 0 -1 0 0 wall.ldr\r\n"
    "1 16 0 0 0 1 0 0 x 1 0 0 0 1 3001.dat\r\n"  // damaged
    "0 STEP\r\n"
    "1 2 0 0 50 1 0 0 0 1 0 0 0 1 loop.ldr\r\n"
    "0 FILE wall.ldr\r\n"
    "1 16 20 0 0 1 0 0 0 1 0 0 0 1 3004.dat\r\n"
    "0 STEP\r\n"
    "1 1 40 0 0 1 0 0 0 1 0 0 0 1 unknownpart.dat\r\n"
    "0 NOFILE\r\n"
    "0 FILE loop.ldr\r\n"
    "1 16 0 0 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n"
    "1 16 0 0 0 1 0 0 0 1 0 0 0 1 loop.ldr\r\n"
    "0 FILE custom.dat\r\n"
    "0 !LDRAW_ORG Unofficial_Part\r\n";

}  // namespace

TEST(LDrawModel, FlattensSubModelsWithTheirPlacementColourAndStep) {
  LDrawLibrary library;
  const LDrawModel model = ReadLDrawModelText("test.mpd", kMultiFile, "", library);
  ASSERT_EQ(model.parts.size(), 4u);
  EXPECT_EQ(model.parts[0].name, "3001.dat");
  EXPECT_EQ(model.parts[0].colour, 4);
  EXPECT_EQ(model.parts[0].step, 0);
  EXPECT_EQ(model.parts[0].line, 3);

  // wall.ldr is turned a quarter and moved: its part at x 20 lands at z -20.
  const LDrawPlacedPart& brick = model.parts[1];
  EXPECT_EQ(brick.name, "3004.dat");
  EXPECT_EQ(brick.colour, 16);
  EXPECT_EQ(brick.step, 1) << "a sub-model's own steps do not count";
  EXPECT_DOUBLE_EQ(brick.placement.x, 100);
  EXPECT_DOUBLE_EQ(brick.placement.y, -24);
  EXPECT_DOUBLE_EQ(brick.placement.z, -20);
  EXPECT_DOUBLE_EQ(brick.placement.m[2], 1);
  EXPECT_EQ(brick.line, 10) << "lines of an entry are counted in the whole file";
  EXPECT_EQ(model.parts[2].name, "unknownpart.dat");
  EXPECT_EQ(model.parts[2].colour, 1);

  EXPECT_EQ(model.parts[3].name, "3003.dat");
  EXPECT_EQ(model.parts[3].colour, 2) << "16 takes the colour of the placing line";
  EXPECT_EQ(model.parts[3].step, 2);
  EXPECT_EQ(model.lastStep, 2);

  std::vector<int> problemLines;
  for (const LDrawProblem& p : model.problems) problemLines.push_back(p.line);
  EXPECT_EQ(problemLines, (std::vector<int>{6, 16}));

  // A part that comes with the model is found, and it is not a sub-model.
  EXPECT_TRUE(library.Find("CUSTOM.DAT").file->markedAsPart);
}

TEST(LDrawModel, SubModelFilesBesideTheModelAreFlattenedPartsAreNot) {
  TempFolder folder;
  WriteBytes(folder / "house.ldr",
             "1 16 0 0 0 1 0 0 0 1 0 0 0 1 Roof.LDR\n1 16 0 0 0 1 0 0 0 1 0 0 0 1 own.dat\n");
  WriteBytes(folder / "roof.ldr", "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3039.dat\n");
  WriteBytes(folder / "own.dat", "3 16 0 0 0 1 0 0 0 1 0\n");
  LDrawLibrary library;
  const LDrawModel model = ReadLDrawModel(folder / "house.ldr", library);
  ASSERT_EQ(model.parts.size(), 2u);
  EXPECT_EQ(model.parts[0].name, "3039.dat");
  EXPECT_EQ(model.parts[0].file, folder / "roof.ldr");
  EXPECT_EQ(model.parts[1].name, "own.dat") << "a file with faces of its own is a part";
  EXPECT_TRUE(library.Geometry("own.dat").found);

  EXPECT_THROW(ReadLDrawModel(folder / "missing.ldr", library), FileError);
}
