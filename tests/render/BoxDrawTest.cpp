#include <gtest/gtest.h>

#include <set>

#include "model/BlockList.h"
#include "render/RenderContext.h"
#include "render/Studs.h"
#include "render/ViewControls.h"
#include "tests/support/RecordingCanvas.h"

using Kind = RecordingCanvas::Kind;

namespace {

struct MakePiece : TBlock {
  MakePiece(int sx, int sy, int sz, TColor color = 0x00FF00, bool studs = true)
      : TBlock(0, 0, 0, sx, sy, sz, color, studs, false, false, "") {}
};

struct Fixture {
  RenderContext rc;
  RecordingCanvas canvas;
  explicit Fixture(int rotX = 70, int rotZ = 30) { SetView(rotX, rotZ); }
  void SetView(int rotX, int rotZ) {
    ApplyViewPositions(rc.view, ViewPositions{rotX, rotZ, 10, 0, 0}, 800, 600);
    rc.view.UpdateRiseAndStuds();
  }
  TPoint P(int x, int y, int z) const { return rc.view.ProjectPoint(x, y, z); }
};



}  // namespace

TEST(BoxDraw, ShadedFacesOfOctantZeroInOrderWithTheirShades) {
  Fixture f(70, 30);
  f.rc.switches.Shading = true;
  MakePiece b(2, 4, 3, 0x00FF00, false);  // x 0..40, y 0..80, z 0..24
  b.Draw(f.canvas, f.rc);
  auto polys = f.canvas.Only(Kind::Polygon);
  ASSERT_EQ(polys.size(), 3u);
  const TView& v = f.rc.view;
  // x face at x0, then the top, then the y face at y1.
  EXPECT_EQ(polys[0].points, (std::vector<TPoint>{f.P(0, 0, 0), f.P(0, 80, 0), f.P(0, 80, 24),
                                                  f.P(0, 0, 24)}));
  EXPECT_EQ(polys[1].points, (std::vector<TPoint>{f.P(0, 80, 24), f.P(0, 0, 24), f.P(40, 0, 24),
                                                  f.P(40, 80, 24)}));
  EXPECT_EQ(polys[2].points, (std::vector<TPoint>{f.P(0, 80, 0), f.P(0, 80, 24), f.P(40, 80, 24),
                                                  f.P(40, 80, 0)}));
  EXPECT_EQ(polys[0].brush, ShadeColor(0x00FF00, v.FaceLight[1]));
  EXPECT_EQ(polys[1].brush, ShadeColor(0x00FF00, v.FaceLight[2]));
  EXPECT_EQ(polys[2].brush, ShadeColor(0x00FF00, v.FaceLight[0]));
  // The unselected outline is 60 % of the fill colour.
  EXPECT_EQ(polys[0].pen, ShadeColor(0x00FF00, 0.6f));
}

TEST(BoxDraw, OddOctantsStartWithTheYFace) {
  Fixture f(70, 120);  // octant 1
  f.rc.switches.Shading = true;
  MakePiece b(2, 2, 3, 0x00FF00, false);
  b.Draw(f.canvas, f.rc);
  auto polys = f.canvas.Only(Kind::Polygon);
  ASSERT_EQ(polys.size(), 3u);
  EXPECT_EQ(polys[0].brush, ShadeColor(0x00FF00, f.rc.view.FaceLight[0]));
  EXPECT_EQ(polys[2].brush, ShadeColor(0x00FF00, f.rc.view.FaceLight[1]));
  for (const TPoint& p : polys[0].points) {
    bool onYFace = false;
    for (int x : {0, 40})
      for (int z : {0, 24}) onYFace |= p == f.P(x, 0, z);  // the y0 face faces the viewer
    EXPECT_TRUE(onYFace);
  }
}

TEST(BoxDraw, UnshadedIsTheSilhouetteAndTheThreeNearEdges) {
  Fixture f(70, 30);
  MakePiece b(2, 4, 3, 0x00FF00, false);
  b.Draw(f.canvas, f.rc);
  ASSERT_EQ(f.canvas.calls.size(), 3u);
  EXPECT_EQ(f.canvas.calls[0].kind, Kind::Polygon);
  EXPECT_EQ(f.canvas.calls[0].points,
            (std::vector<TPoint>{f.P(0, 0, 0), f.P(0, 0, 24), f.P(40, 0, 24), f.P(40, 80, 24),
                                 f.P(40, 80, 0), f.P(0, 80, 0)}));
  EXPECT_EQ(f.canvas.calls[1].points,
            (std::vector<TPoint>{f.P(0, 0, 24), f.P(0, 80, 24), f.P(40, 80, 24)}));
  EXPECT_EQ(f.canvas.calls[2].points, (std::vector<TPoint>{f.P(0, 80, 24), f.P(0, 80, 0)}));
  EXPECT_EQ(f.canvas.calls[0].brush, 0x00FF00u);
  EXPECT_EQ(f.canvas.calls[0].pen, RGB(50, 50, 50));
}

TEST(BoxDraw, SilhouetteMatchesHitTestInEveryOctant) {
  for (int rotZ : {30, 120, 210, 300}) {
    for (int rotX : {40, 140}) {
      Fixture f(rotX, rotZ);
      MakePiece b(3, 2, 3, 0x00FF00, false);
      b.Draw(f.canvas, f.rc);
      const TPoint centre = f.P(30, 20, 12);
      EXPECT_TRUE(b.HitTest(f.rc.view, centre.x, centre.y)) << rotX << "," << rotZ;
      EXPECT_FALSE(b.HitTest(f.rc.view, 5, 5));
      EXPECT_EQ(f.canvas.calls[0].points.size(), 6u);
    }
  }
}

TEST(BoxDraw, AnEmptyPieceDrawsNothing) {
  Fixture f;
  MakePiece b(0, 4, 3);
  b.Draw(f.canvas, f.rc);
  EXPECT_TRUE(f.canvas.calls.empty());
}

TEST(BoxDraw, StudsFromAboveTubesFromBelow) {
  Fixture f(70, 30);
  MakePiece plate(1, 1, 1);
  plate.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.Count(Kind::Polyline), 2 + 1);  // two edge lines, one fast stud
  EXPECT_EQ(f.canvas.calls.back().points.size(), 14u);

  f.SetView(150, 30);
  for (auto [sx, sy, tubes] : {std::tuple{1, 1, 0}, {2, 2, 1}, {2, 4, 3}, {1, 4, 0}}) {
    f.canvas.Clear();
    MakePiece b(sx, sy, 3);
    b.Draw(f.canvas, f.rc);
    EXPECT_EQ(f.canvas.Count(Kind::Polyline) - 2, tubes) << sx << "x" << sy;
  }
  // The tube between four studs sits on the grid corner.
  f.canvas.Clear();
  MakePiece b(2, 2, 3);
  b.Draw(f.canvas, f.rc);
  const auto tube = f.canvas.calls.back();
  ASSERT_EQ(tube.points.size(), 9u);
  const TPoint c = f.P(20, 20, 0);
  EXPECT_EQ(tube.points[0], (TPoint{c.x - f.rc.view.StudRadiusX, c.y + f.rc.view.StudHalfY}));
  EXPECT_EQ(tube.points[8], tube.points[0]);
}

TEST(BoxDraw, CoveredTopsShowNoStudsAndTheStudsButtonHidesAll) {
  Fixture f(70, 30);
  MakePiece b(2, 2, 3);
  b.TopCover = 1600;
  b.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.Count(Kind::Polyline), 2);
  f.canvas.Clear();
  b.TopCover = 1599;  // partly covered: every stud
  b.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.Count(Kind::Polyline), 2 + 4);
  f.canvas.Clear();
  f.rc.switches.StudsHidden = true;
  b.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.Count(Kind::Polyline), 2);
}

TEST(BoxDraw, StudsComeInBatchesOfAHundredLastCollectedFirst) {
  Fixture f(70, 30);
  MakePiece b(15, 10, 1, 0xFFFFFF, true);  // 150 studs
  b.Draw(f.canvas, f.rc);
  auto lines = f.canvas.Only(Kind::Polyline);
  ASSERT_EQ(lines.size(), 2u + 150u);
  // Stud k (i outer, j inner) has its foot at (10 + 20 i, 10 + 20 j).
  auto footOf = [&](int k) { return f.P(10 + 20 * (k / 10), 10 + 20 * (k % 10), 8); };
  auto drawnAt = [&](std::size_t n) {
    // The fast stud's tenth point is the foot's left point (a - RX, b + HY).
    const TPoint p = lines[2 + n].points[9];
    return TPoint{p.x + f.rc.view.StudRadiusX, p.y - f.rc.view.StudHalfY};
  };
  EXPECT_EQ(drawnAt(0), footOf(99));
  EXPECT_EQ(drawnAt(99), footOf(0));
  EXPECT_EQ(drawnAt(100), footOf(149));
  EXPECT_EQ(drawnAt(149), footOf(100));
}

TEST(BoxDraw, TheThreeStudStyles) {
  Fixture f(70, 30);
  MakePiece b(1, 1, 1, 0x00FF00, true);
  f.rc.switches.Studs = StudStyle::Better;
  b.Draw(f.canvas, f.rc);
  ASSERT_GE(f.canvas.calls.size(), 5u);
  auto& calls = f.canvas.calls;
  EXPECT_EQ(calls[calls.size() - 2].kind, Kind::Polyline);
  EXPECT_EQ(calls[calls.size() - 2].points.size(), 12u);
  EXPECT_EQ(calls.back().kind, Kind::Polygon);
  EXPECT_EQ(calls.back().points.size(), 9u);

  f.canvas.Clear();
  f.rc.switches.Studs = StudStyle::Best;
  b.Draw(f.canvas, f.rc);
  const std::size_t n = f.canvas.calls.size();
  ASSERT_GE(n, 7u);
  const auto* c = &f.canvas.calls[n - 4];
  EXPECT_EQ(c[0].kind, Kind::Rectangle);
  EXPECT_EQ(c[1].kind, Kind::Ellipse);
  EXPECT_EQ(c[2].kind, Kind::Rectangle);
  EXPECT_EQ(c[2].pen, c[2].brush);  // paints out the side edges
  EXPECT_EQ(c[3].kind, Kind::Ellipse);
  EXPECT_NE(c[3].pen, c[3].brush);
  const TPoint foot = f.P(10, 10, 8);
  const int rx = f.rc.view.StudRadiusX, ry = f.rc.view.StudRadiusY;
  EXPECT_EQ(c[1].points[0], (TPoint{foot.x - rx, foot.y - ry}));
  EXPECT_EQ(c[1].points[1], (TPoint{foot.x + rx + 1, foot.y + ry + 1}));
}

TEST(BoxDraw, SelectionHatchWireframeAndSeeThroughBaseplate) {
  Fixture f(70, 30);
  MakePiece red(1, 1, 1, 0x0000FF, false);
  red.Selected = true;
  red.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].pen, 0xFFFFFFu);
  f.canvas.Clear();
  MakePiece green(1, 1, 1, 0x00FF00, false);
  green.Selected = true;
  f.rc.switches.Shading = true;
  green.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].pen, 0x0000FFu);  // selection keeps its pen under shading

  f.canvas.Clear();
  MakePiece cyan(1, 1, 1, 0xFFFF00, false);
  cyan.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].style, BrushStyle::DiagCross);

  f.canvas.Clear();
  f.rc.switches.Wireframe = true;
  green.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].style, BrushStyle::Clear);
  EXPECT_EQ(f.canvas.calls[0].points.size(), 6u);  // shading is off in wireframe
  f.rc.switches.Wireframe = false;

  TBlock base(-8, -4, -1, 16, 8, 1, 0xC0C0C0, true, true, false, "3865");
  f.rc.switches.SeeThroughBaseplate = true;
  f.canvas.Clear();
  base.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].style, BrushStyle::Solid);  // from above it is filled
  f.SetView(120, 30);
  f.canvas.Clear();
  base.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.calls[0].style, BrushStyle::Clear);
}

TEST(BoxDraw, LeavesTheCanvasAtRest) {
  Fixture f(70, 30);
  f.rc.switches.Shading = true;
  MakePiece b(2, 2, 3, 0x00FF00, true);
  b.Transparent = true;
  b.Draw(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.brushColor(), 0xC0C0C0u);
  EXPECT_EQ(f.canvas.brushStyle(), BrushStyle::Solid);
  EXPECT_EQ(f.canvas.penColor(), 0x333333u);
}

TEST(PieceAt, FindsTheLaterOfTwoPiecesAndNothingInEmptySpace) {
  Fixture f(70, 30);
  TBlockList list;
  list.Add(std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 255, true, false, false, ""));
  list.Add(std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 255, true, false, false, ""));
  const TPoint c = f.P(20, 20, 12);
  EXPECT_EQ(list.PieceAt(f.rc.view, c.x, c.y), 1);
  EXPECT_EQ(list.PieceAt(f.rc.view, 2, 2), -1);
}

TEST(DrawAll, SkipsPiecesAboveTheStepLimit) {
  Fixture f(70, 30);
  TBlockList list;
  for (int step = 0; step < 6; ++step) {
    auto b = std::make_unique<TBlock>(step * 2, 0, 0, 1, 1, 3, 255, false, false, false, "");
    b->Step = static_cast<std::int16_t>(step);
    list.Add(std::move(b));
  }
  list.StepLimit = 3;
  list.DrawAll(f.canvas, f.rc);
  EXPECT_EQ(f.canvas.Count(Kind::Polygon), 4);
}

TEST(BoxDraw, AHugePieceFromADamagedFileDrawsOnlyTheStudsTheCanvasShows) {
  Fixture f(60, 30);
  TBlock huge;
  huge.X = -1000000000;
  huge.Y = -1000000000;
  huge.SizeX = 2000000000;
  huge.SizeY = 2000000000;
  huge.SizeZ = 8;
  huge.HasStuds = true;
  huge.Draw(f.canvas, f.rc);
  const int studs = f.canvas.Count(Kind::Polyline) - 2;
  EXPECT_GT(studs, 100);
  EXPECT_LE(studs, StudGrid::kMaxGrid);
  // Every foot that was left out lies off the canvas: compare a large plate
  // drawn whole (stud by stud) with the clipped drawing.
  TBlock plate;
  plate.X = -2000;
  plate.Y = -2000;
  plate.SizeX = 4000;  // 200 by 200 studs: more than a real piece ever has
  plate.SizeY = 4000;
  plate.SizeZ = 8;
  plate.HasStuds = true;
  f.canvas.Clear();
  plate.TopStuds(f.canvas, f.rc);
  std::set<std::pair<int, int>> drawn;
  for (const auto& c : f.canvas.Only(Kind::Polyline)) drawn.insert({c.points[9].x, c.points[9].y});
  for (int i = 0; i < 200; ++i)
    for (int j = 0; j < 200; ++j) {
      const TPoint foot = f.P(-2000 + 10 + 20 * i, -2000 + 10 + 20 * j, 8);
      if (foot.x < 0 || foot.y < 0 || foot.x >= 800 || foot.y >= 600) continue;
      const std::pair<int, int> left{foot.x - f.rc.view.StudRadiusX, foot.y + f.rc.view.StudHalfY};
      ASSERT_TRUE(drawn.count(left)) << i << "," << j;
    }
}
