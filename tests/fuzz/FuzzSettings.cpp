// Fuzz target: any bytes as the settings file must read, convert and write
// without a crash, and the settings written must read back the same. (A value
// read back loses its leading blanks, so the text is stable from the second
// writing on.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "workspace/Settings.h"

namespace {

std::vector<std::string> ReadAndWrite(const std::vector<std::string>& lines) {
  TIniFile ini = TIniFile::FromLines(lines);
  WorkspaceState state;
  ReadSettings(ini, state);
  WriteSettings(ini, state);
  return ini.Lines();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> second =
      ReadAndWrite(ReadAndWrite(SplitLines(std::string(reinterpret_cast<const char*>(data), size))));
  if (ReadAndWrite(second) != second) std::abort();
  return 0;
}
