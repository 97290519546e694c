// The shipped examples painted through a bitmap's canvas, which draws most of
// the picture straight into the pixels and copies repeated studs, against
// the same scene painted by the painter alone: every pixel must agree.
#include <gtest/gtest.h>

#include <QImage>

#include "model/Document.h"
#include "platform/QtCanvas.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

struct Look {
  ViewPositions view;
  bool shading, wireframe, seeThroughBase;
  StudStyle studs;
  int detail;
};

int DifferingPixels(TScene& scene, int width, int height) {
  Bitmap direct(width, height);
  {
    std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(direct);
    scene.PaintOnto(*canvas, width, height);
  }
  QImage image(width, height, QImage::Format_RGB32);
  {
    QtCanvas painter(&image);
    scene.PaintOnto(painter, width, height);
  }
  int n = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      n += direct.raw()[y * width + x] !=
           reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
  return n;
}

}  // namespace

TEST(ExamplePictures, EveryPixelAsThePainterSetsIt) {
  const Look looks[] = {
      {{70, 30, 10, 0, 0}, true, false, false, StudStyle::Fast, 0},
      {{60, 210, 6, 40, -30}, false, false, false, StudStyle::Better, 1},
      {{130, 120, 10, 0, 0}, true, false, true, StudStyle::Fast, 2},      // from below
      {{45, 300, 3, 100, 50}, true, false, false, StudStyle::Better, 2},  // close up, cut by the
                                                                          // edges
      {{80, 75, 14, 0, 0}, false, true, false, StudStyle::Best, 0},
      {{20, 160, 25, 0, 0}, true, false, false, StudStyle::Best, 1},
  };
  TShapeCache shapes(std::string(BRIKOLO_BUILD_DIR) + "/parts/");
  for (const char* name : {"house", "shaped", "shaped-underside", "general", "town1000"}) {
    TDocument doc;
    LoadCompleteModel(std::string(BRIKOLO_BUILD_DIR) + "/examples/" + name + ".lgo", doc, shapes,
                      0);
    for (const Look& look : looks) {
      RenderContext rc;
      rc.switches.Shading = look.shading;
      rc.switches.Wireframe = look.wireframe;
      rc.switches.SeeThroughBaseplate = look.seeThroughBase;
      rc.switches.Studs = look.studs;
      rc.switches.DetailLevel = look.detail;
      TScene scene(doc, rc);
      const int width = 320, height = 240;
      ApplyViewPositions(rc.view, look.view, width, height);
      scene.Resize(width, height, look.view.OffsetX, look.view.OffsetY);
      scene.Paint();  // sorts for the view
      EXPECT_EQ(DifferingPixels(scene, width, height), 0)
          << name << " tilt " << look.view.RotX << " spin " << look.view.RotZ;
    }
  }
}
