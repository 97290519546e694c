// Fuzz target: any bytes as the LDraw mapping list must read without a crash
// and map pieces of every type letter.
#include <cstdint>
#include <string>

#include "output/MappingList.h"
#include "platform/TextFile.h"
#include "workspace/BlockFactory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  TMappingList list = TMappingList::FromLines(lines);
  std::vector<std::string> problems;
  for (char letter : std::string("BTNCEIRWDOGX")) {
    auto piece = CreateEmptyBlock(letter);
    piece->SizeX = 40;
    piece->SizeY = 80;
    piece->SizeZ = 24;
    piece->HasStuds = true;
    piece->PartName = letter == 'X' ? "" : "3001";
    list.FindMapping(*piece, problems);
  }
  return 0;
}
