// Boxes and baseplates that no record matches are exported as several parts
// that records do match: they must fill the box exactly, without overlaps.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "model/Block.h"
#include "output/LDrawExport.h"
#include "output/LDrawTiling.h"
#include "output/MappingList.h"

namespace {

// Bricks and plates as the shipped list has them, a few tiles and baseplates.
TMappingList SmallList() {
  return TMappingList::FromLines({
      "B 1 1 3 1 16 0 0 0 0 3005.DAT 0",
      "B 1 2 3 1 16 0 0 0 0 3004.DAT 0",
      "B 2 2 3 1 16 0 0 0 0 3003.DAT 0",
      "B 2 4 3 1 16 0 0 0 0 3001.DAT 0",
      "B 1 1 1 1 16 0 0 0 0 3024.DAT 0",
      "B 1 2 1 1 16 0 0 0 0 3023b.DAT 0",
      "B 2 4 1 1 16 0 0 0 0 3020.DAT 0",
      "B 4 4 1 1 16 0 0 0 0 3031.DAT 0",
      "B 1 1 1 0 16 0 0 0 0 3070b.DAT 0",
      "B 2 2 1 0 16 0 0 0 0 3068b.DAT 0",
      "B 8 16 1 1 16 0 0 0 0 3865.DAT 0",
      "B 16 16 1 1 16 0 0 0 0 3867.DAT 0",
      "T 2 2 3 1 16 0 0 10 0 3039.DAT 0",
  });
}

std::unique_ptr<TBlock> Box(int x, int y, int z, int sx, int sy, int sz, bool studs,
                            bool baseplate = false) {
  auto b = std::make_unique<TBlock>();
  b->X = x, b->Y = y, b->Z = z, b->SizeX = sx, b->SizeY = sy, b->SizeZ = sz;
  b->HasStuds = studs;
  b->IsBaseplate = baseplate;
  b->Color = 0x0000FF;
  return b;
}

// Every unit cube (20 x 20 x 8) of the box covered exactly once, nothing outside.
void ExpectExactCover(const TBlock& box, const std::vector<std::unique_ptr<TBlock>>& tiles) {
  std::map<std::tuple<int, int, int>, int> covered;
  for (const auto& t : tiles)
    for (int x = t->X; x < t->Right(); x += 20)
      for (int y = t->Y; y < t->Back(); y += 20)
        for (int z = t->Z; z < t->Top(); z += 8) ++covered[{x, y, z}];
  const std::size_t cells =
      static_cast<std::size_t>(box.SizeX / 20) * (box.SizeY / 20) * (box.SizeZ / 8);
  EXPECT_EQ(covered.size(), cells);
  for (const auto& [cell, count] : covered) {
    const auto [x, y, z] = cell;
    EXPECT_EQ(count, 1) << "overlap at " << x << "," << y << "," << z;
    EXPECT_TRUE(x >= box.X && x < box.Right() && y >= box.Y && y < box.Back() && z >= box.Z &&
                z < box.Top())
        << "outside at " << x << "," << y << "," << z;
  }
}

}  // namespace

TEST(LDrawTiling, UnmappedBoxesAreFilledByRecordsOfTheirKind) {
  struct Case {
    const char* what;
    int sx, sy, sz;
    bool studs, baseplate;
    std::size_t tiles;
    std::set<std::string> parts;
  } cases[] = {
      {"a 4-by-4 brick: two 2-by-4 bricks", 80, 80, 24, true, false, 2, {"3001"}},
      // clang-format off
      {"a 3-by-3 plate: the largest that fits first", 60, 60, 8, true, false, 5, {"3023b", "3024"}},
      {"two bricks and a plate high", 40, 40, 56, true, false, 4, {"3003", "3023b"}},
      {"a smooth 2-by-2 brick: plates under tiles", 40, 40, 24, false, false, 5, {"3023b", "3068b"}},
      {"a 24-by-24 baseplate: baseplates and plates", 480, 480, 8, true, true, 7,
       {"3867", "3865", "3031"}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMappingList list = SmallList();
    auto box = Box(-100, 40, 8, c.sx, c.sy, c.sz, c.studs, c.baseplate);
    const auto tiles = TileBox(*box, list);
    ExpectExactCover(*box, tiles);
    EXPECT_EQ(tiles.size(), c.tiles);
    // Exported, every tile finds a record and the top layer keeps the piece's studs.
    LDrawExportResult out;
    ConvertPiece(*box, list, out);
    EXPECT_EQ(out.piecesLeftOut, 0);
    EXPECT_EQ(out.lines.size(), c.tiles);
    std::set<std::string> parts;
    for (const auto& t : tiles) {
      ConvertPiece(*t, list, out);
      parts.insert(t->PartName);
      if (t->Top() == box->Top()) {
        EXPECT_EQ(t->HasStuds, c.studs);
      }
      EXPECT_EQ(t->IsBaseplate, c.baseplate);
      EXPECT_EQ(t->Color, box->Color);
    }
    EXPECT_EQ(parts, c.parts);
    EXPECT_EQ(list.Records().size(), SmallList().Records().size()) << "no record was made";
  }
}

TEST(LDrawTiling, WhatCannotBeTiledIsLeftOutAndNamed) {
  TMappingList list = SmallList();
  std::unique_ptr<TBlock> cannot[] = {
      Box(0, 0, 0, 30, 40, 24, true),  // not whole studs
      Box(0, 0, 0, 40, 40, 12, true),  // not whole plates
  };
  for (auto& piece : cannot) EXPECT_TRUE(TileBox(*piece, list).empty());

  // Only box pieces are tiled; a named piece makes its record instead.
  auto roof = Box(0, 0, 0, 60, 60, 24, true);
  roof->BlockType = 'T';
  LDrawExportResult out;
  ConvertPiece(*roof, list, out);
  EXPECT_EQ(out.piecesLeftOut, 1);
  ASSERT_EQ(out.problems.size(), 1u);
  EXPECT_EQ(out.problems[0], "No LDraw part for the piece T 3x3x3 at 0, 0, 0: it is left out");

  auto named = Box(0, 0, 0, 80, 80, 24, true);
  named->PartName = "6216m";
  out = LDrawExportResult{};
  ConvertPiece(*named, list, out);
  ASSERT_EQ(out.lines.size(), 1u);
  EXPECT_NE(out.lines[0].find("6216m.dat"), std::string::npos);
}
