#include <gtest/gtest.h>

#include "model/Block.h"
#include "pieces/Roof.h"
#include "pieces/RoofCorner.h"
#include "pieces/RoundBlock.h"
#include "workspace/BlockFactory.h"

namespace {

struct Brick2x4 : TBlock {
  Brick2x4() : TBlock(0, 0, 0, 2, 4, 3, 255, true, false, false, "3001") {}
};

}  // namespace

TEST(Block, ConstructorConvertsStudsAndPlatesToModelUnits) {
  TBlock b(1, 2, 3, 2, 4, 1, 255, true, false, false, "3001");
  EXPECT_EQ(b.X, 20);
  EXPECT_EQ(b.Y, 40);
  EXPECT_EQ(b.Z, 24);
  EXPECT_EQ(b.SizeX, 40);
  EXPECT_EQ(b.SizeY, 80);
  EXPECT_EQ(b.SizeZ, 8);
  EXPECT_EQ(b.BlockType, 'B');
  EXPECT_EQ(b.Step, 0);
  EXPECT_EQ(b.Direction, 0);
  EXPECT_EQ(b.Shape, nullptr);
}

TEST(Block, FourTurnsComeBackAndOneTurnSwapsSizes) {
  TBlock b(3, -2, 0, 2, 4, 3, 255, true, false, false, "3001");
  b.Turn();
  EXPECT_EQ(b.SizeX, 80);
  EXPECT_EQ(b.SizeY, 40);
  EXPECT_EQ(b.X, 60);
  EXPECT_EQ(b.Y, -40);
  EXPECT_EQ(b.Direction, 1);
  b.Turn();
  b.Turn();
  b.Turn();
  EXPECT_EQ(b.Direction, 0);
  EXPECT_EQ(b.SizeX, 40);
  EXPECT_EQ(b.SizeY, 80);
}

TEST(Block, RoundPieceDoesNotTurn) {
  TRoundBlock r(0, 0, 0, 2, 3, 3, 255, true, false, false, "");
  r.Turn();
  EXPECT_EQ(r.Direction, 0);
  EXPECT_EQ(r.SizeX, 40);
  EXPECT_EQ(r.SizeY, 60);
}

TEST(Block, TopOverIsStrictOnEverySide) {
  Brick2x4 b;  // 0..40 x 0..80, top 24
  EXPECT_EQ(b.TopOver(10, 10, 20, 20), 24);
  EXPECT_EQ(b.TopOver(40, 0, 20, 20), 0);      // touches the right edge only
  EXPECT_EQ(b.TopOver(-20, 0, 20, 20), 0);     // touches the left edge only
  EXPECT_EQ(b.TopOver(0, 80, 20, 20), 0);      // touches the back edge only
  EXPECT_EQ(b.TopOver(-10, -10, 11, 11), 24);  // overlaps one unit
}

TEST(Block, TopOverOfHugeCoordinatesDoesNotOverflow) {
  TBlock b;
  b.X = 2147483600;
  b.SizeX = 2000;
  b.SizeY = 20;
  b.SizeZ = 8;
  EXPECT_EQ(b.TopOver(2147483640, 0, 20, 20), 8);
  EXPECT_EQ(b.TopOver(-2147483600, 0, 20, 20), 0);
}

TEST(Block, CloneCopiesTheRecordButNotGroupOrSelection) {
  Brick2x4 b;
  b.Group = 7;
  b.Selected = true;
  b.Step = 3;
  b.Variant = 1;
  b.TopCover = 100;
  b.Direction = 2;
  auto copy = b.Clone();
  EXPECT_EQ(copy->Group, 0);
  EXPECT_FALSE(copy->Selected);
  EXPECT_EQ(copy->TopCover, 0);
  EXPECT_EQ(copy->Step, 3);
  EXPECT_EQ(copy->Variant, 1);
  EXPECT_EQ(copy->PartName, "3001");
  EXPECT_EQ(copy->Direction, 2);
}

TEST(Block, CloneKeepsTheClass) {
  TRoofTopEnd end(0, 0, 0, 2, 2, 3, 255, true, false, false, "3048");
  auto copy = end.Clone();
  EXPECT_NE(dynamic_cast<TRoofTopEnd*>(copy.get()), nullptr);
  EXPECT_EQ(copy->BlockType, 'E');
}

TEST(Block, RoofVariantFollowsTheStudCountsGivenToTheConstructor) {
  EXPECT_EQ(TRoof(0, 0, 0, 3, 2, 3, 255, true, false, false, "").Variant, 1);
  EXPECT_EQ(TRoof(0, 0, 0, 2, 3, 3, 255, true, false, false, "").Variant, 0);
  EXPECT_EQ(TRoofTop(0, 0, 0, 3, 2, 3, 255, true, false, false, "").Variant, 0);
  EXPECT_EQ(TRoofTopEnd(0, 0, 0, 3, 2, 3, 255, true, false, false, "").Variant, 0);
  EXPECT_EQ(TRoofCorner(0, 0, 0, 3, 2, 3, 255, true, false, false, "").Variant, 1);
  EXPECT_EQ(TRoofTopCorner(0, 0, 0, 3, 2, 3, 255, true, false, false, "").Variant, 1);
}

TEST(Block, EveryTypeLetterMakesItsClass) {
  const char* letters = "BTNCEIRWDOG";
  for (const char* l = letters; *l; ++l) {
    auto piece = CreateEmptyBlock(*l);
    EXPECT_EQ(piece->BlockType, *l);
    EXPECT_EQ(piece->SizeX, 0);
  }
  EXPECT_EQ(CreateEmptyBlock(' ')->BlockType, 'B');
  EXPECT_EQ(CreateEmptyBlock('X')->BlockType, 'X');
  const auto made = CreateEmptyBlock('X');
  const TBlock& unknown = *made;
  EXPECT_EQ(typeid(unknown), typeid(TBlock));
}
