// Fuzz target: any bytes as an LDraw model loaded into pieces through the
// shipped mapping list and the test parts library; saved as a model file, the
// pieces load back as they came in.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = LDrawImportRoundTrip(
      std::string(reinterpret_cast<const char*>(data), size), BRIKOLO_SOURCE_DIR);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
