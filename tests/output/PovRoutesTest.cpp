#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/PovRoutes.h"
#include "platform/Error.h"
#include "platform/Process.h"
#include "platform/TextFile.h"
#include "render/View.h"
#include "tests/output/TempFolder.h"

namespace {

TView ViewAt(int tiltDegrees, int spinDegrees, float scale) {
  TView view;
  view.SetAngles(tiltDegrees, spinDegrees);
  view.ViewScale = scale;
  return view;
}

TBounds Box(std::int64_t x0, std::int64_t y0, std::int64_t z0, std::int64_t x1, std::int64_t y1,
            std::int64_t z1) {
  return TBounds{x0, y0, z0, x1, y1, z1, false};
}

}  // namespace

TEST(PovRoutes, L2PSceneLineForLine) {
  // Largest extent 1000 gives a distance of 240; the centre's height -25
  // counts as -8 brick heights (truncated, not rounded down).
  const TBounds box = Box(-500, -100, -40, 500, 300, -10);
  EXPECT_FLOAT_EQ(L2PCameraDistance(box), 240.0f);
  const std::vector<std::string> expected = {
      "#include \"lg_color.inc\"",
      "#include \"lg_defs.inc\"",
      "",
      "#include \"test.inc\"",
      "",
      "background { color rgb <1,0.501961,0>}",
      "/*object {",
      " plane { z, -1*LG_TOP_HEIGHT } // locate the plane below a baseplate",
      "  pigment {color DarkGreen}",
      "}*/",
      "",
      "light_source { <-50, -35, 45> color White }",
      "light_source { <20, 60, 50> color White }",
      "light_source { <-45, -45, 30> color White }",
      "",
      "camera {",
      " location <-240*LG_BRICK_WIDTH, -0*LG_BRICK_WIDTH, -1.04907e-05*LG_BRICK_HEIGHT>",
      " angle 20",
      " sky <0, 0, 1>",
      " up <0, 1, 0>",
      " look_at <-100*LG_BRICK_WIDTH, 0*LG_BRICK_WIDTH, -8*LG_BRICK_HEIGHT>",
      "}",
  };
  EXPECT_EQ(L2PSceneLines(box, ViewAt(90, 0, 1), RGB(255, 128, 0)), expected);

  // Seen from the front left and above, zoomed out: x, y and z of the camera
  // each take their own angle.
  EXPECT_EQ(L2PSceneLines(box, ViewAt(60, 30, 0.5f), 0)[16],
            " location <-360*LG_BRICK_WIDTH, -207.846*LG_BRICK_WIDTH, 240*LG_BRICK_HEIGHT>");
  // An empty model puts the camera at the origin rather than failing.
  EXPECT_EQ(L2PCameraDistance(TBounds{}), 0.0f);
}

TEST(PovRoutes, L3PEditsTheConvertersScene) {
  struct Case {
    const char* what;
    std::vector<std::string> in, out;
  };
  const std::string location = "    location <-0,4.37114e-05,-1000>";
  const std::vector<Case> cases = {
      {"every edit; a turned location takes its next line along",
       {"#declare Color10 = texture {", "pigment { rgb 1 }", "#DECLARE COLOR42 = TEXTURE {",
        "pigment { rgb 2 }", "// Background:", "background { color rgb <1,1,1> }", "Camera {",
        "    #declare PCT = 0 // Percentage further away", "    location vaxis_rotate(<0,0,-1>,",
        "        x, 30)", "    look_at <0,0,0>", "    angle 67", "}"},
       {"#declare Color10 = texture {", "pigment { rgb <0.0,1,0.0392157> }",
        "#DECLARE COLOR42 = TEXTURE {", "pigment { rgbf <0.0,1,0.0392157,0.85> }",
        "// Background:", "background { color rgb <0,0,1>}", "Camera {",
        "    #declare PCT = 300 // Percentage further away", location, "    look_at <0,0,0>",
        "    angle 25", "}"}},
      {"no camera: colours and background only; lines must match whole",
       {"#declare Color10 = texture {", "x", "#declare Color42 = texture { ", "y",
        "// Background:", "background { rgb 1 }", "camera", "location <1,2,3>"},
       {"#declare Color10 = texture {", "pigment { rgb <0.0,1,0.0392157> }",
        "#declare Color42 = texture { ", "y", "// Background:", "background { color rgb <0,0,1>}",
        "camera", "location <1,2,3>"}},
      {"a background line must follow its mark",
       {"// Background:", "sky_sphere {}"},
       {"// Background:", "sky_sphere {}"}},
      {"no angle before the closing brace: inserted there",
       {"camera {", "    location <1,2,3>", "    sky -y", "}", "angle 40"},
       {"camera {", location, "    sky -y", "    angle 25", "}", "angle 40"}},
      {"no location anywhere: the camera gets one",
       {"camera {", "  look_at <0,0,0>", "}"},
       {"camera {", location, "  look_at <0,0,0>", "    angle 25", "}"}},
      {"the camera's edits stay inside its braces: the next object keeps its location",
       {"camera {", "  look_at <0,0,0>", "}", "light_source {", "  location <1,2,3>", "}"},
       {"camera {", location, "  look_at <0,0,0>", "    angle 25", "}", "light_source {",
        "  location <1,2,3>", "}"}},
      {"a camera that never closes, or closes after a colour's texture line: the angle "
       "follows the location, where a second edit finds it",
       {"camera {", "#declare Color10 = texture {"},
       {"camera {", location, "    angle 25", "#declare Color10 = texture {"}},
      {"a mark right after a mark stays",
       {"#declare Color42 = texture {", "#declare Color10 = texture {", "",
        "#declare Color10 = texture {", "}"},
       {"#declare Color42 = texture {", "#declare Color10 = texture {",
        "pigment { rgb <0.0,1,0.0392157> }", "#declare Color10 = texture {", "}"}},
      {"a turned location followed by a mark keeps the mark",
       {"camera {", "location vaxis_rotate(", "// Background:", "// Background:", "background"},
       {"camera {", location, "    angle 25", "// Background:", "// Background:", "background"}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> edited = EditL3PScene(c.in, ViewAt(90, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(edited, c.out) << c.what;
    EXPECT_EQ(EditL3PScene(edited, ViewAt(90, 0, 1), RGB(0, 0, 255)), edited) << c.what;
  }
}

TEST(PovRoutes, CommandLines) {
  PovSettings s{"/lib", "MODELS\\TEST.DAT", "l2pgo.sh", "my l3p", "povray +P"};
  EXPECT_EQ(ConverterCommandLine(PovRoute::L2P, s), "l2pgo.sh ");
  EXPECT_EQ(ConverterCommandLine(PovRoute::L3P, s), "my l3p ");
  EXPECT_EQ(PovRayCommandLine(s.PovRayEng, "BO_test.pov", 320, 240),
            "povray +P +IBO_test.pov -V +W320 +H240");
  EXPECT_EQ(PovTestFile(s), "/lib\\MODELS\\TEST.DAT");
  EXPECT_EQ(PovSceneFile(PovRoute::L3P, s), "/lib\\test.pov");
}

namespace {

// A library folder with the mapping list beside it and stand-ins for the
// converter and POV-Ray that note where they ran and what they were given.
struct RouteFixture {
  TempFolder folder;
  std::string lib = folder / "lib";
  TBlockList list;
  std::vector<std::string> messages;
  RunHooks hooks;
  int waits = 0;

  RouteFixture() {
    WriteBytes(folder / "bo2ld.lst", "B 2 2 3 1 16 0 0 0 0 3003.DAT 0\r\n");
    list.Add(std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0x0000FF, true, false, false, "3003"));
    hooks.showMessage = [this](const std::string& m) { messages.push_back(m); };
    hooks.busy = [this](bool on) { waits += on ? 1 : 0; };
  }
  std::string Script(const std::string& name, const std::string& body) {
    const std::string path = folder / name;
    WriteBytes(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  PovSettings Settings(const std::string& converter) {
    return {lib, "MODELS\\TEST.DAT", converter, converter,
            Script("pov", "pwd > pov.txt; echo \"$@\" >> pov.txt")};
  }
  void Run(PovRoute route, const PovSettings& s) {
    RenderWithPovRay(route, s, list, folder.Path(), ViewAt(70, 30, 1), 0xFFFFFF,
                     PovPicture{80, 60, true}, hooks);
  }
};

}  // namespace

TEST(PovRoutes, L2PRunsTheConverterThenPovRayInTheLibrary) {
  RouteFixture f;
  const std::string before = GetCurrentFolder();
  // The converter sees the test file already written, in a folder made for it.
  f.Run(PovRoute::L2P,
        f.Settings(
            f.Script("conv", "pwd > conv.txt; ls MODELS >> conv.txt; echo \"[$*]\" >> conv.txt")));
  EXPECT_EQ(GetCurrentFolder(), before);
  EXPECT_EQ(ReadTextLines(f.lib + "/conv.txt"),
            (std::vector<std::string>{f.lib, "TEST.DAT", "[]"}));
  EXPECT_EQ(ReadTextLines(f.lib + "/pov.txt"),
            (std::vector<std::string>{f.lib, "+IBO_test.pov -V +W80 +H60"}));
  EXPECT_EQ(ReadTextLines(f.lib + "/BO_test.pov").size(), 22u);
  EXPECT_TRUE(f.messages.empty());
  EXPECT_EQ(f.waits, 2);  // the converter and, asked for here, POV-Ray
}

TEST(PovRoutes, FailuresLeaveTheCurrentFolderAsItWas) {
  RouteFixture f;
  const std::string before = GetCurrentFolder();

  // A converter that cannot start is shown with the system's error number;
  // the L2P route goes on, the L3P route then finds no test.pov and stops
  // before POV-Ray.
  f.Run(PovRoute::L2P, f.Settings(f.folder / "no-such-converter"));
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_NE(f.messages[0].find(Format("system error %d", ENOENT)), std::string::npos);
  EXPECT_TRUE(FileExists(f.lib + "/pov.txt"));
  EXPECT_EQ(GetCurrentFolder(), before);

  std::remove((f.lib + "/pov.txt").c_str());
  EXPECT_THROW(f.Run(PovRoute::L3P, f.Settings(f.Script("conv", "true"))), FileError);
  EXPECT_FALSE(FileExists(f.lib + "/pov.txt"));
  EXPECT_EQ(GetCurrentFolder(), before);

  // Without the mapping list nothing runs at all.
  std::remove((f.folder / "bo2ld.lst").c_str());
  EXPECT_THROW(f.Run(PovRoute::L2P, f.Settings(f.Script("conv", "touch ran"))), FileError);
  EXPECT_FALSE(FileExists(f.lib + "/ran"));
  EXPECT_EQ(GetCurrentFolder(), before);
}
