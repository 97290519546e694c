// Fuzz target: any bytes as the settings file must read, convert and write
// without a crash; the settings written must read back the same, and the text
// written is stable from the second writing on (a value read back loses the
// blanks around it).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/RoundTrip.h"
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
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  const std::string problem = SettingsRoundTrip(lines);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  const std::vector<std::string> second = ReadAndWrite(ReadAndWrite(lines));
  if (ReadAndWrite(second) != second) std::abort();
  return 0;
}
