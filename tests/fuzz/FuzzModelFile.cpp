// Fuzz target: any bytes as a model file must read without a crash, and the
// pieces read must save and load back to the same pieces, in both load modes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // General pieces bind to the shipped library; the cache only ever holds its sections.
  static TShapeCache shapes(BRIKOLO_SOURCE_DIR "/data/parts/");
  const std::string problem =
      ModelRoundTrip(SplitLines(std::string(reinterpret_cast<const char*>(data), size)), shapes);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
