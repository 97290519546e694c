#include <gtest/gtest.h>

#include "model/Document.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

ModelReadResult Read(const std::vector<std::string>& lines,
                     const ModelReadOptions& options = {}) {
  TShapeCache shapes(testing::TempDir() + "/no-parts/");
  return ReadModelLines(lines, shapes, options);
}

}  // namespace

TEST(ModelFile, OldUnitsWithoutAHeaderAndTheSameLineWrittenBack) {
  auto r = Read({"B 1 2 3 2 4 1 255 1 0 0 0 0 3001 0"});
  ASSERT_EQ(r.pieces.size(), 1u);
  const TBlock& b = *r.pieces[0];
  EXPECT_EQ(b.X, 20);
  EXPECT_EQ(b.Y, 40);
  EXPECT_EQ(b.Z, 24);
  EXPECT_EQ(b.SizeX, 40);
  EXPECT_EQ(b.SizeY, 80);
  EXPECT_EQ(b.SizeZ, 8);
  EXPECT_EQ(b.PartName, "3001");
  EXPECT_EQ(FormatPieceLine(b), "B 20 40 24 40 80 8 255 1 0 0 0 0 3001 0");
  EXPECT_FALSE(r.header.has_value());
}

TEST(ModelFile, TheHeaderGivesTheViewAndTheUnitFlagForTheLinesAfterIt) {
  auto r = Read({"= 45 120 12 -30 40 0 1", "B 20 40 24 40 80 8 255 1 0 0 0 0 3001 0",
                 "= 70 30 10 0 0 1 0", "B 1 1 1 1 1 1 255 1 0 0 0 0 3005 0"});
  ASSERT_TRUE(r.header.has_value());
  EXPECT_EQ(r.header->RotX, 70);  // the last header wins
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[0]->X, 20);
  EXPECT_EQ(r.pieces[1]->X, 20);
  EXPECT_EQ(r.pieces[1]->SizeZ, 8);
  auto h = Read({"= 45 120 12 -30 40 0 1"});
  EXPECT_EQ(h.header->RotZ, 120);
  EXPECT_EQ(h.header->OffsetX, -30);
  EXPECT_FALSE(h.header->StudsShown);
}

TEST(ModelFile, ShortLinesReadZerosAndEmptyWords) {
  auto r = Read({"= 70 30 10 0 0 1 1", "B 20 40"});
  ASSERT_EQ(r.pieces.size(), 1u);
  EXPECT_EQ(r.pieces[0]->Y, 40);
  EXPECT_EQ(r.pieces[0]->SizeX, 0);
  EXPECT_EQ(r.pieces[0]->PartName, "");
  EXPECT_EQ(r.pieces[0]->Step, 0);
}

TEST(ModelFile, TwoBlanksInARowZeroTheRestButGiveAnEmptyWord) {
  auto r = Read({"= 70 30 10 0 0 1 1", "B 20  40 24 40 80 8 255 1 0 0 0 0 3001 0",
                 "B 20 40 24 40 80 8 255 1 0 0 0 3  4"});
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[0]->X, 20);
  EXPECT_EQ(r.pieces[0]->Y, 0);
  EXPECT_EQ(r.pieces[0]->Color, 0u);
  EXPECT_EQ(r.pieces[0]->PartName, "");
  EXPECT_EQ(r.pieces[1]->Group, 3);
  EXPECT_EQ(r.pieces[1]->PartName, "");
  EXPECT_EQ(r.pieces[1]->Step, 4);
}

TEST(ModelFile, ABadNumberSkipsOnlyItsLine) {
  auto r = Read({"= 70 30 10 0 0 1 1", "B 20 4x0 24 40 80 8 255 1 0 0 0 0 3001 0",
                 "B 20 40 24 40 80 8 255 1 0 0 0 0 3001 0",
                 "B 99999999999 0 0 20 20 8 255 1 0 0 0 0 x 0"});
  ASSERT_EQ(r.pieces.size(), 1u);
  ASSERT_EQ(r.errors.size(), 2u);
  EXPECT_EQ(r.errors[0].lineNumber, 2);
  EXPECT_EQ(r.errors[0].message, "'4x0' is not a valid integer value");
  EXPECT_EQ(r.errors[1].lineNumber, 4);
}

TEST(ModelFile, UnknownLettersAreBoxesThatKeepTheirLetter) {
  auto r = Read({"= 70 30 10 0 0 1 1", "X 0 0 0 20 20 8 255 1 0 0 0 0 3005 0",
                 "  0 0 0 20 20 8 255 1 0 0 0 0 3005 0", "", "T 0 0 0 40 60 24 255 1 0 1 0 0 3298 0",
                 "T 0 0 0 60 40 24 255 1 0 1 0 0 3298 0"});
  ASSERT_EQ(r.pieces.size(), 4u);
  EXPECT_EQ(r.pieces[0]->BlockType, 'X');
  EXPECT_EQ(FormatPieceLine(*r.pieces[0]).substr(0, 2), "X ");
  EXPECT_EQ(r.pieces[1]->BlockType, 'B');  // a blank reads as a box
  auto control = Read({std::string(1, '\0') + " 0 0 0 20 20 8 255 1 0 0 0 0 3005 0"});
  ASSERT_EQ(control.pieces.size(), 1u);
  EXPECT_EQ(control.pieces[0]->BlockType, 'B');  // and so does a letter that cannot be written
  EXPECT_EQ(r.pieces[2]->Variant, 1);      // 40 by 60 at an odd direction: the 3-by-2 roof
  EXPECT_EQ(r.pieces[3]->Variant, 0);
}

TEST(ModelFile, LongLinesAreReadWhole) {
  std::string line = "B 20 40 24 40 80 8 255 1 0 0 0 0 ";
  line += std::string(256 - line.size(), 'p');  // the part name runs past character 256
  line += "q 7";
  auto r = Read({"= 70 30 10 0 0 1 1", line});
  ASSERT_EQ(r.pieces.size(), 1u);
  EXPECT_EQ(r.pieces[0]->PartName.back(), 'q');
  EXPECT_EQ(r.pieces[0]->Step, 7);
  EXPECT_EQ(FormatPieceLine(*r.pieces[0]), line);
}

TEST(ModelFile, HugeAndOddValuesStayWithinRange) {
  auto r = Read({"B 200000000 0 0 200000000 1 1 255 1 0 7 0 0 x 99999",
                 "= 1 1 1 1 1 1 1", "B 2147483647 0 0 2147483647 20 8 255 1 0 -3 0 0 x 0"});
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[0]->X, 2147483647);  // old units times 20, saturated
  EXPECT_EQ(r.pieces[0]->Direction, 3);
  EXPECT_EQ(r.pieces[0]->Step, 32767);
  EXPECT_EQ(r.pieces[1]->Right(), 2ll * 2147483647);
  EXPECT_EQ(r.pieces[1]->Direction, 1);
}

TEST(ModelFile, AGeneralPieceWithoutItsShapeIsReportedAndSkipped) {
  auto r = Read({"= 70 30 10 0 0 1 1", "G 0 0 0 40 40 24 255 1 0 0 0 nowhere.dat none 0 x 0",
                 "B 0 0 0 40 40 24 255 1 0 0 0 0 x 0"});
  ASSERT_EQ(r.pieces.size(), 1u);
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_EQ(r.errors[0].lineNumber, 2);
}

TEST(ModelFile, SubassemblyTakesOneGroupOneStepAndNoBaseplate) {
  ModelReadOptions options;
  options.mode = LoadMode::Subassembly;
  options.subassemblyGroup = 9;
  options.subassemblyStep = 2;
  auto r = Read({"= 45 120 12 -30 40 0 1", "B -160 -80 -8 320 160 8 255 1 1 0 0 0 3865 0",
                 "B 20 40 0 40 80 24 255 1 0 0 0 3 3001 5", "B 60 0 24 20 20 8 255 1 0 0 0 0 x 1"},
                options);
  EXPECT_FALSE(r.header.has_value());
  ASSERT_EQ(r.pieces.size(), 2u);
  for (const auto& p : r.pieces) {
    EXPECT_EQ(p->Group, 9);
    EXPECT_EQ(p->Step, 2);
  }
  EXPECT_EQ(r.bounds.minX, 20);
  EXPECT_EQ(r.bounds.minY, 0);
  EXPECT_EQ(r.bounds.maxX, 80);
  EXPECT_EQ(r.bounds.maxZ, 32);
}

TEST(ModelFile, CompleteModelReportsBaseplateHighestStepAndGroup) {
  auto r = Read({"= 70 30 10 0 0 1 1", "B -240 -120 -24 480 240 24 255 1 1 0 0 0  0",
                 "B 0 0 0 40 40 24 255 1 0 0 0 4 x 3", "B 0 0 24 40 40 24 255 1 0 0 0 2 x 1"});
  EXPECT_TRUE(r.baseplateSeen);
  EXPECT_EQ(r.baseSizeX, 24);
  EXPECT_EQ(r.baseSizeY, 12);
  EXPECT_TRUE(r.thickBase);
  EXPECT_EQ(r.highestStep, 3);
  EXPECT_EQ(r.highestGroup, 4);
}

TEST(ModelFile, SavedLinesRoundTripAndSkipCutAndUnselectedPieces) {
  TDocument doc;
  TShapeCache shapes;
  std::vector<std::string> lines = {"= 70 30 10 0 0 1 1",
                                    "B -160 -80 -8 320 160 8 12632256 1 1 0 0 0 3865 0",
                                    "R 0 0 0 40 40 24 255 1 0 0 1 2 3941 1",
                                    "W 40 0 0 20 40 48 16777215 0 0 3 0 0 60592 2"};
  auto r = ReadModelLines(lines, shapes);
  doc.ModelList.Clear();
  for (auto& p : r.pieces) doc.ModelList.Add(std::move(p));
  ModelHeader header;
  EXPECT_EQ(FormatModelLines(doc.ModelList, header, false), lines);
  doc.ModelList[1]->Selected = true;
  auto selected = FormatModelLines(doc.ModelList, header, true);
  ASSERT_EQ(selected.size(), 2u);
  EXPECT_EQ(selected[1], lines[2]);
  doc.SetZCutLevel(10, 0);
  EXPECT_EQ(FormatModelLines(doc.ModelList, header, false).size(), 2u);  // header and baseplate
}

TEST(ModelFile, LoadingAFileThatCannotBeReadKeepsTheCurrentModel) {
  TDocument doc;
  TShapeCache shapes;
  EXPECT_THROW(LoadCompleteModel(testing::TempDir() + "/missing.lgo", doc, shapes, 0), FileError);
  EXPECT_EQ(doc.ModelList.Count(), 1);
  const std::string path = testing::TempDir() + "/two.lgo";
  WriteTextLines(path, {"= 70 30 10 0 0 1 1", "B 0 0 0 40 40 24 255 1 0 0 0 6 x 2"});
  doc.GroupCounter = 3;
  auto r = LoadCompleteModel(path, doc, shapes, 0);
  EXPECT_EQ(doc.ModelList.Count(), 1);
  EXPECT_EQ(doc.GroupCounter, 6);
  EXPECT_EQ(doc.ModelList.StepLimit, 2);
}
