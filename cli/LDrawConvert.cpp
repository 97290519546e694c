#include "cli/LDrawConvert.h"

#include <cstdio>
#include <exception>

#include "output/LDrawExport.h"

int ConvertToLDraw(TBlockList& pieces, const std::string& outFile, const std::string& listFolder) {
  try {
    const LDrawExportResult result = SaveLDrawFile(outFile, pieces, listFolder);
    for (const std::string& problem : result.problems)
      std::fprintf(stderr, "brikolo-cli: %s: %s\n", MappingListPath(listFolder).c_str(),
                   problem.c_str());
    if (result.piecesLeftOut > 0)
      std::fprintf(stderr, "brikolo-cli: %d piece(s) without an LDraw part left out\n",
                   result.piecesLeftOut);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  return 0;
}
