// Every shipped shape drawn from the middle of each of the eight octants onto
// one sheet (build/shape-sheet.png), for a person to look at; the test checks
// that each picture shows the piece.
#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/TextFile.h"
#include "render/RenderContext.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"
#include "shapes/ShapeCache.h"

TEST(ShippedShapes, DrawFromEveryOctant) {
  const std::string folder = std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/";
  TShapeCache cache(folder);
  const std::vector<std::string> sections = SectionNames(ReadTextLines(folder + "parts.dat"));
  constexpr int kCell = 170;
  constexpr TColor kGround = 0xF0F0F0;
  Bitmap sheet(8 * kCell, static_cast<int>(sections.size()) * kCell, kGround);
  auto canvas = CreateBitmapCanvas(sheet);
  RenderContext rc;
  rc.switches.Shading = true;
  rc.switches.DetailLevel = 2;
  rc.switches.Studs = StudStyle::Better;
  for (std::size_t row = 0; row < sections.size(); ++row) {
    TGeneralBlock piece(0, 0, 0, 0, 0, 0, 0x0000CC, true, false, false, "");
    piece.LoadShape(cache, "parts.dat", sections[row]);
    piece.X = -piece.SizeX / 2;
    piece.Y = -piece.SizeY / 2;
    piece.Z = -piece.SizeZ / 2;
    for (int octant = 0; octant < 8; ++octant) {
      const int tilt = octant < 4 ? 55 : 125;
      rc.view.ViewScale = 1.6f;
      rc.view.SetAngles(tilt, 45 + 90 * (octant % 4));
      ASSERT_EQ(rc.view.ViewOctant, octant);
      rc.view.ViewCenterX = octant * kCell + kCell / 2;
      rc.view.ViewCenterY = static_cast<int>(row) * kCell + kCell / 2;
      rc.view.UpdateRiseAndStuds();
      rc.view.UpdateLighting();
      piece.Draw(*canvas, rc);
      int painted = 0;
      for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
          if (sheet.pixel(octant * kCell + x, static_cast<int>(row) * kCell + y) != kGround)
            ++painted;
      EXPECT_GT(painted, 400) << sections[row] << " octant " << octant;
    }
  }
  canvas.reset();
  WritePng(std::string(BRIKOLO_BUILD_DIR) + "/shape-sheet.png", sheet);
}
