#include <gtest/gtest.h>

#include <cmath>

#include "render/View.h"
#include "render/ViewControls.h"

namespace {

TView ViewAt(int rotX, int rotZ, int scaleBar = 10, int w = 800, int h = 600) {
  TView v;
  ApplyViewPositions(v, ViewPositions{rotX, rotZ, scaleBar, 0, 0}, w, h);
  v.UpdateRiseAndStuds();
  return v;
}

}  // namespace

TEST(View, OctantsAtTheQuarterBoundaries) {
  EXPECT_EQ(ViewAt(70, 0).ViewOctant, 0);
  EXPECT_EQ(ViewAt(70, 89).ViewOctant, 0);
  EXPECT_EQ(ViewAt(70, 90).ViewOctant, 1);
  EXPECT_EQ(ViewAt(70, 180).ViewOctant, 2);
  EXPECT_EQ(ViewAt(70, 270).ViewOctant, 3);
  EXPECT_EQ(ViewAt(70, 359).ViewOctant, 3);
  EXPECT_EQ(ViewAt(70, 360).ViewOctant, 0);
}

TEST(View, NinetyDegreesOfTiltAlreadyLooksFromBelow) {
  // The single-precision value of 90 degrees lies just above pi/2.
  EXPECT_EQ(ViewAt(89, 30).ViewOctant, 0);
  EXPECT_EQ(ViewAt(90, 30).ViewOctant, 4);
  EXPECT_EQ(ViewAt(180, 200).ViewOctant, 6);
}

TEST(View, ScaleBarPositions) {
  EXPECT_FLOAT_EQ(ViewAt(70, 30, 1).ViewScale, 10.0f);
  EXPECT_FLOAT_EQ(ViewAt(70, 30, 10).ViewScale, 1.0f);
  EXPECT_FLOAT_EQ(ViewAt(70, 30, 80).ViewScale, 0.125f);
}

TEST(View, CentreIsHalfTheClientRoundedToEvenMinusOffsets) {
  TView v;
  v.UpdateCenter(801, 601, 10, -20);
  EXPECT_EQ(v.ViewCenterX, 400 - 10);  // 400.5 rounds to 400
  EXPECT_EQ(v.ViewCenterY, 300 + 20);
  v.UpdateCenter(803, 600, 0, 0);
  EXPECT_EQ(v.ViewCenterX, 402);  // 401.5 rounds to 402
}

TEST(View, TopViewShowsXAndYOnScreenAndSideViewShowsZUp) {
  TView top = ViewAt(0, 0);
  EXPECT_EQ(top.ProjectPoint(100, 0, 0).x, 500);
  EXPECT_EQ(top.ProjectPoint(100, 0, 0).y, 300);
  EXPECT_EQ(top.ProjectPoint(0, 100, 0).y, 400);  // +y comes towards the viewer, down the screen
  EXPECT_EQ(top.ProjectPoint(0, 0, 50).y, 300);   // height does not show from straight above

  TView side = ViewAt(90, 0);
  EXPECT_EQ(side.ProjectPoint(0, 0, 100).y, 200);
  EXPECT_EQ(side.ProjectPoint(0, 0, 100).x, 400);
  // Screen x never depends on z.
  TView any = ViewAt(70, 30);
  EXPECT_EQ(any.ProjectPoint(37, -12, 0).x, any.ProjectPoint(37, -12, 999).x);
}

TEST(View, MatrixColumnsAreQuarterTurnsOfTheGeometry) {
  TView v = ViewAt(60, 30);
  // Column d shows a point as column 0 shows it turned d times: (x, y) -> (y, -x).
  for (int d = 1; d < 4; ++d) {
    TPoint turned = v.ProjectPoint(30, 50, 10, d);
    int x = 30, y = 50;
    for (int k = 0; k < d; ++k) {
      const int nx = y, ny = -x;
      x = nx;
      y = ny;
    }
    TPoint direct = v.ProjectPoint(x, y, 10, 0);
    EXPECT_NEAR(turned.x, direct.x, 1) << d;
    EXPECT_NEAR(turned.y, direct.y, 1) << d;
  }
}

TEST(View, ProjectionRoundsHalvesToEven) {
  TView v;
  v.SetAngles(0, 0);
  v.ViewScale = 0.5f;
  v.ViewCenterX = 0;
  v.ViewCenterY = 0;
  EXPECT_EQ(v.ProjectPoint(1, 0, 0).x, 0);  // 0.5 -> 0
  EXPECT_EQ(v.ProjectPoint(3, 0, 0).x, 2);  // 1.5 -> 2
  EXPECT_EQ(v.ProjectPoint(5, 0, 0).x, 2);  // 2.5 -> 2
}

TEST(View, StudMetrics) {
  TView top = ViewAt(0, 30);
  EXPECT_EQ(top.StudRadiusX, 5);
  EXPECT_EQ(top.StudRadiusY, top.StudRadiusX);  // circles from straight above
  EXPECT_EQ(top.StudHalfX, 2);
  EXPECT_EQ(ViewAt(90, 30).StudRadiusY, 0);
  TView below = ViewAt(150, 30, 5);
  EXPECT_EQ(below.StudRadiusX, 10);
  EXPECT_LT(below.StudRadiusY, 0);                // negative from below
  EXPECT_EQ(below.StudHalfY, below.StudRadiusY / 2);  // truncating toward zero
  TView side = ViewAt(90, 0);
  EXPECT_EQ(side.BrickRiseY, -24);
  EXPECT_EQ(side.StudRiseY, -3);
  EXPECT_EQ(side.StudRiseX, 0);
}

TEST(View, SaveAndRestoreBringBackTheWholeView) {
  TView v = ViewAt(40, 120, 7);
  TView::Saved saved = v.SaveView();
  const TPoint before = v.ProjectPoint(123, -45, 67, 2);
  ApplyViewPositions(v, ViewPositions{170, 300, 3, 100, 100}, 300, 200);
  v.RestoreView(saved);
  EXPECT_EQ(v.ProjectPoint(123, -45, 67, 2), before);
  EXPECT_EQ(v.ViewOctant, 1);
}

TEST(Lighting, FactorsForTheStartLightAndForNoLight) {
  TView v;
  v.UpdateLighting();
  EXPECT_FLOAT_EQ(v.FaceLight[2], 1.0f);  // horizontal faces: capped
  EXPECT_NEAR(v.FaceLight[1], 0.8 + 0.25 * 7 / std::sqrt(149.0), 1e-6);  // about 0.94
  EXPECT_FLOAT_EQ(v.FaceLight[0], 0.8f);  // y faces
  for (int i = 3; i < 7; ++i) {
    EXPECT_GE(v.FaceLight[i], 0.8f);
    EXPECT_LE(v.FaceLight[i], 1.0f);
  }
  v.LightDirection[0] = v.LightDirection[1] = v.LightDirection[2] = 0;
  v.UpdateLighting();
  for (float f : v.FaceLight) EXPECT_FLOAT_EQ(f, 0.8f);
}

TEST(Lighting, ShadeColorScalesEachChannelInPlace) {
  EXPECT_EQ(ShadeColor(0xFFFFFF, 1.0f), 0xFFFFFFu);
  EXPECT_EQ(ShadeColor(0x000000, 0.5f), 0u);
  // Red is rounded; green and blue are scaled in place and masked, which truncates them.
  EXPECT_EQ(ShadeColor(0x0000FF, 0.5f), 0x000080u);  // 127.5 -> 128
  EXPECT_EQ(ShadeColor(0x00FF00, 0.5f), 0x007F00u);  // 0x7F80 masked
  EXPECT_EQ(ShadeColor(0xFF0000, 0.5f), 0x7F0000u);
}

TEST(Lighting, OutlineAndEdgeColours) {
  EXPECT_EQ(OutlineColor(0x0000FF, 0x323232, 0.6f, 0x333333), ShadeColor(0x0000FF, 0.6f));
  EXPECT_EQ(OutlineColor(0x333333, 0x808080, 0.6f, 0x333333), ShadeColor(0x808080, 0.6f));
  EXPECT_EQ(EdgeColor(0x333333, 0x333333, 0xCC0211), RGB(128, 128, 128));
  EXPECT_EQ(EdgeColor(0xCC0211, 0x333333, 0xCC0211), RGB(0, 128, 230));
  EXPECT_EQ(EdgeColor(0x00FF00, 0x333333, 0xCC0211), RGB(50, 50, 50));
}

TEST(ViewButtons, RotateWrapsAndClamps) {
  ViewPositions p;
  p.RotZ = 355;
  RotateRight(p);
  EXPECT_EQ(p.RotZ, 360);
  RotateRight(p);
  EXPECT_EQ(p.RotZ, 5);
  RotateLeft(p);
  EXPECT_EQ(p.RotZ, 0);
  RotateLeft(p);
  EXPECT_EQ(p.RotZ, 355);
  p.RotX = 178;
  RotateUp(p);
  EXPECT_EQ(p.RotX, 180);
  p.RotX = 3;
  RotateDown(p);
  EXPECT_EQ(p.RotX, 0);
}

TEST(ViewButtons, ZoomStopsAtTheLimitsAndHomeRestoresTheStart) {
  ViewPositions p;
  p.ScaleBar = 2;
  EXPECT_TRUE(ZoomIn(p));
  EXPECT_FALSE(ZoomIn(p));
  EXPECT_EQ(p.ScaleBar, 1);
  p.ScaleBar = 80;
  EXPECT_FALSE(ZoomOut(p));
  p = ViewPositions{10, 200, 33, 50, -70};
  StandardView(p);
  EXPECT_EQ(p, (ViewPositions{70, 30, 10, 0, 0}));
}

TEST(ViewButtons, FixedViewsChangeOnlyTheirAngles) {
  ViewPositions p{45, 100, 10, 0, 0};
  ApplyFixedView(p, 0);
  EXPECT_EQ(p.RotX, 0);
  EXPECT_EQ(p.RotZ, 100);
  ApplyFixedView(p, 2);
  EXPECT_EQ(p.RotZ, 270);
  EXPECT_EQ(p.RotX, 0);
  ApplyFixedView(p, 6);
  EXPECT_EQ(p, (ViewPositions{70, 210, 10, 0, 0}));
  ApplyFixedView(p, 9);
  EXPECT_EQ(p.RotX, 90);
  EXPECT_EQ(p.RotZ, 210);
  EXPECT_STREQ(kFixedViews[9].hint, "Front view");
}
