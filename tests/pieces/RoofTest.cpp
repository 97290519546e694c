#include <gtest/gtest.h>

#include "pieces/Roof.h"
#include "pieces/RoofCorner.h"
#include "render/Studs.h"
#include "tests/pieces/PieceDrawing.h"

namespace {

constexpr TColor kGrey = 0xF0F0F0;

struct Shades {
  TColor x, y, top, slopeToMinusY, slopeToMinusX, slopeToPlusY, slopeToPlusX;
};

class RoofDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDistinctLight(rc);
    rc.switches.Shading = true;
    SetView(rc, 60, 30);
  }
  Shades WorldShades() const {
    const float* f = rc.view.FaceLight;
    return {ShadeColor(kGrey, f[1]), ShadeColor(kGrey, f[0]), ShadeColor(kGrey, f[2]),
            ShadeColor(kGrey, f[3]), ShadeColor(kGrey, f[4]), ShadeColor(kGrey, f[5]),
            ShadeColor(kGrey, f[6])};
  }
  template <class T>
  std::unique_ptr<T> Make(int sx, int sy, int turns = 0) {
    auto roof = std::make_unique<T>(1, -2, 0, sx, sy, 3, kGrey, true, false, false, "");
    for (int i = 0; i < turns; ++i) roof->Turn();
    return roof;
  }
  RenderContext rc;
  RecordingCanvas canvas;
};

TEST_F(RoofDrawing, TurnedOnceStudsRunInAColumnAlongTheFlatStrip) {
  auto roof = Make<TRoof>(4, 2, 1);
  ASSERT_EQ(roof->SizeX, 40);
  ASSERT_EQ(roof->SizeY, 80);
  roof->Draw(canvas, rc);

  RecordingCanvas expected;
  for (int k = 0; k < 4; ++k) {
    const TPoint foot = rc.view.ProjectPoint(roof->X + 10, roof->Y + 10 + 20 * k, 24);
    DrawStud(expected, rc, foot.x, foot.y);
  }
  const auto studs = canvas.Only(Kind::Polyline);
  ASSERT_EQ(studs.size(), 4u);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(studs[k].points, expected.calls[k].points) << k;
}

TEST_F(RoofDrawing, EachTurnPointsTheSlopeOneQuarterFurther) {
  // World corners of the front slope: low edge at the eave (6), high edge at
  // the top (24) one stud in from the back.
  for (int turns = 0; turns < 4; ++turns) {
    auto roof = Make<TRoof>(4, 2, turns);
    const int X = roof->X, Y = roof->Y, R = X + roof->SizeX, B = Y + roof->SizeY;
    const std::vector<Point3> slopes[4] = {
        {{X, B, 6}, {R, B, 6}, {R, Y + 20, 24}, {X, Y + 20, 24}},  // falls towards +y
        {{R, B, 6}, {R, Y, 6}, {X + 20, Y, 24}, {X + 20, B, 24}},  // +x
        {{R, Y, 6}, {X, Y, 6}, {X, B - 20, 24}, {R, B - 20, 24}},  // -y
        {{X, Y, 6}, {X, B, 6}, {R - 20, B, 24}, {R - 20, Y, 24}},  // -x
    };
    const Shades s = WorldShades();
    const TColor shade[4] = {s.slopeToPlusY, s.slopeToPlusX, s.slopeToMinusY, s.slopeToMinusX};
    canvas.Clear();
    roof->Draw(canvas, rc);
    int found = 0;
    for (const auto& face : canvas.Only(Kind::Polygon)) {
      if (face.brush != shade[turns]) continue;
      ++found;
      std::vector<TPoint> expected;
      for (const Point3& p : slopes[turns]) expected.push_back(rc.view.ProjectPoint(p));
      EXPECT_TRUE(SamePoints(face.points, expected)) << "turns " << turns;
    }
    EXPECT_GE(found, 1) << "turns " << turns;
  }
}

TEST_F(RoofDrawing, FacesComeInGroupsBackToFrontForEveryOctant) {
  const Shades s = WorldShades();
  struct Case {
    int rotX, rotZ, turns;
    std::vector<TColor> brushes;
  };
  // Straight roof, slope towards +y when not turned: top = slope + flat strip,
  // end walls are x faces, the front is slope + eave strip, the back one wall.
  const std::vector<Case> cases = {
      {60, 30, 0, {s.slopeToPlusY, s.top, s.x, s.slopeToPlusY, s.y}},   // top, -x, +y
      {60, 120, 0, {s.slopeToPlusY, s.top, s.x, s.y}},                  // top, -x, -y
      {60, 210, 0, {s.slopeToPlusY, s.top, s.x, s.y}},                  // top, +x, -y
      {60, 300, 0, {s.slopeToPlusY, s.top, s.x, s.slopeToPlusY, s.y}},  // top, +x, +y
      {120, 30, 0, {s.slopeToPlusY, s.y, s.x, s.top}},                  // +y, -x, bottom
      {120, 120, 0, {s.y, s.x, s.top}},                                 // -y, -x, bottom
      // Turned once the slope faces +x: world -x is the back wall, +y an end->
      {60, 30, 1, {s.slopeToPlusX, s.top, s.x, s.y}},
      {120, 300, 1, {s.y, s.slopeToPlusX, s.x, s.top}},  // +y, +x, bottom
      // Turned three times the slope faces -x and is drawn with the -x side.
      {60, 30, 3, {s.slopeToMinusX, s.top, s.slopeToMinusX, s.x, s.y}},
  };
  for (const Case& c : cases) {
    SetView(rc, c.rotX, c.rotZ);
    auto roof = Make<TRoof>(4, 2, c.turns);
    roof->HasStuds = false;
    canvas.Clear();
    roof->Draw(canvas, rc);
    EXPECT_EQ(PolygonBrushes(canvas), c.brushes) << c.rotX << "," << c.rotZ << " turns " << c.turns;
  }
}

TEST_F(RoofDrawing, LookingStraightDownDrawsOnlyTheTop) {
  for (int rotZ : {0, 100, 200, 300}) {
    SetView(rc, 0, rotZ);
    auto roof = Make<TRoof>(3, 2, rotZ / 100);
    canvas.Clear();
    roof->Draw(canvas, rc);
    EXPECT_EQ(PolygonBrushes(canvas).size(), 2u) << rotZ;  // slope and flat strip
    EXPECT_EQ(StudCount(canvas), 3) << rotZ;
  }
}

TEST_F(RoofDrawing, StudsShowEvenWhenCoveredUnlikeABox) {
  rc.switches.SkipCoveredStuds = true;
  auto roof = Make<TRoof>(4, 2);
  roof->TopCover = static_cast<int>(roof->Area());
  roof->Draw(canvas, rc);
  EXPECT_EQ(StudCount(canvas), 4);

  TBlock box(1, -2, 0, 4, 2, 3, kGrey, true, false, false, "");
  box.TopCover = static_cast<int>(box.Area());
  canvas.Clear();
  box.Draw(canvas, rc);
  EXPECT_EQ(StudCount(canvas), 0);

  rc.switches.StudsHidden = true;
  canvas.Clear();
  roof->Draw(canvas, rc);
  EXPECT_EQ(StudCount(canvas), 0);
}

TEST_F(RoofDrawing, RidgesRidgeEndsAndRidgeCornersNeverShowStuds) {
  for (int rotX : {0, 60}) {
    for (int rotZ : {30, 120, 210, 300}) {
      SetView(rc, rotX, rotZ);
      auto ridge = Make<TRoofTop>(4, 2);
      auto end = Make<TRoofTopEnd>(2, 2);
      auto corner = Make<TRoofTopCorner>(2, 2);
      for (TBlock* piece : std::initializer_list<TBlock*>{ridge.get(), end.get(), corner.get()}) {
        canvas.Clear();
        piece->Draw(canvas, rc);
        EXPECT_EQ(StudCount(canvas), 0) << piece->BlockType << " " << rotX << "," << rotZ;
        EXPECT_GT(canvas.Count(Kind::Polygon), 0);
      }
    }
  }
}

TEST_F(RoofDrawing, FromBelowTheSidesComeFirstAndTubesOnlyWithStuds) {
  SetView(rc, 120, 30);  // octant 4
  auto roof = Make<TRoof>(4, 2);
  roof->Draw(canvas, rc);
  ASSERT_FALSE(canvas.calls.empty());
  EXPECT_EQ(canvas.Count(Kind::Polyline), 3);  // three tubes under a 4 by 2 roof
  const auto faces = canvas.Only(Kind::Polygon);
  EXPECT_EQ(faces.back().brush, WorldShades().top);
  roof->HasStuds = false;
  canvas.Clear();
  roof->Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 0);
}

TEST_F(RoofDrawing, CornerHasOneStudOnItsFlatSquareWhateverItsSize) {
  for (int turns = 0; turns < 4; ++turns) {
    auto corner = Make<TRoofCorner>(4, 3, turns);
    const int right = corner->X + corner->SizeX - 10, back = corner->Y + corner->SizeY - 10;
    const Point3 feet[4] = {{right, corner->Y + 10, 24},
                            {corner->X + 10, corner->Y + 10, 24},
                            {corner->X + 10, back, 24},
                            {right, back, 24}};
    RecordingCanvas expected;
    const TPoint foot = rc.view.ProjectPoint(feet[turns]);
    DrawStud(expected, rc, foot.x, foot.y);
    canvas.Clear();
    corner->Draw(canvas, rc);
    const auto studs = canvas.Only(Kind::Polyline);
    ASSERT_EQ(studs.size(), 1u) << turns;
    EXPECT_EQ(studs[0].points, expected.calls[0].points) << turns;
  }
}

TEST_F(RoofDrawing, CornerDrawsItsLeftSlopeFirstFromAngle220) {
  const Shades s = WorldShades();
  struct Case {
    int rotZ, turns;
    bool leftFirst;
  };
  // The angle is the view's turn plus 90 per quarter turn of the piece, not
  // reduced: 470 and 570 both count as past 220.
  for (const Case& c : {Case{219, 0, false}, Case{220, 0, true}, Case{130, 1, true},
                        Case{129, 1, false}, Case{200, 3, true}, Case{300, 3, true}}) {
    SetView(rc, 0, c.rotZ);  // straight down: only the top
    auto corner = Make<TRoofCorner>(2, 2, c.turns);
    corner->HasStuds = false;
    canvas.Clear();
    corner->Draw(canvas, rc);
    const int d = corner->Direction;
    // The slopes facing local +y and -x, in world terms at this turn.
    const TColor front[4] = {s.slopeToPlusY, s.slopeToPlusX, s.slopeToMinusY, s.slopeToMinusX};
    const TColor left[4] = {s.slopeToMinusX, s.slopeToPlusY, s.slopeToPlusX, s.slopeToMinusY};
    const std::vector<TColor> expected = c.leftFirst
                                             ? std::vector<TColor>{left[d], front[d], s.top}
                                             : std::vector<TColor>{front[d], left[d], s.top};
    EXPECT_EQ(PolygonBrushes(canvas), expected) << c.rotZ << " turns " << c.turns;
  }
}

TEST_F(RoofDrawing, RidgeEndOrdersItsTrianglesByAngle) {
  const Shades s = WorldShades();
  const std::vector<TColor> frontFirst = {s.slopeToPlusY, s.slopeToMinusX, s.slopeToMinusY};
  const std::vector<TColor> backFirst = {s.slopeToMinusY, s.slopeToMinusX, s.slopeToPlusY};
  struct Case {
    int rotZ;
    bool frontFirst;
  };
  for (const Case& c : {Case{219, true}, Case{220, false}, Case{260, false}, Case{270, false},
                        Case{290, true}, Case{309, true}, Case{310, false}}) {
    SetView(rc, 0, c.rotZ);
    auto end = Make<TRoofTopEnd>(2, 2);
    canvas.Clear();
    end->Draw(canvas, rc);
    EXPECT_EQ(PolygonBrushes(canvas), c.frontFirst ? frontFirst : backFirst) << c.rotZ;
  }
}

TEST_F(RoofDrawing, RidgeCornerGablesTakeSlopeShades) {
  // Seen from the back right (octant 2) the back gable and the right gable show.
  SetView(rc, 60, 210);
  const Shades s = WorldShades();
  auto corner = Make<TRoofTopCorner>(2, 2);
  corner->Draw(canvas, rc);
  const auto sizes = PolygonSizes(canvas);
  const auto brushes = PolygonBrushes(canvas);
  // top (four faces), +x: right valley and gable, -y: back valley and gable
  ASSERT_EQ(sizes, (std::vector<int>{3, 3, 4, 4, 3, 5, 3, 5}));
  EXPECT_EQ(brushes[5], s.slopeToPlusY);  // right gable
  EXPECT_EQ(brushes[7], s.slopeToPlusX);  // back gable
}

TEST_F(RoofDrawing, OneStudDeepRoofHasAVerticalFrontSlope) {
  SetView(rc, 90, 0);  // from the front, screen up is +z
  auto roof = Make<TRoof>(2, 1);
  roof->Draw(canvas, rc);
  bool found = false;
  for (const auto& face : canvas.Only(Kind::Polygon)) {
    if (face.brush != WorldShades().slopeToPlusY) continue;
    found = true;
    EXPECT_EQ(face.points[0].x, face.points[3].x);  // eave and top above each other
    EXPECT_EQ(face.points[1].x, face.points[2].x);
  }
  EXPECT_TRUE(found);
}

}  // namespace
