#include <gtest/gtest.h>

#include "render/RenderContext.h"
#include "shapes/DrawClass.h"
#include "tests/shapes/ShapeFixtures.h"
#include "tests/support/RecordingCanvas.h"

using Kind = RecordingCanvas::Kind;

namespace {

constexpr TColor kPiece = 0x00AA22, kPen = 0x323232;

class ShapeDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    shape = BrickShape();
    for (TIntegerList& list : shape->DrawOrder) list.Clear();
    shape->DrawOrder[0].Add(0);
    rc.view.ViewScale = 2;
    rc.view.ViewCenterX = 400;
    rc.view.ViewCenterY = 300;
    canvas.setBrushColor(kPiece);
    canvas.setPenColor(kPen);
  }
  void Draw(int direction = 0, bool selected = false) {
    shape->DrawFaces(0, 0, 0, direction, selected, canvas, rc);
  }
  std::unique_ptr<TDrawClass> shape;
  RenderContext rc;
  RecordingCanvas canvas;
};

}  // namespace

TEST_F(ShapeDraw, PaintingOrderComesFromTheOctantTurnedByTheDirection) {
  // Octant o lists face 0 (o + 1) times, so the number of polygons names the octant.
  for (int o = 0; o < 8; ++o) {
    shape->DrawOrder[o].Clear();
    for (int k = 0; k <= o; ++k) shape->DrawOrder[o].Add(0);
  }
  const struct {
    int tilt, spin, direction, octant;
  } cases[] = {{30, 10, 0, 0},  {30, 10, 1, 1},   {30, 280, 1, 0}, {30, 200, 3, 1},
               {150, 10, 1, 5}, {150, 280, 1, 4}, {150, 100, 2, 7}};
  for (const auto& c : cases) {
    rc.view.SetAngles(c.tilt, c.spin);
    canvas.Clear();
    Draw(c.direction);
    EXPECT_EQ(canvas.Count(Kind::Polygon), c.octant + 1)
        << "view " << c.tilt << "," << c.spin << " direction " << c.direction;
  }
}

TEST_F(ShapeDraw, FacesAboveTheDetailLevelAreSkipped) {
  shape->DrawOrder[0].Add(1);
  shape->SetDetail(0, 2);
  for (int level = 0; level <= 2; ++level) {
    rc.switches.DetailLevel = level;
    canvas.Clear();
    Draw();
    EXPECT_EQ(canvas.Count(Kind::Polygon), level == 2 ? 2 : 1) << "level " << level;
  }
}

TEST_F(ShapeDraw, OutlineModes) {
  shape->SetOutline(0, 0);
  Draw();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].pen, kPiece);  // no visible outline

  canvas.Clear();
  shape->SetOutline(0, 1);
  Draw();
  EXPECT_EQ(canvas.calls[0].pen, kPen);
  EXPECT_EQ(canvas.Count(Kind::Line), 0);

  // Bits 0 and 1: per-edge mode with the first edge hidden.
  canvas.Clear();
  shape->SetOutline(0, 3);
  Draw();
  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[0].pen, kPiece);
  const TPoint c2 = rc.view.ProjectPoint(40, 40, 24), c3 = rc.view.ProjectPoint(0, 40, 24),
               c0 = rc.view.ProjectPoint(0, 0, 24), c1 = rc.view.ProjectPoint(40, 0, 24);
  EXPECT_EQ(canvas.calls[1].points, (std::vector<TPoint>{c1, c2}));
  EXPECT_EQ(canvas.calls[2].points, (std::vector<TPoint>{c2, c3}));
  EXPECT_EQ(canvas.calls[3].points, (std::vector<TPoint>{c3, c0}));  // closing edge
  EXPECT_EQ(canvas.calls[3].pen, kPen);
  EXPECT_EQ(canvas.penColor(), kPen);
}

TEST_F(ShapeDraw, PerEdgeOutlinesCoverTheFirstThirtyOneEdgesOnly) {
  std::vector<Point3> ring;
  for (int i = 0; i < 40; ++i) ring.push_back({i, i * i % 17, 0});
  shape->AddFace(ring.data(), 40);
  shape->SetOutline(6, 2);  // hide edge 0 only
  shape->DrawOrder[0].Clear();
  shape->DrawOrder[0].Add(6);
  Draw();
  EXPECT_EQ(canvas.Count(Kind::Line), 30);
}

TEST_F(ShapeDraw, OwnAndHatchedColoursLastForTheirFaceOnly) {
  shape->DrawOrder[0].Add(1);
  shape->DrawOrder[0].Add(2);
  shape->SetColor(0, -255);
  shape->SetColor(1, 0x123456);
  Draw();
  const auto polygons = canvas.Only(Kind::Polygon);
  ASSERT_EQ(polygons.size(), 3u);
  EXPECT_EQ(polygons[0].style, BrushStyle::DiagCross);
  EXPECT_EQ(polygons[0].brush, 0x0000FFu);
  EXPECT_EQ(polygons[1].style, BrushStyle::Solid);
  EXPECT_EQ(polygons[1].brush, 0x123456u);
  EXPECT_EQ(polygons[2].brush, kPiece);
}

TEST_F(ShapeDraw, HighlightedFaceUsesTheHighlightColoursAndNoBitmap) {
  shape->HighlightFace = 0;
  shape->BitmapFace = 0;
  canvas.setBrushStyle(BrushStyle::DiagCross);
  Draw();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].pen, 0x0000FFu);
  EXPECT_EQ(canvas.calls[0].brush, 0x008080u);
  EXPECT_EQ(canvas.calls[0].style, BrushStyle::Solid);
  EXPECT_EQ(canvas.brushStyle(), BrushStyle::DiagCross);  // put back afterwards
}

TEST_F(ShapeDraw, ShadingLightsEachFaceByItsOwnPlane) {
  rc.ShadingOn = true;
  rc.view.UpdateLighting();
  shape->DrawOrder[0].Add(2);  // a face across y
  shape->DrawOrder[0].Add(4);  // a face across x
  Draw();
  auto polygons = canvas.Only(Kind::Polygon);
  ASSERT_EQ(polygons.size(), 3u);
  // The same light as the horizontal, y and x faces of a box piece.
  EXPECT_EQ(polygons[0].brush, ShadeColor(kPiece, rc.view.FaceLight[2]));
  EXPECT_EQ(polygons[1].brush, ShadeColor(kPiece, rc.view.FaceLight[0]));
  EXPECT_EQ(polygons[2].brush, ShadeColor(kPiece, rc.view.FaceLight[1]));
  EXPECT_NE(polygons[0].brush, polygons[2].brush);
  EXPECT_EQ(polygons[0].pen, ShadeColor(kPiece, 0.6f));

  canvas.Clear();
  Draw(0, true);  // a selected piece keeps its pen
  EXPECT_EQ(canvas.Only(Kind::Polygon)[0].pen, kPen);
}

TEST_F(ShapeDraw, BitmapFaceShowsDiagonalsBelowDetailTwo) {
  shape->BitmapFace = 0;
  shape->BitmapName = "missing.bmp";
  rc.switches.DetailLevel = 1;
  Draw();
  const auto lines = canvas.Only(Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[0], rc.view.ProjectPoint(0, 0, 24));
  EXPECT_EQ(lines[0].points[1], rc.view.ProjectPoint(40, 40, 24));
  EXPECT_EQ(lines[1].points[0], rc.view.ProjectPoint(40, 0, 24));

  canvas.Clear();
  rc.switches.DetailLevel = 2;
  EXPECT_NO_THROW(Draw());  // a bitmap that cannot be read is left out
  EXPECT_EQ(canvas.calls.size(), 1u);
}

TEST_F(ShapeDraw, BitmapIsMappedOntoTheFaceWithoutItsTransparentColour) {
  shape->PartsFolders = {std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/"};
  shape->BitmapName = "smiley.bmp";
  shape->BitmapFace = 0;
  rc.switches.DetailLevel = 2;
  Draw();
  const auto pixels = canvas.Only(Kind::Pixel);
  ASSERT_GT(pixels.size(), 1000u);  // 80 by 80 screen pixels, the disc most of them
  const TPoint a = rc.view.ProjectPoint(0, 0, 24), b = rc.view.ProjectPoint(40, 40, 24);
  int yellow = 0;
  for (const auto& p : pixels) {
    EXPECT_NE(p.pen, 0xFF00FFu);
    EXPECT_TRUE(p.points[0].x >= std::min(a.x, b.x) && p.points[0].x <= std::max(a.x, b.x));
    EXPECT_TRUE(p.points[0].y >= std::min(a.y, b.y) && p.points[0].y <= std::max(a.y, b.y));
    if (p.pen == 0x00E5FF) ++yellow;
  }
  EXPECT_GT(yellow, 1500);
}

TEST_F(ShapeDraw, StudsAndTubesAtTheirTurnedCentres) {
  shape->SetBox(40, 80, 24);
  shape->TopStuds = {{10, 10, 24}, {30, 70, 24}};
  shape->TopStudCount = 2;
  shape->DrawTopStuds(100, 200, 8, 1, canvas, rc);
  const auto studs = canvas.Only(Kind::Polyline);
  ASSERT_EQ(studs.size(), 2u);  // fast studs: one polyline each
  // The first point of a fast stud is its top octagon's left corner.
  const TPoint foot = rc.view.ProjectPoint(100 + 10, 200 + 30, 32);
  EXPECT_EQ(studs[0].points[0].x, foot.x + rc.view.StudRiseX - rc.view.StudRadiusX);

  canvas.Clear();
  shape->BottomTubes = {{20, 20, 0}};
  shape->BottomTubeCount = 1;
  shape->DrawBottomTubes(0, 0, 0, 0, canvas, rc);
  ASSERT_EQ(canvas.Count(Kind::Polyline), 1);
  EXPECT_EQ(canvas.calls[0].points.size(), 9u);

  canvas.Clear();
  shape->TopStudCount = 0;
  shape->DrawTopStuds(0, 0, 0, 0, canvas, rc);
  EXPECT_TRUE(canvas.calls.empty());
}
