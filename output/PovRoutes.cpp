#include "output/PovRoutes.h"

#include <algorithm>
#include <cmath>

#include "model/BlockList.h"
#include "output/LDrawExport.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "render/View.h"

namespace {

std::string BackgroundLine(TColor background) {
  return Format("background { color rgb <%g,%g,%g>}", RedOf(background) / 255.0f,
                GreenOf(background) / 255.0f, BlueOf(background) / 255.0f);
}

// The index of the first line equal to `text` without regard to case, or npos.
std::size_t FindLine(const std::vector<std::string>& lines, const char* text) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (SameText(lines[i], text)) return i;
  return std::string::npos;
}

bool Contains(const std::string& line, const char* part) {
  return line.find(part) != std::string::npos;
}

// The lines whose next line is rewritten: the textures of the two greens and
// the background's mark.
const char* const kColor10Mark = "#declare Color10 = texture {";
const char* const kColor42Mark = "#declare Color42 = texture {";
const char* const kBackgroundMark = "// Background:";

// No edit overwrites such a line, and the camera's edits put no line of their
// own right after one, so that editing the edited scene again changes nothing.
bool IsMark(const std::string& line) {
  return SameText(line, kColor10Mark) || SameText(line, kColor42Mark) ||
         SameText(line, kBackgroundMark);
}

// Replaces the line after the first line equal to `marker`, if there is one,
// it is no mark itself and it contains `part` (when one is given).
void ReplaceLineAfter(std::vector<std::string>& lines, const char* marker,
                      const std::string& replacement, const char* part = nullptr) {
  const std::size_t at = FindLine(lines, marker);
  if (at != std::string::npos && at + 1 < lines.size() && !IsMark(lines[at + 1]) &&
      (part == nullptr || Contains(lines[at + 1], part)))
    lines[at + 1] = replacement;
}

void EditCamera(std::vector<std::string>& lines, std::size_t camera, const TView& view) {
  std::size_t at = camera + 1;
  if (at < lines.size() && Contains(lines[at], "PCT"))
    lines[at] = "    #declare PCT = 300 // Percentage further away";
  // The camera's lines end at the first line holding "}". Neither search goes
  // past it: a camera without a location or an angle of its own must not take
  // those of the next object, nor put its angle into another block.
  std::size_t end = at;
  while (end < lines.size() && !Contains(lines[end], "}")) ++end;
  while (at < end && !Contains(lines[at], "location")) ++at;
  // A location given by turning a vector takes two lines: the first goes and
  // the second becomes the plain location.
  bool turned = false;
  if (at < end && Contains(lines[at], "vaxis_rotate")) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
    --end;
    turned = true;
  }
  const float r = 1000.0f / view.ViewScale;
  const std::string location =
      Format("    location <%g,%g,%g>", -r * std::sin(view.Spin) * std::sin(view.Tilt),
             -r * std::cos(view.Tilt), -r * std::cos(view.Spin) * std::sin(view.Tilt));
  if (at < end && !IsMark(lines[at])) {
    lines[at] = location;
  } else {
    // No location of its own (or nothing left of a turned one): the camera gets one.
    if (!turned) at = camera + 1;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), location);
    ++end;
  }
  const std::size_t locationAt = at;
  while (at < end && !Contains(lines[at], "angle")) ++at;
  if (at < end) {
    lines[at] = "    angle 25";
    return;
  }
  // A missing angle goes before the closing brace; in a camera that never
  // closes, or whose brace follows a mark, right after the location.
  if (end == lines.size() || IsMark(lines[end - 1])) end = locationAt + 1;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), "    angle 25");
}

}  // namespace

float L2PCameraDistance(const TBounds& box) {
  const std::int64_t extent =
      std::max({box.maxX - box.minX, box.maxY - box.minY, box.maxZ - box.minZ});
  return 24.0f * std::cbrt(static_cast<float>(extent));
}

std::vector<std::string> L2PSceneLines(const TBounds& box, const TView& view, TColor background) {
  const float r = L2PCameraDistance(box) / view.ViewScale;
  const int centreX = Clamp32(box.minX + (box.maxX - box.minX) / 2);
  const int centreY = Clamp32(box.minY + (box.maxY - box.minY) / 2);
  const int centreZ = Clamp32(box.minZ + (box.maxZ - box.minZ) / 2);
  return {
      "#include \"lg_color.inc\"",
      "#include \"lg_defs.inc\"",
      "",
      "#include \"test.inc\"",
      "",
      BackgroundLine(background),
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
      Format(" location <%g*LG_BRICK_WIDTH, %g*LG_BRICK_WIDTH, %g*LG_BRICK_HEIGHT>",
             -r * std::cos(view.Spin) * std::sin(view.Tilt),
             -r * std::sin(view.Spin) * std::sin(view.Tilt), r * std::cos(view.Tilt)),
      " angle 20",
      " sky <0, 0, 1>",
      " up <0, 1, 0>",
      Format(" look_at <%d*LG_BRICK_WIDTH, %d*LG_BRICK_WIDTH, %d*LG_BRICK_HEIGHT>", -centreY,
             centreX, centreZ / 3),
      "}",
  };
}

std::vector<std::string> EditL3PScene(std::vector<std::string> lines, const TView& view,
                                      TColor background) {
  ReplaceLineAfter(lines, kColor10Mark, "pigment { rgb <0.0,1,0.0392157> }");
  ReplaceLineAfter(lines, kColor42Mark, "pigment { rgbf <0.0,1,0.0392157,0.85> }");
  ReplaceLineAfter(lines, kBackgroundMark, BackgroundLine(background), "background");
  const std::size_t camera = FindLine(lines, "camera {");
  if (camera != std::string::npos) EditCamera(lines, camera, view);
  return lines;
}

std::string PovRayCommandLine(const std::string& engine, const std::string& scene, int width,
                              int height) {
  return Format("%s +I%s -V +W%d +H%d", engine.c_str(), scene.c_str(), width, height);
}

std::string ConverterCommandLine(PovRoute route, const PovSettings& settings) {
  return (route == PovRoute::L2P ? settings.L2PCmd : settings.L3PCmd) + " ";
}

std::string PovTestFile(const PovSettings& settings) {
  return settings.LDrawLib + "\\" + settings.LDrawTest;
}

std::string PovSceneFile(PovRoute route, const PovSettings& settings) {
  return settings.LDrawLib + (route == PovRoute::L2P ? "\\BO_test.pov" : "\\test.pov");
}

std::vector<std::string> RenderWithPovRay(PovRoute route, const PovSettings& settings,
                                          TBlockList& list, const std::string& listFolder,
                                          const TView& view, TColor background,
                                          const PovPicture& picture, const RunHooks& hooks) {
  const std::string testFile = PovTestFile(settings);
  MakeFolders(FileFolder(testFile));
  std::vector<std::string> problems = SaveLDrawFile(testFile, list, listFolder).problems;

  CurrentFolderScope inLibrary(settings.LDrawLib);
  RunAndWait(ConverterCommandLine(route, settings), settings.LDrawLib, ShowWindow::Minimized,
             hooks);
  const std::string scene = PovSceneFile(route, settings);
  if (route == PovRoute::L2P) {
    TBounds box;
    for (int i = 0; i < list.Count(); ++i) box.Add(*list[i]);
    WriteTextLines(scene, L2PSceneLines(box, view, background));
  } else {
    WriteTextLines(scene, EditL3PScene(ReadTextLines(scene), view, background));
  }
  RunProgram(
      PovRayCommandLine(settings.PovRayEng, FileBaseName(scene), picture.width, picture.height),
      settings.LDrawLib, ShowWindow::Normal, picture.waitForPovRay, hooks);
  return problems;
}
