// Fuzz target: any bytes as the settings file must read, convert and write
// without a crash, and the written settings must read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "workspace/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  TIniFile ini = TIniFile::FromLines(lines);
  WorkspaceState state;
  ReadSettings(ini, state);
  WriteSettings(ini, state);
  const std::vector<std::string> first = ini.Lines();
  TIniFile again = TIniFile::FromLines(first);
  WorkspaceState state2;
  ReadSettings(again, state2);
  WriteSettings(again, state2);
  if (again.Lines() != first) std::abort();
  return 0;
}
