// Fuzz target: any bytes as an LDraw model (.mpd entries included) must read
// without a crash, and every part it places must resolve within the limits
// into finite faces that its box holds.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ldraw/LDrawModel.h"

namespace {

bool Inside(const LDrawBox& box, const LDrawVector& v) {
  return v.x >= box.min.x && v.x <= box.max.x && v.y >= box.min.y && v.y <= box.max.y &&
         v.z >= box.min.z && v.z <= box.max.z;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  LDrawLibrary library;
  library.limits.maxDepth = 12;
  library.limits.maxElements = 20000;
  // The whole input is also a part of its own, so type 2 to 5 lines are resolved too.
  library.AddFile(ParseLDrawFile("self.dat", text));
  const LDrawModel model = ReadLDrawModelText("fuzz.mpd", text, "", library);
  if (model.parts.size() > library.limits.maxElements) std::abort();
  for (const LDrawPlacedPart& part : model.parts) {
    if (part.line < 1 || part.step < 0 || part.step > model.lastStep) std::abort();
    const LDrawGeometry& g = library.Geometry(part.name);
    if (g.faces.size() + g.edges.size() > library.limits.maxElements) std::abort();
    for (const LDrawFace& f : g.faces) {
      if (f.count != 3 && f.count != 4) std::abort();
      for (int i = 0; i < f.count; ++i)
        if (!std::isfinite(f.v[i].x + f.v[i].y + f.v[i].z) || !Inside(g.bounds, f.v[i]))
          std::abort();
    }
  }
  library.Geometry("self.dat");
  return 0;
}
