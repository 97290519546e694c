#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/Error.h"
#include "platform/PictureFile.h"
#include "platform/Region.h"
#include "platform/TextFile.h"

namespace {

std::string Temp(const std::string& name) { return testing::TempDir() + "/" + name; }

}  // namespace

TEST(TextFiles, LinesAreWrittenWithCrLfAndReadWithEither) {
  const std::string path = Temp("lines.txt");
  WriteTextLines(path, {"a b", "", "c"});
  EXPECT_EQ(ReadFileBytes(path), "a b\r\n\r\nc\r\n");
  EXPECT_EQ(SplitLines("x\ny\r\nz"), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"a b", "", "c"}));
}

TEST(TextFiles, MissingFilesRaiseTheSystemMessage) {
  try {
    ReadTextLines(Temp("no-such-file.lgo"));
    FAIL();
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos);
  }
}

TEST(TextFiles, AFailedWriteLeavesTheOldFileAsItWas) {
  const std::string dir = Temp("readonly-dir");
  ::mkdir(dir.c_str(), 0755);
  const std::string path = dir + "/model.lgo";
  WriteTextLines(path, {"old"});
  ::chmod(dir.c_str(), 0555);  // no temporary file can be made beside it
  if (::geteuid() == 0) {
    // root ignores permissions; a directory in the target's place makes rename fail instead
    ::chmod(dir.c_str(), 0755);
    const std::string blocked = dir + "/blocked.lgo";
    ::mkdir(blocked.c_str(), 0755);
    EXPECT_THROW(WriteTextLines(blocked, {"new"}), FileError);
    struct stat st;
    EXPECT_EQ(::stat((blocked + ".tmp~").c_str(), &st), -1);  // no temporary left behind
  } else {
    EXPECT_THROW(WriteTextLines(path, {"new"}), FileError);
    ::chmod(dir.c_str(), 0755);
  }
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"old"}));
}

TEST(TextFiles, PathHelpers) {
  EXPECT_EQ(NativePath("MODELS\\TEST.DAT"), "MODELS/TEST.DAT");
  EXPECT_EQ(FileFolder("/a/b/c.lgo"), "/a/b/");
  EXPECT_EQ(FileBaseName("C:\\x\\house.lgo"), "house.lgo");
  EXPECT_EQ(FileExtension("/a.b/house"), "");
  EXPECT_EQ(FileExtension("house.LGO"), ".LGO");
}

TEST(Pictures, BmpRoundTripKeepsEveryPixel) {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) b.setPixel(x, y, RGB(x * 50, y * 80, 7));
  const std::string path = Temp("round.bmp");
  WriteBmp(path, b);
  Bitmap back = ReadBmp(path);
  ASSERT_EQ(back.width(), 5);
  ASSERT_EQ(back.height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), b.pixel(x, y));
  const std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.size(), 54u + 3u * 16u);  // rows padded to four bytes
}

TEST(Pictures, JpegAtFullQualityIsClose) {
  Bitmap b(16, 16, RGB(200, 100, 50));
  const std::string path = Temp("flat.jpg");
  WriteJpeg(path, b);
  Bitmap back = ReadPicture(path);
  ASSERT_EQ(back.width(), 16);
  const TColor c = back.pixel(8, 8);
  EXPECT_NEAR(RedOf(c), 200, 3);
  EXPECT_NEAR(GreenOf(c), 100, 3);
  EXPECT_NEAR(BlueOf(c), 50, 3);
  EXPECT_THROW(ReadJpeg(Temp("round.bmp")), FileError);
  EXPECT_TRUE(IsJpegName("A.JPG"));
  EXPECT_FALSE(IsJpegName("a.bmp"));
}

TEST(Region, PointsOnTheRightAndBottomEdgeAreOutside) {
  const TPoint square[4] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
  PolygonRegion r(square, 4);
  EXPECT_TRUE(r.contains(0, 0));
  EXPECT_TRUE(r.contains(39, 39));
  EXPECT_FALSE(r.contains(40, 20));
  EXPECT_FALSE(r.contains(20, 40));
  EXPECT_FALSE(r.contains(-1, 20));
  const TPoint line[2] = {{0, 0}, {10, 10}};
  EXPECT_FALSE(PolygonRegion(line, 2).valid());
}
