#include <gtest/gtest.h>

#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"
#include "tests/shapes/ShapeFixtures.h"

TEST(ShapeEditing, RowsShowTheFaceNumberSignedByItsOutlineAndCornersInColumns) {
  EXPECT_EQ(FaceRowText(0, 1), "1");
  EXPECT_EQ(FaceRowText(2, -2), "-3");
  EXPECT_EQ(FaceRowText(2, 8), "-3");  // per-edge mode is no full outline
  EXPECT_EQ(FaceRowText(4, 0), "-5");
  EXPECT_EQ(CornerRowText({0, 40, 24}), "   0  40  24");
  EXPECT_EQ(CornerRowText({-20, 960, -8}), " -20 960  -8");
}

TEST(ShapeEditing, SwitchingEdgesBordersAndTransparency) {
  struct EdgeCase {
    int outline, corner, switched;
  };
  for (const EdgeCase& c : {EdgeCase{1, 2, 8},
                            {8, 2, 1},
                            {8, 0, 10},
                            {0, 0, 2},
                            {-2, 0, -4},
                            {1, 30, static_cast<int>(0x80000000u)},
                            {1, 31, 1}})
    EXPECT_EQ(SwitchedEdge(c.outline, c.corner), c.switched) << c.outline << " " << c.corner;

  // The marks follow what is drawn: nothing without outline, everything with
  // the full one, per-edge mode by its bits (bit 0 plays no part there).
  EXPECT_FALSE(EdgeStroked(0, 0));
  EXPECT_TRUE(EdgeStroked(1, 40));
  EXPECT_FALSE(EdgeStroked(8, 2));
  EXPECT_TRUE(EdgeStroked(8, 1));
  EXPECT_FALSE(EdgeStroked(3, 0));
  EXPECT_TRUE(EdgeStroked(3, 1));
  EXPECT_FALSE(EdgeStroked(8, 31));  // beyond the first 31 edges nothing is stroked

  EXPECT_EQ(SwitchedBorder(-2), 1);
  EXPECT_EQ(SwitchedBorder(8), 1);
  EXPECT_EQ(SwitchedBorder(1), -2);

  struct ColorCase {
    int color, once, twice;
  };
  for (const ColorCase& c :
       {ColorCase{0, -0xFFFFFF, 0}, {0x00FF00, -0x00FF00, 0x00FF00}, {0xFFFFFF, -0xFFFFFF, 0}})
    EXPECT_EQ(SwitchedTransparency(c.color), c.once) << c.color;
  for (const ColorCase& c :
       {ColorCase{0, -0xFFFFFF, 0}, {0x00FF00, -0x00FF00, 0x00FF00}, {0xFFFFFF, -0xFFFFFF, 0}})
    EXPECT_EQ(SwitchedTransparency(c.once), c.twice) << c.color;
}

TEST(ShapeEditing, DrawOrdersAreRewrittenWholeAndEmptiedFacesTakeCornersAgain) {
  auto s = BrickShape();
  WriteDrawOrder(*s, 3, {5, 4});
  EXPECT_EQ(DrawOrderOf(*s, 3), (std::vector<int>{5, 4}));
  WriteDrawOrder(*s, 3, {1, 2, 3});
  EXPECT_EQ(DrawOrderOf(*s, 3), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(DrawOrderOf(*s, 2), (std::vector<int>{0, 1, 2, 3, 4, 5}));

  MoveFace(*s, 0, {1, -2, 3});
  EXPECT_EQ(s->GetPoint(0, 2), (Point3{41, 38, 27}));
  for (int i = 0; i < 4; ++i) s->DeletePoint(0, 0);
  s->InsertPoint(0, 0, {5, 5, 5});
  EXPECT_EQ(s->GetPointCount(0), 1);
  EXPECT_THROW(s->InsertPoint(0, 1, {}), std::exception);
}
