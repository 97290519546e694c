// The batch program run as a user would run it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdio>
#include <filesystem>

#include "platform/PictureFile.h"
#include "platform/Process.h"
#include "platform/TextFile.h"

namespace {

struct CliRun {
  int code;
  std::string out;  // stdout and stderr together
};

CliRun Cli(const std::string& args) {
  const std::string command = std::string(BRIKOLO_BUILD_DIR) + "/brikolo-cli " + args + " 2>&1";
  CliRun r{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe)) r.out += buffer;
  const int status = pclose(pipe);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string Temp(const std::string& name) {
  return testing::TempDir() + "/" + name;
}
std::string House() {
  return std::string(BRIKOLO_BUILD_DIR) + "/examples/house.lgo";
}

}  // namespace

TEST(Cli, RendersTheExampleHouseInEveryFormat) {
  for (const char* ext : {".png", ".bmp", ".jpg"}) {
    const std::string out = Temp(std::string("house") + ext);
    std::remove(out.c_str());
    CliRun r = Cli("render " + House() + " " + out + " --size 320x240 --shading --studs better");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_TRUE(FileExists(out)) << ext;
  }
  Bitmap bmp = ReadBmp(Temp("house.bmp"));
  EXPECT_EQ(bmp.width(), 320);
  EXPECT_EQ(bmp.height(), 240);
}

TEST(Cli, BackgroundViewAndAntialiasOptions) {
  const std::string out = Temp("plain.bmp");
  CliRun r = Cli("render " + House() + " " + out +
                 " --size 100x80 --background 102030 --view 0,0 --zoom 80 --antialias --wireframe");
  ASSERT_EQ(r.code, 0) << r.out;
  Bitmap b = ReadBmp(out);
  EXPECT_EQ(b.pixel(0, 0), RGB(0x10, 0x20, 0x30));
}

TEST(Cli, UsageErrorsExitWithTwoAndReadErrorsWithOne) {
  EXPECT_EQ(Cli("render " + House() + " " + Temp("x.png") + " --frobnicate").code, 2);
  EXPECT_EQ(Cli("render " + House() + " " + Temp("x.png") + " --size 0x10").code, 2);
  EXPECT_EQ(Cli("render " + House() + " " + Temp("x.png") + " --studs round").code, 2);
  EXPECT_EQ(Cli("render " + House() + " " + Temp("x.gif")).code, 2);
  EXPECT_EQ(Cli("launch").code, 2);
  CliRun missing = Cli("render " + Temp("nothing-here.lgo") + " " + Temp("x.png"));
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.out.find("nothing-here.lgo"), std::string::npos);
  EXPECT_EQ(missing.out.find('\n'), missing.out.size() - 1);  // one line
}

TEST(Cli, ConvertWritesAnOldFileInInternalUnitsAndReportsSkippedLines) {
  const std::string in = Temp("old.lgo"), out = Temp("new.lgo");
  WriteTextLines(in, {"B 1 2 3 2 4 1 255 1 0 0 0 0 3001 0", "B 1 2 3 2 4 1 255 1 0 0 0 0 3001 0a"});
  CliRun r = Cli("convert " + in + " " + out);
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find(":2: '0a' is not a valid integer value"), std::string::npos) << r.out;
  EXPECT_EQ(
      ReadTextLines(out),
      (std::vector<std::string>{"= 70 30 10 0 0 1 1", "B 20 40 24 40 80 8 255 1 0 0 0 0 3001 0"}));
}

TEST(Cli, InfoCountsPiecesStepsAndGroups) {
  CliRun r = Cli("info " + House());
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("pieces: "), std::string::npos);
  EXPECT_NE(r.out.find("  B: "), std::string::npos);
  EXPECT_NE(r.out.find("highest step: 1"), std::string::npos);
  EXPECT_NE(r.out.find("groups: 1"), std::string::npos);
  EXPECT_NE(r.out.find("bounding box: x -240..240"), std::string::npos);
}

TEST(Cli, PovRayPicturesOfTheHouseThroughBothRoutes) {
  EXPECT_EQ(Cli("pov " + House() + " " + Temp("x.png") + " --route l4p").code, 2);
  EXPECT_EQ(Cli("pov " + House() + " " + Temp("x.bmp")).code, 2);
  if (FindProgram("povray", {}).empty()) GTEST_SKIP() << "POV-Ray is not installed";
  // A fresh LDraw folder without a library: the mapping list's pieces stand in.
  const std::string library = Temp("pov-library");
  std::filesystem::remove_all(library);
  for (const char* route : {"l2p", "l3p"}) {
    const std::string out = Temp(std::string("house-") + route + ".png");
    std::remove(out.c_str());
    CliRun r = Cli("pov " + House() + " " + out + " --route " + route + " --size 64x48" +
                   " --ldraw-dir " + library);
    ASSERT_EQ(r.code, 0) << r.out;
    const QImage picture(QString::fromStdString(out));
    ASSERT_EQ(picture.size(), QSize(64, 48)) << route;
    // The house's red walls and blue roof, lit and shaded.
    int red = 0, blue = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        red += c.red() > 120 && c.green() < 60 && c.blue() < 60;
        blue += c.blue() > 120 && c.red() < 60;
      }
    EXPECT_GT(red, 40) << route;
    EXPECT_GT(blue, 15) << route;
  }
}
