// Fuzz target: any bytes as the LDraw mapping list must read without a crash
// and map pieces of every type letter; every record, read or made for a
// piece, must write as a line that reads back as the record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/TextFile.h"
#include "tests/support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      MappingListRoundTrip(SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
