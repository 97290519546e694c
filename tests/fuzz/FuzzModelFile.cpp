// Fuzz target: any bytes as a model file must read without a crash, and what
// was read must write out and read back to the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  TShapeCache shapes("/nonexistent/");
  for (LoadMode mode : {LoadMode::Complete, LoadMode::Subassembly}) {
    ModelReadOptions options;
    options.mode = mode;
    ModelReadResult result = ReadModelLines(lines, shapes, options);
    std::vector<std::string> written = {FormatHeaderLine(ModelHeader{})};
    for (const auto& piece : result.pieces) written.push_back(FormatPieceLine(*piece));
    ModelReadResult again = ReadModelLines(written, shapes, options);
    if (again.pieces.size() != result.pieces.size()) std::abort();
    for (std::size_t i = 0; i < again.pieces.size(); ++i)
      if (FormatPieceLine(*again.pieces[i]) != written[i + 1]) {
        std::fprintf(stderr, "wrote: %s\nread:  %s\n", written[i + 1].c_str(),
                     FormatPieceLine(*again.pieces[i]).c_str());
        std::abort();
      }
  }
  return 0;
}
