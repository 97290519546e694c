#include <gtest/gtest.h>

#include "model/Block.h"

TEST(Block, ConstructorConvertsStudsAndPlates) {
  TBlock b(1, 2, 3, 2, 4, 1, 255, true, false, false, "3001");
  EXPECT_EQ(b.X, 20);
  EXPECT_EQ(b.Z, 24);
  EXPECT_EQ(b.SizeY, 80);
  EXPECT_EQ(b.SizeZ, 8);
  EXPECT_EQ(b.BlockType, 'B');
}
