// Fuzz target: any bytes as the converter's test.pov. Editing it to show the
// view never fails, a camera the edited scene holds has its location and the
// angle, and editing the edited scene again for the same view changes nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      PovSceneEditCheck(std::string(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
