// The shipped shapes must look right from every side: their painting orders
// are checked against what a raster of views in each octant demands.
#include <gtest/gtest.h>

#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"
#include "tests/shapes/PainterCheck.h"

namespace {

const std::string kPartsSource = std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/";
const char* const kShippedFiles[] = {"parts.dat", "template.dat", "examples.dat"};

}  // namespace

TEST(ShippedShapes, PaintingOrdersHideWhatIsBehind) {
  for (const char* file : kShippedFiles) {
    const std::vector<std::string> lines = ReadTextLines(kPartsSource + file);
    for (const std::string& section : SectionNames(lines)) {
      const auto shape = ParseShape(lines, file, section);
      for (int octant = 0; octant < 8; ++octant) {
        EXPECT_EQ(shape->GetDrawCount(octant), shape->FaceCount) << section << " octant " << octant;
        EXPECT_EQ(FirstBrokenConstraint(*shape, octant, SampleConstraints(*shape, octant)), "")
            << file << " [" << section << "] octant " << octant;
      }
    }
  }
}

// Run by hand after changing the geometry of a shipped shape: fills in the Q
// lines of every section with a valid painting order.
TEST(ShippedShapes, DISABLED_WritePaintingOrders) {
  for (const char* file : kShippedFiles) {
    std::vector<std::string> lines = ReadTextLines(kPartsSource + file);
    for (const std::string& section : SectionNames(lines)) {
      const auto shape = ParseShape(lines, file, section);
      std::size_t line = 0;
      while (!SameText(lines[line], "[" + section + "]")) ++line;
      for (int octant = 0; octant < 8; ++octant) {
        const std::vector<int> order = PainterOrder(*shape, SampleConstraints(*shape, octant));
        ASSERT_FALSE(order.empty()) << section << ": no order for octant " << octant;
        std::string q = "Q" + std::to_string(octant + 1) + "=" + std::to_string(order.size()) + " ";
        for (int f : order) q += "," + std::to_string(f + 1);
        std::size_t i = line + 1;
        while (i < lines.size() && !lines[i].empty() && lines[i][0] != '[' &&
               lines[i].rfind("Q" + std::to_string(octant + 1) + "=", 0) != 0)
          ++i;
        ASSERT_TRUE(i < lines.size() && !lines[i].empty() && lines[i][0] != '[');
        lines[i] = q;
      }
    }
    WriteTextLines(kPartsSource + file, lines);
  }
}
