#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "tests/output/TempFolder.h"
#include "workspace/BlockFactory.h"

namespace {

// A 2-by-4 brick three plates high at the origin, lying along y.
std::unique_ptr<TBlock> Brick2x4(TColor colour = 0x0000FF) {
  auto b = std::make_unique<TBlock>(0, 0, 0, 2, 4, 3, colour, true, false, false, "3001");
  return b;
}

LDrawExportResult ExportOne(TBlock& piece, const std::vector<std::string>& listLines) {
  TMappingList mapping = TMappingList::FromLines(listLines);
  LDrawExportResult out;
  ConvertPiece(piece, mapping, out);
  return out;
}

const std::string kBrick2x4Record = "B 4 2 3 1 16 0 0 0 0 3001.DAT 0";

}  // namespace

TEST(LDrawExport, RedBrickAtTheOriginGivesCentreTopAndPlainMatrix) {
  auto brick = Brick2x4();
  auto out = ExportOne(*brick, {kBrick2x4Record});
  ASSERT_EQ(out.lines.size(), 1u);
  EXPECT_EQ(out.lines[0], "1 4 20 -24 -40   1   0  0    0  1  0   0   0  1 3001.dat");

  brick->Transparent = true;
  out = ExportOne(*brick, {kBrick2x4Record});
  EXPECT_EQ(out.lines[0].substr(0, 5), "1 36 ");
}

TEST(LDrawExport, OffsetsFollowTheTurnedDirection) {
  // along 3, up -5, across 7 on a square piece, so that no extra turn enters.
  const std::string record = "B 2 2 3 1 16 3 -5 7 0 3003.DAT 0";
  struct Case {
    int direction;
    const char* line;
  } cases[] = {
      {0, "1 4 17 -29 -13   1   0  0    0  1  0   0   0  1 3003.dat"},
      {1, "1 4 13 -29 -23   0   0 -1    0  1  0   1   0  0 3003.dat"},
      {2, "1 4 23 -29 -27  -1   0  0    0  1  0   0   0 -1 3003.dat"},
      {3, "1 4 27 -29 -17   0   0  1    0  1  0  -1   0  0 3003.dat"},
  };
  for (const Case& c : cases) {
    TBlock b(0, 0, 0, 2, 2, 3, 0x0000FF, true, false, false, "3003");
    b.Direction = c.direction;
    auto out = ExportOne(b, {record});
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_EQ(out.lines[0], c.line) << "direction " << c.direction;
  }
}

TEST(LDrawExport, RotationAddsQuarterTurnsAndPicksDiagonalMatrices) {
  TBlock b(0, 0, 0, 2, 2, 3, 0xFFFFFF, true, false, false, "3003");
  b.Direction = 1;
  auto out = ExportOne(b, {"B 2 2 3 1 16 0 0 0 4 3003.DAT 0"});
  EXPECT_NE(out.lines[0].find(kLDrawMatrices[5]), std::string::npos) << out.lines[0];

  b.Direction = 3;
  out = ExportOne(b, {"B 2 2 3 1 16 0 0 0 3 3003.DAT 0"});  // 3 + 3 wraps to 2
  EXPECT_NE(out.lines[0].find(kLDrawMatrices[2]), std::string::npos) << out.lines[0];
}

TEST(LDrawExport, PieceLyingAcrossItsRecordGetsAQuarterTurnMore) {
  // The record describes the 1-by-4 brick along x; made along y it is the
  // same brick turned, even at Direction 0.
  const std::string record = "B 1 4 3 1 16 0 0 0 0 3010.DAT 0";
  TBlock alongX(0, 0, 0, 4, 1, 3, 0xFFFFFF, true, false, false, "3010");
  TBlock alongY(0, 0, 0, 1, 4, 3, 0xFFFFFF, true, false, false, "3010");
  EXPECT_NE(ExportOne(alongX, {record}).lines[0].find(kLDrawMatrices[0]), std::string::npos);
  EXPECT_NE(ExportOne(alongY, {record}).lines[0].find(kLDrawMatrices[1]), std::string::npos);
  alongX.Turn();  // now along y at Direction 1: the ordinary turned case
  EXPECT_NE(ExportOne(alongX, {record}).lines[0].find(kLDrawMatrices[1]), std::string::npos);
}

TEST(LDrawExport, WheelRimsBringTheirTyres) {
  auto wheel = CreateEmptyBlock('O');
  wheel->Color = 0xC0C0C0;
  wheel->SizeX = 40;
  wheel->SizeY = 40;
  wheel->SizeZ = 48;
  wheel->HasStuds = true;
  wheel->PartName = "wheel2";
  auto out = ExportOne(*wheel, {"O 2 2 6 1 16 0 20 0 0 wheel2.DAT 0"});
  ASSERT_EQ(out.lines.size(), 2u);
  EXPECT_EQ(out.lines[0], "1 7 20 -28 -20   1   0  0    0  1  0   0   0  1 wheel2.dat");
  EXPECT_EQ(out.lines[1], "1 0 20 -28 -20   1   0  0    0  1  0   0   0  1 3483.dat");

  // The rim 4624 takes the other tyre, and the tyre keeps the straight matrix
  // of the final direction even when the rim uses a diagonal one.
  wheel->PartName = "4624";
  wheel->Direction = 1;
  out = ExportOne(*wheel, {"O 2 2 6 1 16 0 20 0 4 4624.DAT 0"});
  ASSERT_EQ(out.lines.size(), 2u);
  EXPECT_NE(out.lines[0].find(kLDrawMatrices[5]), std::string::npos);
  EXPECT_EQ(out.lines[1], std::string("1 0 20 -28 -20 ") + kLDrawMatrices[1] + " 3641.dat");
}

TEST(LDrawExport, CompanionsFollowTheTurnOfTheirPart) {
  // The door frame brings its leaf on the hinge at the frame's left post,
  // 32 along the frame's x and 5 along its z, turned with the frame.
  const char* leaves[] = {
      "1 4 -32 -144 5   1   0  0    0  1  0   0   0  1 60616a.dat",
      "1 4 -5 -144 -32   0   0 -1    0  1  0   1   0  0 60616a.dat",
      "1 4 32 -144 -5  -1   0  0    0  1  0   0   0 -1 60616a.dat",
      "1 4 5 -144 32   0   0  1    0  1  0  -1   0  0 60616a.dat",
  };
  for (int direction = 0; direction < 4; ++direction) {
    auto door = CreateEmptyBlock('D');
    door->Color = 0x0000FF;
    door->SizeX = direction % 2 ? 20 : 80;
    door->SizeY = direction % 2 ? 80 : 20;
    door->X = -door->SizeX / 2;
    door->Y = -door->SizeY / 2;
    door->SizeZ = 144;
    door->Direction = direction;
    door->HasStuds = true;
    auto out = ExportOne(*door, {"D 1 4 18 1 16 0 0 0 0 60596.DAT 0"});
    ASSERT_EQ(out.lines.size(), 2u);
    EXPECT_EQ(out.lines[1], leaves[direction]) << "direction " << direction;
  }
  // Only a ridge end brings the second half of itself; a ridge with the same part does not.
  const std::vector<std::string> list = {"E 2 2 3 1 16 -10 0 0 0 3044b.DAT 0",
                                         "N 2 1 3 1 16 0 0 0 0 3044b.DAT 0"};
  auto end = CreateEmptyBlock('E');
  end->SizeX = end->SizeY = 40;
  end->SizeZ = 24;
  end->HasStuds = true;
  auto out = ExportOne(*end, list);
  ASSERT_EQ(out.lines.size(), 2u);
  EXPECT_EQ(out.lines[0], "1 0 30 -24 -20   1   0  0    0  1  0   0   0  1 3044b.dat");
  EXPECT_EQ(out.lines[1], "1 0 10 -24 -20   0   0  1    0  1  0  -1   0  0 3048b.dat");
  auto ridge = CreateEmptyBlock('N');
  ridge->SizeX = 20;
  ridge->SizeY = 40;
  ridge->SizeZ = 24;
  ridge->HasStuds = true;
  EXPECT_EQ(ExportOne(*ridge, list).lines.size(), 1u);
}

TEST(LDrawExport, PiecesWithoutMappingAreLeftOutAndBlankLettersBecomeBoxes) {
  TBlockList list;
  auto unnamed = Brick2x4();
  unnamed->PartName.clear();
  unnamed->SizeZ = 16;  // no record has this height
  list.Add(std::move(unnamed));
  auto blank = Brick2x4();
  blank->BlockType = ' ';
  blank->PartName.clear();
  list.Add(std::move(blank));
  TMappingList mapping = TMappingList::FromLines({kBrick2x4Record});
  LDrawExportResult out = ExportLDraw(list, mapping);
  EXPECT_EQ(out.piecesLeftOut, 1);
  ASSERT_EQ(out.lines.size(), 1u);
  EXPECT_EQ(list[1]->BlockType, 'B');
  EXPECT_EQ(list[1]->PartName, "3001");  // found by kind and size, it takes the record's name
}

TEST(LDrawFile, SavedThroughTheProgramFoldersList) {
  TempFolder folder;
  WriteBytes(folder / "bo2ld.lst", "; test list\r\n" + kBrick2x4Record + "\r\n");
  TBlockList list;
  list.Add(Brick2x4());
  auto result = SaveLDrawFile(folder / "MODEL.DAT", list, folder.Path());
  EXPECT_TRUE(result.problems.empty());
  EXPECT_EQ(ReadFileBytes(folder / "MODEL.DAT"),
            "1 4 20 -24 -40   1   0  0    0  1  0   0   0  1 3001.dat\r\n");
  EXPECT_TRUE(IsLDrawFileName("house.dat"));
  EXPECT_TRUE(IsLDrawFileName("/a/b/HOUSE.Dat"));
  EXPECT_FALSE(IsLDrawFileName("house.lgo"));
  EXPECT_FALSE(IsLDrawFileName("dat"));
}

TEST(LDrawFile, MissingMappingListLeavesThePreviousFileAsItWas) {
  TempFolder folder;
  WriteBytes(folder / "model.dat", "previous export\r\n");
  TBlockList list;
  list.Add(Brick2x4());
  EXPECT_THROW(SaveLDrawFile(folder / "model.dat", list, folder.Path()), FileError);
  EXPECT_EQ(ReadFileBytes(folder / "model.dat"), "previous export\r\n");
  EXPECT_THROW(SaveLDrawFile(folder / "new.dat", list, folder.Path()), FileError);
  EXPECT_FALSE(FileExists(folder / "new.dat"));
}

TEST(LDrawFile, RecordThatCannotBeAppendedIsReportedAndTheExportCompletes) {
  TempFolder folder;
  const std::string listFile = folder / "bo2ld.lst";
  WriteBytes(listFile, kBrick2x4Record + "\r\n");
  TMappingList mapping = TMappingList::Load(listFile);
  // The list can no longer be written to (a folder now stands in its place,
  // which no user, root included, can open for writing).
  ::unlink(listFile.c_str());
  ::mkdir(listFile.c_str(), 0755);
  TBlockList list;
  auto unknown = Brick2x4();
  unknown->PartName = "9999";
  unknown->SizeZ = 16;
  list.Add(std::move(unknown));
  list.Add(Brick2x4());
  auto result = ExportLDraw(list, mapping);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("bo2ld.lst"), std::string::npos);
  ASSERT_EQ(result.lines.size(), 2u);  // the new record still maps its piece
  EXPECT_NE(result.lines[0].find("9999.dat"), std::string::npos);
}
