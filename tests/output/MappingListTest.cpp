#include <gtest/gtest.h>

#include "model/Block.h"
#include "output/LDrawColour.h"
#include "output/LDrawRecord.h"
#include "output/MappingList.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "tests/output/TempFolder.h"
#include "workspace/BlockFactory.h"

TEST(MappingLine, ReadsFieldsFromTheThirdCharacterAndCutsTheExtension) {
  auto r = ParseMappingLine("Tx2 3 3 1 16 -4 5 10 7 3038.DAT 1 parts.dat Roof33");
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->TypeLetter, 'T');
  EXPECT_EQ(r->Width, 2);  // the second character is skipped, whatever it is
  EXPECT_EQ(r->Length, 3);
  EXPECT_EQ(r->Height, 3);
  EXPECT_EQ(r->OffsetAlong, -4);
  EXPECT_EQ(r->OffsetUp, 5);
  EXPECT_EQ(r->OffsetAcross, 10);
  EXPECT_EQ(r->Rotation, 7);
  EXPECT_EQ(r->LDrawName, "3038");
  EXPECT_EQ(r->Marker, 1);
  EXPECT_EQ(r->DefinitionFile, "parts.dat");
  EXPECT_EQ(r->Section, "Roof33");

  // Whatever the last four characters are, they go; a missing word is empty.
  r = ParseMappingLine("B 1 1 3 1 16 0 0 0 0 3005xldr");
  EXPECT_EQ(r->LDrawName, "3005");
  EXPECT_EQ(r->Marker, 0);
  EXPECT_EQ(r->Section, "");
}

TEST(MappingLine, ShortAndCommentLinesHoldNoRecord) {
  const std::string line23 = "B 1 1 3 1 16 0 0 0 0 ab";
  ASSERT_EQ(line23.size(), 23u);
  EXPECT_FALSE(ParseMappingLine(line23).has_value());
  EXPECT_TRUE(ParseMappingLine(line23 + "c").has_value());
  EXPECT_FALSE(ParseMappingLine("; B 1 1 3 1 16 0 0 0 0 3005.DAT 0").has_value());
}

TEST(MappingList, LineWithABadNumberIsSkippedAndReported) {
  auto list = TMappingList::FromLines({"B 1 1 3 1 16 0 0 0 0 3005.DAT 0",
                                       "B 1 2x 3 1 16 0 0 0 0 3004.DAT 0",
                                       "B 2 2 3 1 16 0 0 0 0 3003.DAT 0"});
  ASSERT_EQ(list.Records().size(), 2u);
  EXPECT_EQ(list.Records()[1].LDrawName, "3003");
  ASSERT_EQ(list.LineProblems().size(), 1u);
  EXPECT_NE(list.LineProblems()[0].find("line 2"), std::string::npos);
}

TEST(LDrawColour, ColourFieldsComeFirstThenTheNearestRow) {
  EXPECT_EQ(LDrawCodeOf(0x0000FF), 4);    // Edit1
  EXPECT_EQ(LDrawCodeOf(0x7BB6D2), 382);  // Edit9
  EXPECT_EQ(LDrawCodeOf(0xFFFF00), 43);   // Edit14; the nearest row would give 11
  EXPECT_EQ(LDrawCodeOf(0x808040), 2);    // Edit13; the nearest row would give 3
  // Not a field: the nearest row. White lies exactly on rows 15 and 16; the
  // earlier row (code 15, not 0) wins the tie.
  EXPECT_EQ(LDrawCodeOf(RGB(255, 255, 254)), 15);
}

namespace {

std::unique_ptr<TBlock> Piece(char letter, int lengthX, int widthY, int plates,
                              const std::string& name, bool studs = true) {
  auto p = CreateEmptyBlock(letter);
  p->SizeX = lengthX * 20;
  p->SizeY = widthY * 20;
  p->SizeZ = plates * 8;
  p->HasStuds = studs;
  p->PartName = name;
  return p;
}

}  // namespace

TEST(FindMapping, ByNameNeedsMarkerStudsAndFootprintButNotTheLetter) {
  auto list = TMappingList::FromLines({
      "T 2 3 3 1 16 1 0 0 0 3038.DAT 0",  // marker 0: not for a Variant-1 roof
      "B 2 3 3 0 16 2 0 0 0 3038.DAT 1",  // no studs
      "B 2 2 3 1 16 3 0 0 0 3038.DAT 1",  // another footprint
      "X 2 3 3 1 16 4 0 0 0 3038.DAT 1",  // letter differs, but names need no letter
  });
  auto roof = Piece('T', 3, 2, 3, "3038");
  roof->Variant = 1;
  std::vector<std::string> problems;
  TMapping m = list.FindMapping(*roof, problems);
  EXPECT_TRUE(m.Found);
  EXPECT_EQ(m.OffsetAlong, 4);

  // Names compare without case; the piece takes the record's spelling.
  list = TMappingList::FromLines({"B 2 2 3 1 16 5 0 0 0 3003ABC.DAT 0"});
  auto brick = Piece('B', 2, 2, 3, "3003abc");
  m = list.FindMapping(*brick, problems);
  EXPECT_EQ(m.OffsetAlong, 5);
  EXPECT_EQ(brick->PartName, "3003ABC");
  EXPECT_EQ(list.Records().size(), 1u);
}

TEST(FindMapping, ByKindCancelsTheNewRecordExceptForGeneralPieces) {
  // A studless plate named as a plate finds the tile of its size and becomes it.
  auto list = TMappingList::FromLines({"B 2 2 1 1 16 0 0 0 0 3022.DAT 0",
                                       "B 2 2 1 0 16 0 0 0 0 3068b.DAT 0"});
  auto plate = Piece('B', 2, 2, 1, "3022", false);
  std::vector<std::string> problems;
  EXPECT_TRUE(list.FindMapping(*plate, problems).Found);
  EXPECT_EQ(plate->PartName, "3068b");
  EXPECT_EQ(list.Records().size(), 2u);

  // A general piece found by its shape keeps a record of its own name, with
  // the numbers of the record found.
  auto general = Piece('G', 2, 2, 3, "mybrick");
  // Unbound stubs report empty shape names, so the record is found through
  // an empty file and section here.
  list = TMappingList::FromLines({"G 2 2 3 1 16 0 6 0 3 3003.DAT 0"});
  TMapping m = list.FindMapping(*general, problems);
  EXPECT_TRUE(m.Found);
  EXPECT_EQ(m.OffsetUp, 6);
  EXPECT_EQ(m.Rotation, 3);
  EXPECT_EQ(general->PartName, "mybrick");
  ASSERT_EQ(list.Records().size(), 2u);
  EXPECT_EQ(FormatMappingLine(list.Records()[1]), "G 2 2 3 1 16 0 6 0 3 mybrick.DAT 0  ");
}

TEST(FindMapping, UnknownNameMakesARecordOfThePieceAndUnnamedPiecesStayUnmapped) {
  auto list = TMappingList::FromLines({"B 2 2 3 1 16 0 0 0 0 3003.DAT 0"});
  std::vector<std::string> problems;
  auto unnamed = Piece('B', 2, 5, 3, "");
  EXPECT_FALSE(list.FindMapping(*unnamed, problems).Found);
  EXPECT_EQ(list.Records().size(), 1u);

  // A 5-wide window turned once: the record describes it unturned.
  auto frame = Piece('W', 5, 1, 6, "myframe");
  frame->Turn();
  TMapping m = list.FindMapping(*frame, problems);
  EXPECT_TRUE(m.Found);
  EXPECT_EQ(m.Rotation, 0);
  ASSERT_EQ(list.Records().size(), 2u);
  EXPECT_EQ(FormatMappingLine(list.Records()[1]), "W 1 5 6 1 16 0 0 0 0 myframe.DAT 0  ");
  // The next piece of that name finds it.
  auto again = Piece('W', 5, 1, 6, "myframe");
  EXPECT_TRUE(list.FindMapping(*again, problems).Found);
  EXPECT_EQ(list.Records().size(), 2u);
  EXPECT_TRUE(problems.empty());
}

TEST(MappingList, NewRecordsGoAtTheEndAndTheOtherBytesStay) {
  TempFolder folder;
  const std::string file = folder / "bo2ld.lst";
  // Comments, a short line, LF and CR LF ends, and no end on the last line.
  const std::string before =
      "; my own list\r\n"
      "B 2 2 3 1 16 0 0 0 0 3003.DAT 0\n"
      "short\r\n"
      ";; trailing comment without end";
  WriteBytes(file, before);
  TMappingList list = TMappingList::Load(file);
  ASSERT_EQ(list.Records().size(), 1u);
  std::vector<std::string> problems;
  auto a = Piece('B', 1, 7, 3, "x1");
  auto b = Piece('R', 1, 1, 2, "x2");
  list.FindMapping(*a, problems);
  list.FindMapping(*b, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(ReadFileBytes(file), before +
                                     "\r\nB 7 1 3 1 16 0 0 0 0 x1.DAT 0  \r\n"
                                     "R 1 1 2 1 16 0 0 0 0 x2.DAT 0  \r\n");
  // Read afresh, the list holds all three records.
  EXPECT_EQ(TMappingList::Load(file).Records().size(), 3u);
}

TEST(MappingList, ReplacingARecordRewritesOnlyItsLineAndAFailedWriteKeepsTheOldList) {
  TempFolder folder;
  const std::string path = folder / "bo2ld.lst";
  WriteTextLines(path, {"; comment", "B 2 4 3 1 16 0 0 0 0 3001.DAT 0", "short",
                        "B 2 2 3 1 16 0 0 0 0 3003.DAT 0"});
  TMappingList list = TMappingList::Load(path);
  TLDrawRecord r = list.Records()[1];
  r.OffsetAlong = 5;
  r.OffsetUp = -8;
  r.Rotation = 4;
  list.Replace(1, r);
  EXPECT_EQ(list.Records()[1].OffsetUp, -8);
  EXPECT_EQ(ReadTextLines(path),
            (std::vector<std::string>{"; comment", "B 2 4 3 1 16 0 0 0 0 3001.DAT 0", "short",
                                      "B 2 2 3 1 16 5 -8 0 4 3003.DAT 0  "}));

  // A folder in the file's place cannot be rewritten; the list keeps its record.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  r.OffsetUp = 99;
  EXPECT_THROW(list.Replace(1, r), FileError);
  EXPECT_EQ(list.Records()[1].OffsetUp, -8);
}
