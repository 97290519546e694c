#include <gtest/gtest.h>

#include <functional>

#include "platform/Error.h"
#include "shapes/DrawClass.h"
#include "tests/shapes/ShapeFixtures.h"

namespace {

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const BrikoloError& e) {
    return e.what();
  }
  return "no error";
}

std::vector<int> Entries(const TDrawClass& s, int octant) {
  std::vector<int> out;
  for (int i = 0; i < s.GetDrawCount(octant); ++i) out.push_back(s.GetDrawOrder(octant, i));
  return out;
}

}  // namespace

TEST(DrawClass, BadIndicesRaiseTheirMessagesAndChangeNothing) {
  auto s = BrickShape();
  const auto before = TDrawClass::CreateCopy(*s);
  EXPECT_EQ(MessageOf([&] { s->GetPointCount(6); }), "Illegal polygon index");
  EXPECT_EQ(MessageOf([&] { s->SetColor(-1, 5); }), "Illegal polygon index");
  EXPECT_EQ(MessageOf([&] { s->SetPoint(0, 4, {1, 1, 1}); }), "Illegal point index");
  EXPECT_EQ(MessageOf([&] { s->GetPoint(9, 0); }), "Illegal polygon index");
  // Corners are inserted before an existing one, so one cannot be appended.
  EXPECT_EQ(MessageOf([&] { s->InsertPoint(0, 4, {1, 1, 1}); }), "Illegal point index");
  EXPECT_EQ(MessageOf([&] { s->DeletePoint(0, -1); }), "Illegal point index");
  EXPECT_EQ(MessageOf([&] { s->GetDrawCount(8); }), "Illegal octant for GetDrawCount");
  EXPECT_EQ(MessageOf([&] { s->SetDrawCount(-1, 0); }), "Illegal octant for SetDrawCount");
  EXPECT_EQ(MessageOf([&] { s->GetDrawOrder(8, 0); }), "Illegal octant for GetDrawOrder");
  EXPECT_EQ(MessageOf([&] { s->GetDrawOrder(0, 99); }), "Illegal face index for GetDrawOrder");
  EXPECT_EQ(MessageOf([&] { s->SetDrawOrder(8, 0, 1); }), "Illegal octant for SetDrawOrder");
  EXPECT_EQ(MessageOf([&] { s->SetDrawOrder(0, -1, 1); }), "Illegal face index for SetDrawOrder");
  EXPECT_EQ(ShapeDifference(*s, *before), "");
}

TEST(DrawClass, DrawCountOnlyShortensAndDrawOrderGrowsWithZeros) {
  auto s = BrickShape();
  s->SetDrawCount(0, 2);
  EXPECT_EQ(Entries(*s, 0), (std::vector<int>{0, 1}));
  s->SetDrawCount(0, 10);
  EXPECT_EQ(s->GetDrawCount(0), 2);
  s->SetDrawOrder(0, 5, 4);
  EXPECT_EQ(Entries(*s, 0), (std::vector<int>{0, 1, 0, 0, 0, 4}));
  s->SetDrawOrder(0, 1, 3);
  EXPECT_EQ(s->GetDrawOrder(0, 1), 3);
}

TEST(DrawClass, DeleteFaceKeepsListsStudsAndBitmapInStep) {
  auto s = BrickShape();
  s->TopFace = 2;
  s->TopStuds = {{10, 10, 0}};
  s->TopStudCount = 1;
  s->BottomFace = 4;
  s->BottomTubes = {{20, 20, 0}};
  s->BottomTubeCount = 1;
  s->BitmapFace = 3;
  s->DrawOrder[1].Clear();
  for (int f : {5, 2, 0, 2, 4}) s->DrawOrder[1].Add(f);
  s->DeleteFace(2);
  // The first occurrence goes; later indices move down.
  EXPECT_EQ(Entries(*s, 1), (std::vector<int>{4, 0, 2, 3}));
  EXPECT_EQ(Entries(*s, 0), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(s->TopFace, -1);
  EXPECT_EQ(s->TopStudCount, 0);
  EXPECT_TRUE(s->TopStuds.empty());
  EXPECT_EQ(s->BottomFace, 3);
  EXPECT_EQ(s->BottomTubeCount, 1);
  EXPECT_EQ(s->BitmapFace, 2);
  EXPECT_EQ(s->FaceCount, 5);
  EXPECT_EQ(s->GetPoint(2, 0), (Point3{0, 40, 0}));
  s->DeleteFace(2);
  EXPECT_EQ(s->BitmapFace, -1);  // gone with its face
}

TEST(DrawClass, PlaceStudsOnATwoByTwoBrick) {
  auto s = BrickShape();
  s->PlaceStuds(40, 40);
  EXPECT_EQ(s->TopFace, 0);
  EXPECT_EQ(s->BottomFace, 1);
  EXPECT_EQ(s->TopStuds, (std::vector<Point3>{{10, 10, 24}, {10, 30, 24}, {30, 10, 24}, {30, 30, 24}}));
  EXPECT_EQ(s->TopStudCount, 4);
  EXPECT_EQ(s->BottomTubes, (std::vector<Point3>{{20, 20, 0}}));
  EXPECT_EQ(s->BottomTubeCount, 1);

  // Once the top face is deleted nothing is placed any more, tubes included.
  s->DeleteFace(0);
  s->BottomTubes.clear();
  s->BottomTubeCount = 0;
  s->PlaceStuds(40, 40);
  EXPECT_EQ(s->TopStudCount, 0);
  EXPECT_EQ(s->BottomTubeCount, 0);
}

TEST(DrawClass, PlaceStudsNeedsAllFivePointsInsideTheHighestFlatFace) {
  // A 1 x 2 piece whose top at z 24 covers only y 0..18 and whose slope is not flat.
  auto s = TDrawClass::Create();
  s->SetBox(20, 40, 24);
  const Point3 low[4] = {{0, 0, 8}, {20, 0, 8}, {20, 40, 8}, {0, 40, 8}};
  const Point3 top[4] = {{0, 0, 24}, {20, 0, 24}, {20, 18, 24}, {0, 18, 24}};
  const Point3 slope[4] = {{0, 18, 24}, {20, 18, 24}, {20, 40, 30}, {0, 40, 30}};
  s->AddFace(low, 4);
  s->AddFace(slope, 4);
  s->AddFace(top, 4);
  s->BottomFace = -1;
  s->PlaceStuds(20, 40);
  EXPECT_EQ(s->TopFace, 2);
  ASSERT_EQ(s->TopStudCount, 1);  // (10, 30) lies outside the top
  EXPECT_EQ(s->TopStuds[0], (Point3{10, 10, 24}));
  // The edge at y 17 is outside the region, so (10, 10) + (0, 7) no longer fits.
  s->SetPoint(2, 2, {20, 17, 24});
  s->SetPoint(2, 3, {0, 17, 24});
  s->PlaceStuds(20, 40);
  EXPECT_EQ(s->TopStudCount, 0);
}

TEST(DrawClass, CreateCopyIsDeep) {
  auto s = BrickShape();
  s->PlaceStuds(40, 40);
  s->TopStuds[1].z = 30;
  s->TurnShift[3] = 2;
  s->BitmapName = "x.bmp";
  s->BitmapFace = 0;
  s->Variant = 7;
  s->HighlightFace = 2;
  auto copy = TDrawClass::CreateCopy(*s);
  EXPECT_EQ(ShapeDifference(*s, *copy), "");
  EXPECT_EQ(copy->HighlightFace, 2);
  copy->SetPoint(0, 0, {5, 5, 5});
  copy->DrawOrder[0].Add(1);
  copy->TopStuds[0].x = 99;
  EXPECT_EQ(s->GetPoint(0, 0), (Point3{0, 0, 24}));
  EXPECT_EQ(s->GetDrawCount(0), 6);
  EXPECT_EQ(s->TopStuds[0].x, 10);
}

TEST(DrawClass, TurnedShapeStaysInsideTheTurnedBox) {
  auto s = BrickShape();
  s->SetBox(40, 80, 24);
  const Point3 corners[4] = {{0, 0, 0}, {40, 0, 0}, {40, 80, 0}, {0, 80, 0}};
  for (int d = 0; d < 4; ++d) {
    const int sx = d % 2 ? 80 : 40, sy = d % 2 ? 40 : 80;
    for (const Point3& c : corners) {
      const Point3 t = s->Turned(c, d);
      EXPECT_TRUE(t.x >= 0 && t.x <= sx && t.y >= 0 && t.y <= sy) << "direction " << d;
    }
  }
  // After one turn the shape's x axis runs down the piece's y axis.
  EXPECT_EQ(s->Turned({10, 0, 3}, 1), (Point3{0, 30, 3}));
  EXPECT_EQ(s->Turned({10, 0, 3}, 3), (Point3{80, 10, 3}));
}
