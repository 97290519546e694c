#include <gtest/gtest.h>

#include <cmath>

#include "pieces/Window.h"
#include "tests/pieces/PieceDrawing.h"

namespace {

constexpr TColor kColour = 0x3060C0;

class WindowDrawing : public ::testing::Test {
 protected:
  void SetUp() override { SetView(rc, 60, 30); }
  template <class T>
  std::unique_ptr<T> Make(int sx, int sy, int sz, int turns = 0) {
    auto piece = std::make_unique<T>(1, 2, 0, sx, sy, sz, kColour, true, false, false, "");
    for (int i = 0; i < turns; ++i) piece->Turn();
    return piece;
  }
  RenderContext rc;
  RecordingCanvas canvas;
};

TEST_F(WindowDrawing, TurnedOnceAndSeenFromOctantThreePaintsLocalOctantZero) {
  EXPECT_EQ(TWindow::LocalOctant(3, 1), 0);
  EXPECT_EQ(TWindow::LocalOctant(6, 3), 5);
  SetView(rc, 60, 300);                     // octant 3
  auto window = Make<TWindow>(2, 1, 6, 1);  // 2 studs wide, 1 deep; turned: 20 by 40
  window->HasStuds = false;
  window->Draw(canvas, rc);
  // Right inner post, groove slope and back, sill top, glass, back face
  // (three parts), left outer post, top.
  EXPECT_EQ(PolygonSizes(canvas), (std::vector<int>{8, 4, 4, 4, 4, 8, 4, 4, 8, 4}));
  // Local +x is world -y after one turn: the right inner post lies in the
  // world plane y = Y + 2 and runs along x over the window's depth.
  const int X = window->X, Y = window->Y, z0 = 0, zL = 46;
  const auto first = canvas.Only(Kind::Polygon)[0];
  EXPECT_TRUE(SamePoints(first.points, Projected(rc, {{X, Y + 2, z0},
                                                      {X + 20, Y + 2, z0},
                                                      {X + 20, Y + 2, z0 + 2},
                                                      {X + 18, Y + 2, z0 + 4},
                                                      {X + 18, Y + 2, z0 + 6},
                                                      {X + 20, Y + 2, z0 + 6},
                                                      {X + 20, Y + 2, zL},
                                                      {X, Y + 2, zL}})));
}

TEST_F(WindowDrawing, GlassIsAlwaysHatched) {
  struct Case {
    bool shading, wireframe;
    BrushStyle frame;
  };
  for (const Case& c : {Case{false, false, BrushStyle::Solid}, Case{true, false, BrushStyle::Solid},
                        Case{false, true, BrushStyle::Clear}}) {
    rc.switches.Shading = c.shading;
    rc.switches.Wireframe = c.wireframe;
    auto window = Make<TWindow>(2, 1, 6);
    canvas.Clear();
    window->Draw(canvas, rc);
    const auto faces = canvas.Only(Kind::Polygon);
    int hatched = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
      if (faces[i].style != BrushStyle::DiagCross) {
        EXPECT_EQ(faces[i].style, c.frame);
        continue;
      }
      ++hatched;
      const TColor glass = c.shading ? ShadeColor(0xFFFFFF, rc.view.FaceLight[1]) : 0xFFFFFF;
      EXPECT_EQ(faces[i].brush, glass);
      EXPECT_EQ(faces[i].pen, glass);
      // What comes after the pane has its own colours back.
      ASSERT_LT(i + 1, faces.size());
      EXPECT_NE(faces[i + 1].pen, glass);
    }
    EXPECT_EQ(hatched, 1) << c.shading << c.wireframe;
  }
}

TEST_F(WindowDrawing, StudsShowEvenWhenCoveredAndTubesFromBelow) {
  rc.switches.SkipCoveredStuds = true;
  auto window = Make<TWindow>(2, 1, 6, 1);
  window->TopCover = static_cast<int>(window->Area());
  window->Draw(canvas, rc);
  EXPECT_EQ(StudCount(canvas), 2);
  auto door = Make<TDoor>(4, 1, 9);
  door->TopCover = static_cast<int>(door->Area());
  canvas.Clear();
  door->Draw(canvas, rc);
  EXPECT_EQ(StudCount(canvas), 4);

  SetView(rc, 120, 30);
  auto wide = Make<TWindow>(4, 2, 6);
  canvas.Clear();
  wide->Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 3);  // tubes of a 4 by 2
}

TEST_F(WindowDrawing, DoorLeavesLeaveADiamondOpen) {
  SetView(rc, 60, 210);  // local octant 2: back face with the leaves comes first
  for (int studs : {2, 4}) {
    auto door = Make<TDoor>(studs, 1, 9);
    door->HasStuds = false;
    canvas.Clear();
    door->Draw(canvas, rc);
    const auto faces = canvas.Only(Kind::Polygon);
    // Back frame, threshold, two leaves at the back; left inner post, two
    // leaves in front, right outer post, front frame, top. No glass, no sill.
    ASSERT_EQ(PolygonSizes(canvas), (std::vector<int>{8, 4, 7, 7, 4, 7, 7, 4, 8, 4}));
    for (const auto& face : faces) EXPECT_NE(face.style, BrushStyle::DiagCross);
    const int m = door->X + door->SizeX / 2, zT = 72, y = door->Y + door->SizeY - 3;
    EXPECT_TRUE(SamePoints(faces[5].points, Projected(rc, {{door->X + 2, y, 0},
                                                           {door->X + 2, y, zT - 2},
                                                           {m, y, zT - 2},
                                                           {m, y, zT - 8},
                                                           {m - 12, y, zT - 18},
                                                           {m, y, zT - 28},
                                                           {m, y, 0}})))
        << studs;
    EXPECT_TRUE(SamePoints(faces[6].points, Projected(rc, {{door->X + door->SizeX - 2, y, 0},
                                                           {door->X + door->SizeX - 2, y, zT - 2},
                                                           {m, y, zT - 2},
                                                           {m, y, zT - 8},
                                                           {m + 12, y, zT - 18},
                                                           {m, y, zT - 28},
                                                           {m, y, 0}})))
        << studs;
  }
}

TEST_F(WindowDrawing, WheelOfFortyHasRadiusFifteenAndSixtyPolygons) {
  auto wheel = Make<TWheel>(2, 1, 6);
  wheel->Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polygon), 60);
  EXPECT_EQ(StudCount(canvas), 0);  // never studs
  const auto faces = canvas.Only(Kind::Polygon);
  // Octant 0 sees the local +y side: the far side (y = Y + 2) comes first.
  // Its first ring segment runs from angle 30 to angle 0 at radius 15 around
  // the axle 28 above the bottom.
  const int X = wheel->X, Y = wheel->Y, xc = X + 20, zc = 28;
  const int c30 = static_cast<int>(std::lrint(xc + 15 * std::cos(3.14159265f / 6)));
  const int h30 = static_cast<int>(std::lrint(xc + 9.75f * std::cos(3.14159265f / 6)));
  EXPECT_TRUE(
      SamePoints(faces[0].points,
                 Projected(rc, {{xc, Y + 2, zc}, {h30, Y + 2, zc + 5}, {xc + 10, Y + 2, zc}})));
  EXPECT_TRUE(SamePoints(faces[1].points, Projected(rc, {{h30, Y + 2, zc + 5},
                                                         {c30, Y + 2, zc + 8},
                                                         {xc + 15, Y + 2, zc},
                                                         {xc + 10, Y + 2, zc}})));
  EXPECT_EQ(faces[1].brush, TWheel::kTyreColor);
  EXPECT_EQ(faces[0].brush, kColour);  // the hub keeps the flat piece colour
  EXPECT_EQ(faces[24].brush, TWheel::kTreadColor);
  EXPECT_TRUE(SamePoints(faces[24].points, Projected(rc, {{c30, Y + 1, zc + 8},
                                                          {xc + 15, Y + 1, zc},
                                                          {xc + 15, Y + 19, zc},
                                                          {c30, Y + 19, zc + 8}})));
  EXPECT_EQ(faces[48].points[0], rc.view.ProjectPoint(xc, Y + 18, zc));
}

TEST_F(WindowDrawing, TurnedWheelHasItsAxleAlongX) {
  // Seen from the -y side of its local frame the far side is the one at
  // local y + Ly - 2, painted first; at one turn that is world x = X + 18.
  SetView(rc, 60, 300);  // octant 3, local octant 0: viewer on local +y
  auto wheel = Make<TWheel>(2, 1, 6, 1);
  wheel->Draw(canvas, rc);
  const auto faces = canvas.Only(Kind::Polygon);
  ASSERT_EQ(faces.size(), 60u);
  const int centreY = wheel->Y + wheel->SizeY / 2;
  EXPECT_TRUE(SamePoints({faces[0].points[0]}, Projected(rc, {{wheel->X + 2, centreY, 28}})));
  EXPECT_TRUE(SamePoints({faces[48].points[0]}, Projected(rc, {{wheel->X + 18, centreY, 28}})));
  SetView(rc, 60, 120);  // octant 1, local octant 2: the other side first
  canvas.Clear();
  wheel->Draw(canvas, rc);
  EXPECT_TRUE(SamePoints({canvas.Only(Kind::Polygon)[0].points[0]},
                         Projected(rc, {{wheel->X + 18, centreY, 28}})));
}

}  // namespace
