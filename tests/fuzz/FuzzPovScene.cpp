// Fuzz target: any bytes as the converter's test.pov. Editing it to show the
// view never fails, a camera it holds ends with its location and the angle,
// and editing the edited scene again for the same view changes nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "output/PovRoutes.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "render/View.h"

namespace {

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& l : lines)
    if (l == line) return true;
  return false;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  bool camera = false;
  for (const std::string& l : lines) camera = camera || SameText(l, "camera {");
  // The view and the background come from the first bytes, so they vary too.
  TView view;
  view.SetAngles(size > 0 ? data[0] % 181 : 60, size > 1 ? data[1] * 360 / 256 : 30);
  view.SetScaleBar(size > 2 ? 1 + data[2] % 80 : 10);
  const TColor background = size > 5 ? RGB(data[3], data[4], data[5]) : 0xFFFFFF;
  const std::vector<std::string> edited = EditL3PScene(lines, view, background);
  if (camera && !Holds(edited, "    angle 25")) Fail("the camera has no angle");
  if (EditL3PScene(edited, view, background) != edited) Fail("a second edit changes the scene");
  return 0;
}
