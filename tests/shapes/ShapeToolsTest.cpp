#include <gtest/gtest.h>

#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeTools.h"
#include "tests/shapes/ShapeFixtures.h"

namespace {

std::unique_ptr<TDrawClass> OneFace(std::vector<Point3> corners) {
  auto s = TDrawClass::Create();
  s->AddFace(corners.data(), static_cast<int>(corners.size()));
  return s;
}

std::vector<Point3> Corners(const TDrawClass& s, int face) {
  return s.Faces[static_cast<std::size_t>(face)].Points;
}

}  // namespace

TEST(ShapeTools, ExtrudingTheUnitSquareGivesFourSidesInCornerOrder) {
  auto s = OneFace({{0, 0, 0}, {0, 20, 0}, {20, 20, 0}, {20, 0, 0}});
  s->Faces[0].Color = 255;
  EXPECT_EQ(Extrude(*s, 0, 24), 4);
  ASSERT_EQ(s->FaceCount, 5);
  EXPECT_EQ(Corners(*s, 1), (std::vector<Point3>{{0, 0, 0}, {0, 20, 0}, {0, 20, 24}, {0, 0, 24}}));
  EXPECT_EQ(Corners(*s, 4), (std::vector<Point3>{{20, 0, 0}, {0, 0, 0}, {0, 0, 24}, {20, 0, 24}}));
  for (int f = 1; f < 5; ++f) {
    EXPECT_EQ(s->GetOutline(f), 1);
    EXPECT_EQ(s->GetColor(f), 0);
    EXPECT_EQ(s->GetDetail(f), 0);
  }
  for (int o = 0; o < 8; ++o) EXPECT_EQ(DrawOrderOf(*s, o), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Corners(*s, 0)[0], (Point3{0, 0, 0}));  // the face itself stays where it was
}

TEST(ShapeTools, ExtrudingUsesTheFirstFlatAxisAndNeedsOne) {
  auto line = OneFace({{10, 0, 8}, {10, 20, 8}});  // flat in x and in z
  EXPECT_EQ(Extrude(*line, 0, -10), 2);
  EXPECT_EQ(Corners(*line, 1),
            (std::vector<Point3>{{10, 0, 8}, {10, 20, 8}, {0, 20, 8}, {0, 0, 8}}));
  auto slanted = OneFace({{0, 0, 0}, {20, 0, 8}, {20, 20, 16}});
  EXPECT_EQ(Extrude(*slanted, 0, 24), 0);
  EXPECT_EQ(slanted->FaceCount, 1);
  auto wide = OneFace({{0, 0, 2147483600}, {20, 0, 2147483600}, {20, 20, 2147483600}});
  Extrude(*wide, 0, 100);  // the far side stops at the end of the 32-bit range
  EXPECT_EQ(Corners(*wide, 1)[2].z, 2147483647);
}

TEST(ShapeTools, MirroringUsesTheLargestCoordinateXRoundedToStuds) {
  auto s = TDrawClass::Create();
  const Point3 a[3] = {{10, 0, 0}, {30, 30, 0}, {0, 10, 5}};
  const Point3 b[2] = {{0, 0, 0}, {20, 5, 0}};
  s->AddFace(a, 3);
  s->AddFace(b, 2);
  MirrorFaces(*s, 0, Axis::X);
  EXPECT_EQ(Corners(*s, 0), (std::vector<Point3>{{30, 0, 0}, {10, 30, 0}, {40, 10, 5}}));
  EXPECT_EQ(Corners(*s, 1), (std::vector<Point3>{{0, 0, 0}, {20, 5, 0}}));  // only the face
  MirrorFaces(*s, -1, Axis::Y);  // the largest y, 30, as it is
  EXPECT_EQ(Corners(*s, 0), (std::vector<Point3>{{30, 30, 0}, {10, 0, 0}, {40, 20, 5}}));
  EXPECT_EQ(Corners(*s, 1), (std::vector<Point3>{{0, 30, 0}, {20, 25, 0}}));
  // Coordinates at the fields' ends count as well: a true maximum, not one from -9999.
  auto low = OneFace({{-9999, 0, -9999}, {-9999, 20, -9999}});
  MirrorFaces(*low, -1, Axis::Z);
  EXPECT_EQ(Corners(*low, 0)[0].z, 0);
  MirrorFaces(*low, 5, Axis::Z);  // no such face: nothing
  EXPECT_EQ(Corners(*low, 0)[0].z, 0);
}

TEST(ShapeTools, SortingPaintsTheNearerFaceLater) {
  auto s = TDrawClass::Create();
  const Point3 top[4] = {{0, 0, 24}, {40, 0, 24}, {40, 40, 24}, {0, 40, 24}};
  const Point3 bottom[4] = {{0, 0, 0}, {40, 0, 0}, {40, 40, 0}, {0, 40, 0}};
  s->AddFace(top, 4);
  s->AddFace(bottom, 4);
  SortDrawOrder(*s, 0);  // from above the top is near
  EXPECT_EQ(DrawOrderOf(*s, 0), (std::vector<int>{1, 0}));
  SortDrawOrder(*s, 4);  // from below the bottom is near: back to the top first
  EXPECT_EQ(DrawOrderOf(*s, 4), (std::vector<int>{0, 1}));

  // Three walls across x listed near to far for octant 2 (seen from high x):
  // reversing them takes both passes.
  auto walls = TDrawClass::Create();
  for (int x : {0, 20, 40}) {
    const Point3 wall[4] = {{x, 0, 0}, {x, 40, 0}, {x, 40, 24}, {x, 0, 24}};
    walls->AddFace(wall, 4);
  }
  WriteDrawOrder(*walls, 2, {2, 1, 0});
  WriteDrawOrder(*walls, 0, {2, 1, 0});
  SortDrawOrder(*walls, 2);
  EXPECT_EQ(DrawOrderOf(*walls, 2), (std::vector<int>{0, 1, 2}));
  SortDrawOrder(*walls, 0);  // from low x that order was right already
  EXPECT_EQ(DrawOrderOf(*walls, 0), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(DrawOrderOf(*walls, 3), (std::vector<int>{0, 1, 2}));  // other octants stay
}

TEST(ShapeTools, StretchingMovesTheFarHalfAndPlacesTheStudsAgain) {
  auto s = BrickShape();
  StretchShape(*s, {40, 40, 24}, {60, 40, 24});
  EXPECT_EQ(Corners(*s, 0),
            (std::vector<Point3>{{0, 0, 24}, {60, 0, 24}, {60, 40, 24}, {0, 40, 24}}));
  EXPECT_EQ(Corners(*s, 4)[0].x, 0);   // x 0 stays
  EXPECT_EQ(Corners(*s, 5)[0].x, 60);  // x 40 moves with the far side
  EXPECT_EQ(s->BoxX, 60);
  EXPECT_EQ(s->TopStudCount, 6);
  EXPECT_EQ(s->BottomTubeCount, 2);
  auto edge = OneFace({{20, 0, 0}, {21, 0, 12}, {40, 0, 13}});
  StretchShape(*edge, {40, 40, 24}, {60, 30, 16});
  EXPECT_EQ(Corners(*edge, 0), (std::vector<Point3>{{20, 0, 0}, {41, 0, 12}, {60, 0, 5}}));
  EXPECT_EQ(edge->BoxY, 30);
}

TEST(ShapeTools, StudsFindTheirFaceAtTheEndsOfTheCornerRange) {
  auto s = TDrawClass::Create();
  const Point3 slope[4] = {{0, 0, -9999}, {40, 0, -9990}, {40, 40, -9990}, {0, 40, -9999}};
  const Point3 low[4] = {{0, 0, -9999}, {40, 0, -9999}, {40, 40, -9999}, {0, 40, -9999}};
  s->AddFace(slope, 4);
  s->AddFace(low, 4);
  s->PlaceStuds(40, 40);
  EXPECT_EQ(s->TopFace, 1);  // the only flat face, though it lies at the very bottom of the range
  EXPECT_EQ(s->TopStudCount, 4);
  EXPECT_EQ(s->TopStuds[0].z, -9999);
}
