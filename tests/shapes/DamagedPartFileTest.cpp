// Damaged part files must either be rejected with an error or give a shape
// that draws and writes without leaving its faces, whatever the damage.
#include <gtest/gtest.h>

#include <exception>

#include "platform/TextFile.h"
#include "render/RenderContext.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"
#include "tests/support/RecordingCanvas.h"

TEST(DamagedPartFile, EveryCutAndCorruptedLineIsSafe) {
  const std::vector<std::string> original =
      ReadTextLines(std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/parts.dat");
  const char* const replacements[] = {"-", "9", "0", "-1", ",", "x", "99999", ";"};
  RenderContext rc;
  rc.switches.DetailLevel = 2;
  RecordingCanvas canvas;
  int parsed = 0;
  std::uint32_t seed = 12345;
  for (std::size_t n = 0; n < original.size(); ++n) {
    if (original[n].find('=') == std::string::npos) continue;
    for (int trial = 0; trial < 6; ++trial) {
      std::vector<std::string> lines = original;
      std::string& line = lines[n];
      seed = seed * 1103515245u + 12345u;
      const std::size_t at = (seed >> 8) % line.size();
      if (trial == 0)
        line.resize(at);
      else
        line.replace(at, 1 + trial % 3, replacements[(seed >> 4) % 8]);
      std::size_t header = n;
      while (header > 0 && lines[header][0] != '[') --header;
      const std::string section = original[header].substr(1, original[header].size() - 2);
      std::unique_ptr<TDrawClass> shape;
      try {
        shape = ParseShape(lines, "parts.dat", section);
      } catch (const std::exception&) {
        continue;
      }
      ++parsed;
      for (int octant = 0; octant < 8; ++octant) {
        rc.view.SetAngles(octant < 4 ? 40 : 140, 45 + 90 * (octant % 4));
        shape->DrawFaces(0, 0, 0, octant % 4, false, canvas, rc);
        shape->DrawTopStuds(0, 0, 0, octant % 4, canvas, rc);
        shape->DrawBottomTubes(0, 0, 0, octant % 4, canvas, rc);
        for (int i = 0; i < shape->GetDrawCount(octant); ++i)
          EXPECT_TRUE(shape->HasFace(shape->GetDrawOrder(octant, i)));
      }
      std::vector<std::string> written;
      WriteShape(*shape, written);
      canvas.Clear();
    }
  }
  EXPECT_GT(parsed, 100);
}
