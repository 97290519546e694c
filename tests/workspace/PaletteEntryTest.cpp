#include <gtest/gtest.h>

#include "shapes/GeneralBlock.h"
#include "shapes/ShapeCache.h"
#include "workspace/PaletteEntry.h"

namespace {

std::string PartsFolder() {
  return std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/";
}

}  // namespace

TEST(PaletteEntry, SizesAreStudsAndPlatesAndThePartNameFollowsTheBar) {
  TShapeCache shapes(PartsFolder());
  auto b = CreatePaletteBlock("2x4x3|3001", shapes);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->BlockType, 'B');
  EXPECT_EQ(b->SizeX, 40);
  EXPECT_EQ(b->SizeY, 80);
  EXPECT_EQ(b->SizeZ, 24);
  EXPECT_EQ(b->PartName, "3001");
  EXPECT_EQ(b->Color, 0xFFFFFFu);
  EXPECT_TRUE(b->HasStuds);
  EXPECT_FALSE(b->IsBaseplate);
  // The bounding box a carried set stands in for is written with a leading blank.
  auto box = CreatePaletteBlock(" 3x1x6", shapes);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->SizeZ, 48);
  EXPECT_EQ(box->PartName, "");
}

TEST(PaletteEntry, TheLetterNamesTheClassAndUnknownLettersMakeNothing) {
  TShapeCache shapes(PartsFolder());
  for (char letter : std::string("BTNCEIRWDO")) {
    auto p = CreatePaletteBlock(std::string(1, letter) + " 2x2x3", shapes);
    ASSERT_TRUE(p) << letter;
    EXPECT_EQ(p->BlockType, letter);
    // A clone keeps the class, so the letter decides the drawing code too.
    EXPECT_EQ(p->Clone()->BlockType, letter);
  }
  EXPECT_FALSE(CreatePaletteBlock("Q 2x2x3", shapes));
  EXPECT_FALSE(CreatePaletteBlock("M house", shapes));
}

TEST(PaletteEntry, BadNumbersMakeNothing) {
  TShapeCache shapes(PartsFolder());
  for (const char* text : {"", "2x4", "2x4x", "ax4x3", "2x4x3x1", "2.5x4x3", "0x4x3", "2x-4x3",
                           "99999999999x1x1", "20000x1x1", "b 2x4x3"})
    EXPECT_FALSE(CreatePaletteBlock(text, shapes)) << text;
  EXPECT_TRUE(CreatePaletteBlock("T  3x 2x 3 |3041", shapes));
}

TEST(PaletteEntry, GeneralEntriesTakeTheirSizesFromTheShape) {
  TShapeCache shapes(PartsFolder());
  const PaletteEntry e = ParsePaletteEntry("G  parts.dat ,  stdblock |3003");
  EXPECT_EQ(e.Kind, PaletteEntryKind::General);
  EXPECT_EQ(e.FileName, "parts.dat");
  EXPECT_EQ(e.SectionName, "stdblock");
  EXPECT_EQ(e.PartName, "3003");
  auto g = CreatePaletteBlock("G parts.dat, stdblock", shapes);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->BlockType, 'G');
  EXPECT_GT(g->SizeX, 0);
  EXPECT_GT(g->SizeZ, 0);
  EXPECT_NE(static_cast<TGeneralBlock&>(*g).GetShape(), nullptr);
  // Failures are swallowed: no piece, no message.
  EXPECT_FALSE(CreatePaletteBlock("G parts.dat, nosuchsection", shapes));
  EXPECT_FALSE(CreatePaletteBlock("G nosuchfile.dat, stdblock", shapes));
  EXPECT_FALSE(CreatePaletteBlock("G parts.dat", shapes));
  // Names become fields of a saved model line: no blank may split them.
  EXPECT_EQ(ParsePaletteEntry("G parts.dat, my block").Kind, PaletteEntryKind::Invalid);
  EXPECT_EQ(ParsePaletteEntry("2x4x3| brick  2x4 ").PartName, "brick__2x4");
}

TEST(PaletteEntry, ModelEntriesAndLabels) {
  const PaletteEntry m = ParsePaletteEntry(" M  my house ");
  EXPECT_EQ(m.Kind, PaletteEntryKind::Model);
  EXPECT_EQ(m.ModelName, "my house");
  // A model entry names a file in the program's folder and nowhere else.
  for (const char* entry : {"M", "M ../house", "M /tmp/house", "M sub\\house", "M .."})
    EXPECT_EQ(ParsePaletteEntry(entry).Kind, PaletteEntryKind::Invalid) << entry;

  const PaletteLabel named = PaletteEntryLabel(" 2x4x3|3001 ");
  EXPECT_TRUE(named.IsPartName);
  EXPECT_EQ(named.Text, "3001");
  const PaletteLabel bare = PaletteEntryLabel(" 1x1x1 ");
  EXPECT_FALSE(bare.IsPartName);
  EXPECT_EQ(bare.Text, "1x1x1");
}

TEST(PaletteEntry, APartFileGivesOneGeneralEntryPerSection) {
  EXPECT_EQ(EntriesOfPartFile("/some/where/mine.dat", {"[one]", "1 2 3", "", "[two]", "x"}),
            (std::vector<std::string>{"G mine.dat, one", "G mine.dat, two"}));
  EXPECT_TRUE(EntriesOfPartFile("empty.dat", {"no sections"}).empty());
}
