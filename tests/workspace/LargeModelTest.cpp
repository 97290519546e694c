// A model of 100,000 pieces in deep stacks loads, is sorted for every octant,
// paints and saves: nothing on the way recurses once per piece, so no stack
// overflows however large or deep a model grows.
#include <gtest/gtest.h>

#include "model/Document.h"
#include "render/RenderContext.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

TEST(LargeModel, AHundredThousandPiecesInDeepStacksLoadSortPaintAndSave) {
  constexpr int kTowers = 50, kHeight = 2000;  // bricks and plates, turned every other layer
  std::vector<std::string> lines = {"= 70 30 10 0 0 1 1",
                                    "B -160 -160 -8 320 320 8 12632256 1 1 0 0 0 3811 0"};
  for (int t = 0; t < kTowers; ++t)
    for (int level = 0; level < kHeight; ++level)
      lines.push_back("B " + std::to_string(-160 + (t % 8) * 40) + " " +
                      std::to_string(-160 + (t / 8) * 40) + " " + std::to_string(level * 16) +
                      " 40 40 " + (level % 2 ? "8" : "16") + " 204 1 0 " +
                      std::to_string(level % 4) + " 0 0 3003 " + std::to_string(level));
  TShapeCache shapes;
  TDocument doc;
  doc.ModelList.Clear();
  ModelReadResult read = ReadModelLines(lines, shapes);
  ASSERT_EQ(read.pieces.size(), lines.size() - 1);
  PlaceCompleteModel(read, doc, 0);

  RenderContext rc;
  TScene scene(doc, rc);
  scene.Resize(160, 120, 0, 0);
  for (const int rotX : {40, 140})
    for (const int rotZ : {30, 120, 210, 300}) {
      ApplyViewPositions(rc.view, ViewPositions{rotX, rotZ, 1, 0, 0}, 160, 120);
      scene.Paint();
      EXPECT_EQ(doc.ModelList.SortedOctant, rc.view.ViewOctant);
    }

  const std::vector<std::string> saved = FormatModelLines(doc.ModelList, ModelHeader{}, false);
  EXPECT_EQ(saved.size(), lines.size());
  EXPECT_EQ(ReadModelLines(saved, shapes).pieces.size(), lines.size() - 1);
}
