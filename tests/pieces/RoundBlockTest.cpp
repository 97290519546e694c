#include <gtest/gtest.h>

#include <cmath>

#include "pieces/RoundBlock.h"
#include "tests/pieces/PieceDrawing.h"

namespace {

class RoundDrawing : public ::testing::Test {
 protected:
  void SetUp() override { SetView(rc, 60, 30); }
  std::unique_ptr<TRoundBlock> Make(int sx, int sy, int sz = 3) {
    return std::make_unique<TRoundBlock>(0, 0, 0, sx, sy, sz, 0x00CC00, true, false, false, "");
  }
  RenderContext rc;
  RecordingCanvas canvas;
};

TEST_F(RoundDrawing, StudPatternFollowsTheWidth) {
  struct Case {
    int studs, expected;
  };
  for (const Case& c : {Case{1, 1}, Case{2, 4}, Case{3, 5}, Case{4, 12}, Case{5, 21}, Case{6, 24},
                        Case{7, 37}, Case{8, 44}, Case{9, 0}, Case{10, 0}}) {
    auto round = Make(c.studs, c.studs);
    canvas.Clear();
    round->Draw(canvas, rc);
    EXPECT_EQ(StudCount(canvas), c.expected) << c.studs << " by " << c.studs;
  }
  // No corner studs on a 4 by 4, and the cross through the middle is complete.
  EXPECT_FALSE(TRoundBlock::HasStudAt(80, 1, 1));
  EXPECT_FALSE(TRoundBlock::HasStudAt(80, 4, 4));
  EXPECT_TRUE(TRoundBlock::HasStudAt(80, 1, 2));
  EXPECT_TRUE(TRoundBlock::HasStudAt(80, 3, 4));
}

TEST_F(RoundDrawing, CylinderFromAboveThenStuds) {
  auto round = Make(2, 2);
  round->TopCover = static_cast<int>(round->Area());  // covered studs still show
  rc.switches.SkipCoveredStuds = true;
  round->Draw(canvas, rc);
  ASSERT_GE(canvas.calls.size(), 4u);
  const TView& v = rc.view;
  const TPoint c = v.ProjectPoint(20, 20, 0);
  const int rx = static_cast<int>(std::lrint(40 * 0.5f * v.ViewScale));
  const int ry = static_cast<int>(std::lrint(std::fabs(v.CosTilt) * 40 * 0.5f * v.ViewScale));
  const int dz = 24 * v.BrickRiseY / 24;
  const auto& k = canvas.calls;
  EXPECT_EQ(k[0].kind, Kind::Rectangle);
  EXPECT_EQ(k[0].points, (std::vector<TPoint>{{c.x - rx, c.y + dz}, {c.x + rx + 1, c.y}}));
  EXPECT_EQ(k[1].kind, Kind::Ellipse);
  EXPECT_EQ(k[1].points, (std::vector<TPoint>{{c.x - rx, c.y - ry}, {c.x + rx + 1, c.y + ry + 1}}));
  // The painting-out rectangle is outlined in the fill colour.
  EXPECT_EQ(k[2].kind, Kind::Rectangle);
  EXPECT_EQ(k[2].pen, k[2].brush);
  EXPECT_EQ(k[2].points, (std::vector<TPoint>{{c.x - rx + 1, c.y + dz}, {c.x + rx, c.y}}));
  EXPECT_EQ(k[3].kind, Kind::Ellipse);
  EXPECT_EQ(k[3].points,
            (std::vector<TPoint>{{c.x - rx, c.y + dz - ry}, {c.x + rx + 1, c.y + dz + ry + 1}}));
  EXPECT_NE(k[3].pen, k[3].brush);
  EXPECT_EQ(StudCount(canvas), 4);
}

TEST_F(RoundDrawing, FromBelowTheTubeAlwaysShows) {
  SetView(rc, 120, 30);
  auto round = Make(2, 2);
  round->HasStuds = false;
  rc.switches.StudsHidden = true;
  round->Draw(canvas, rc);
  std::vector<Kind> kinds;
  for (const auto& call : canvas.calls) kinds.push_back(call.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Rectangle, Kind::Ellipse, Kind::Rectangle,
                                      Kind::Ellipse, Kind::Polyline}));
  const TPoint c = rc.view.ProjectPoint(20, 20, 0);
  const auto& tube = canvas.calls.back().points;
  ASSERT_EQ(tube.size(), 9u);
  EXPECT_EQ(tube[0], (TPoint{c.x - rc.view.StudRadiusX, c.y + rc.view.StudHalfY}));
  EXPECT_EQ(tube[8], tube[0]);
}

TEST_F(RoundDrawing, SideViewFlattensTheRimsAndTurningChangesNothing) {
  SetView(rc, 89, 0);
  auto round = Make(3, 2);
  round->Draw(canvas, rc);
  const auto rims = canvas.Only(Kind::Ellipse);
  ASSERT_EQ(rims.size(), 2u);
  // ry is round(cos(89 degrees) * 20) = 0: both rims are flat.
  EXPECT_EQ(rims[0].points[1].y - rims[0].points[0].y, 1);
  // An elliptic cylinder keeps its axes along the screen whatever the turn.
  EXPECT_EQ(rims[0].points[1].x - rims[0].points[0].x, 61);

  round->Turn();
  EXPECT_EQ(round->Direction, 0);
  EXPECT_EQ(round->SizeX, 60);
  EXPECT_EQ(round->SizeY, 40);
}

}  // namespace
