#pragma once
// Helpers for the tests of the shaped pieces: a view set up as the scene
// painter sets it, and the screen points a piece is expected to produce.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "render/RenderContext.h"
#include "tests/support/RecordingCanvas.h"

using Kind = RecordingCanvas::Kind;

// A light that gives every one of the seven face kinds its own brightness, so
// that the shade of a face tells which face it is.
inline void UseDistinctLight(RenderContext& rc) {
  rc.view.LightDirection[0] = -10;
  rc.view.LightDirection[1] = -5;
  rc.view.LightDirection[2] = -1;
  rc.view.UpdateLighting();
}

inline void SetView(RenderContext& rc, int rotX, int rotZ, int scaleBar = 10) {
  rc.view.SetScaleBar(scaleBar);
  rc.view.SetAngles(rotX, rotZ);
  rc.view.UpdateCenter(800, 600, 0, 0);
  rc.view.UpdateRiseAndStuds();
}

// World points projected as the box piece projects them (column 0).
inline std::vector<TPoint> Projected(const RenderContext& rc,
                                     std::initializer_list<Point3> worldPoints) {
  std::vector<TPoint> out;
  for (const Point3& p : worldPoints) out.push_back(rc.view.ProjectPoint(p));
  return out;
}

// The brush colours of the polygons drawn, in order.
inline std::vector<TColor> PolygonBrushes(const RecordingCanvas& canvas) {
  std::vector<TColor> out;
  for (const auto& call : canvas.Only(Kind::Polygon)) out.push_back(call.brush);
  return out;
}

// The number of vertices of each polygon drawn, in order.
inline std::vector<int> PolygonSizes(const RecordingCanvas& canvas) {
  std::vector<int> out;
  for (const auto& call : canvas.Only(Kind::Polygon))
    out.push_back(static_cast<int>(call.points.size()));
  return out;
}

// A fast-style stud is one polyline; every shaped piece uses that style here.
inline int StudCount(const RecordingCanvas& canvas) {
  return canvas.Count(Kind::Polyline);
}

// Screen points equal up to one pixel: the local frame projects with another
// column of the matrix than the world, which may round the other way.
inline ::testing::AssertionResult SamePoints(const std::vector<TPoint>& actual,
                                             const std::vector<TPoint>& expected) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure()
           << actual.size() << " points, expected " << expected.size();
  for (std::size_t i = 0; i < actual.size(); ++i) {
    const int dx = actual[i].x - expected[i].x, dy = actual[i].y - expected[i].y;
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1)
      return ::testing::AssertionFailure()
             << "point " << i << " is (" << actual[i].x << ", " << actual[i].y << "), expected ("
             << expected[i].x << ", " << expected[i].y << ")";
  }
  return ::testing::AssertionSuccess();
}
