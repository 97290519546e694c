// Measuring mapping records on the test parts of tests/ldraw/library.
#include <gtest/gtest.h>

#include "ldraw/LDrawLibrary.h"
#include "output/MappingList.h"
#include "shapes/ShapeCache.h"
#include "workspace/LDrawCheck.h"

namespace {

const std::string kLibrary = std::string(BRIKOLO_SOURCE_DIR) + "/tests/ldraw/library";

std::vector<std::string> Check(const std::vector<std::string>& lines) {
  LDrawLibrary library(kLibrary);
  TShapeCache shapes;
  return CheckMappingRecords(TMappingList::FromLines(lines), library, shapes);
}

}  // namespace

TEST(LDrawCheck, ListsRecordsThatMissTheirBoxWithSidesAndDistances) {
  const std::vector<std::string> report = Check({
      "B 2 4 3 1 16 0 0 0 0 testbox2x4.DAT 0",     // fits
      "B 2 4 3 1 16 0 0 0 1 testbox2x4.DAT 0",     // turned a quarter
      "B 2 4 3 1 16 10 -8 0 0 testbox2x4.DAT 0",   // moved 10 along and 8 up
      "B 1 1 3 1 16 0 0 0 0 testnothere.DAT 0",    // not in the library
      "T 2 2 3 1 16 0 0 10 0 testslope2x2.DAT 0",  // fits, facing the right way
  });
  ASSERT_EQ(report.size(), 3u);
  EXPECT_EQ(report[0],
            "line 2: B 2 4 3 1 16 0 0 0 1 testbox2x4.DAT 0: direction 0: -x 20 short, +x 20 short, "
            "-y 20 over, +y 20 over; direction 1: -x 20 over, +x 20 over, -y 20 short, +y 20 "
            "short; direction 2: -x 20 short, +x 20 short, -y 20 over, +y 20 over; direction 3: "
            "-x 20 over, +x 20 over, -y 20 short, +y 20 short");
  EXPECT_EQ(report[1].rfind("line 3: B 2 4 3 1 16 10 -8 0 0 testbox2x4.DAT 0: ", 0), 0u);
  EXPECT_NE(report[1].find("direction 0: -x 10 over, +x 10 short, bottom 8 short, top 8 over"),
            std::string::npos)
      << report[1];
  EXPECT_EQ(report[2],
            "line 4: B 1 1 3 1 16 0 0 0 0 testnothere.DAT 0: missing part testnothere.dat");
}

TEST(LDrawCheck, SlopesTurnedTheWrongWayAreFoundThoughTheyFillTheBox) {
  const std::vector<std::string> report = Check({
      "T 2 2 3 1 16 0 0 10 2 testslope2x2.DAT 0",
      "T 2 2 3 1 16 0 0 10 1 testslope2x2.DAT 0",
  });
  ASSERT_EQ(report.size(), 2u);
  EXPECT_NE(report[0].find("its top is"), std::string::npos) << report[0];
  EXPECT_NE(report[0].find("(a half turn would fit)"), std::string::npos) << report[0];
  EXPECT_EQ(report[0].find(" over"), std::string::npos) << "the box itself is filled";
  EXPECT_NE(report[1].find("(a rotation 3 quarter turns more would fit)"), std::string::npos)
      << report[1];
}
