#include "workspace/Settings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "platform/IniFile.h"
#include "platform/Process.h"
#include "platform/TextFile.h"

namespace {

constexpr int kDefaultHeight = 65;
constexpr float kDefaultScale = 0.5f;
// Far more than any palette holds; a damaged count cannot make the program
// build pages and entries without end.
constexpr int kMaxPages = 1000;
constexpr int kMaxEntries = 1000;

std::string PageSection(int number) {
  return "Page" + std::to_string(number);
}

bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < -2147483647L - 1 || v > 2147483647L) return false;
  value = static_cast<int>(v);
  return true;
}

// Numbers in the settings always use '.', whatever the user's locale.
bool ParseScale(std::string text, float& value) {
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.empty()) return false;
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  float v = 0;
  in >> v;
  if (in.fail() || !in.eof()) return false;
  value = v;
  return true;
}

}  // namespace

std::string FormatPageScale(float scale) {
  char buffer[64];
  // snprintf follows LC_NUMERIC, which the program keeps at "C"; a stray ',' is mended anyway.
  std::snprintf(buffer, sizeof buffer, "%5.2f", static_cast<double>(scale));
  std::string text = buffer;
  for (char& c : text)
    if (c == ',') c = '.';
  return text;
}

namespace {

// A scale is kept in hundredths, as it is written: a file edited by hand to
// hold more decimals reads as the program will write it back.
float ReadScale(const std::string& text) {
  float scale = kDefaultScale;
  if (!ParseScale(text, scale)) return kDefaultScale;
  float kept = kDefaultScale;
  return ParseScale(FormatPageScale(scale), kept) ? kept : kDefaultScale;
}

}  // namespace

void ReadPage(const TIniFile& ini, const std::string& section, PalettePage& page) {
  page.Entries.clear();
  page.Title = ini.ReadString(section, "Title", "");
  page.Height = ini.ReadInteger(section, "Height", kDefaultHeight);
  page.Scale = ReadScale(ini.ReadString(section, "Scale", "0.5"));
  const int count = std::min(ini.ReadInteger(section, "Count", 0), kMaxEntries);
  for (int i = 0; i < count; ++i)
    page.Entries.push_back(ini.ReadString(section, "Brick" + std::to_string(i), ""));
}

void ReadOldPage(const std::vector<std::string>& lines, const std::string& section,
                 PalettePage& page) {
  page.Entries.clear();
  const std::string header = "[" + section + "]";
  std::size_t i = 0;
  while (i < lines.size() && !SameText(lines[i], header)) ++i;
  if (i >= lines.size()) return;  // not found: the page stays empty
  ++i;
  if (i < lines.size()) {
    const std::string& line = lines[i];
    const std::size_t blank = line.size() > 1 ? line.find(' ', 1) : std::string::npos;
    int height = kDefaultHeight;
    float scale = kDefaultScale;
    if (blank == std::string::npos) {
      if (!ParseInt(line, height)) height = kDefaultHeight;
    } else {
      if (!ParseInt(line.substr(0, blank), height)) height = kDefaultHeight;
      scale = ReadScale(line.substr(blank + 1));
    }
    page.Height = height;
    page.Scale = scale;
    ++i;
  }
  for (; i < lines.size() && page.Entries.size() < std::size_t{kMaxEntries}; ++i) {
    if (lines[i].empty() || lines[i][0] == '[') break;
    // Kept as the current form will hold it once it is written.
    page.Entries.push_back(TrimIniValue(lines[i]));
  }
}

ToolPaths ReadToolPaths(const TIniFile& ini) {
  const ToolPaths defaults = ToolPaths::Defaults();
  ToolPaths t;
  t.LDrawLib = ini.ReadString("Main", "LDrawLib", defaults.LDrawLib);
  t.LDrawProg = ini.ReadString("Main", "LDrawProg", defaults.LDrawProg);
  t.LDrawTest = ini.ReadString("Main", "LDrawTest", defaults.LDrawTest);
  t.L2PCmd = ini.ReadString("Main", "L2PCmd", defaults.L2PCmd);
  t.L3PCmd = ini.ReadString("Main", "L3PCmd", defaults.L3PCmd);
  t.PovRayEng = ini.ReadString("Main", "PovRayEng", defaults.PovRayEng);
  return t;
}

int ReadSettings(const TIniFile& ini, WorkspaceState& state) {
  const int version = ini.ReadInteger("Main", "Version", 1);
  const int pages = std::clamp(ini.ReadInteger("Main", "Pages", 0), 0, kMaxPages);
  state.Pages.clear();
  for (int i = 1; i <= pages; ++i) {
    PalettePage page;
    page.Name = PageSection(i);
    if (version == 1) page.Title = ini.ReadString("Main", "Title" + std::to_string(i), page.Name);
    state.Pages.push_back(std::move(page));
  }

  state.Tools = ReadToolPaths(ini);
  state.LDrawViewerFound = !FindLDrawViewer(state.Tools).empty();

  Preferences& p = state.Prefs;
  p.Hints = ini.ReadInteger("State", "Hints", 0) == 1;
  p.StudQual = ini.ReadInteger("State", "StudQual", 0);
  p.Details = ini.ReadInteger("State", "Details", 0);
  p.Shading = ini.ReadInteger("State", "Shading", 0) == 1;
  p.LandingGuide = ini.ReadInteger("State", "LandingGuide", 1) == 1;

  if (version == 1) {
    const std::vector<std::string> lines = ini.Lines();
    for (PalettePage& page : state.Pages) ReadOldPage(lines, page.Name, page);
  } else if (version == 2) {
    for (PalettePage& page : state.Pages) ReadPage(ini, page.Name, page);
  }
  return version;
}

void WriteSettings(TIniFile& ini, const WorkspaceState& state) {
  ini.WriteInteger("Main", "Version", 2);
  ini.WriteInteger("Main", "Pages", static_cast<int>(state.Pages.size()));
  const ToolPaths& t = state.Tools;
  ini.WriteString("Main", "LDrawLib", t.LDrawLib);
  ini.WriteString("Main", "LDrawProg", t.LDrawProg);
  ini.WriteString("Main", "LDrawTest", t.LDrawTest);
  ini.WriteString("Main", "L2PCmd", t.L2PCmd);
  ini.WriteString("Main", "L3PCmd", t.L3PCmd);
  ini.WriteString("Main", "PovRayEng", t.PovRayEng);
  for (std::size_t i = 0; i < state.Pages.size(); ++i) {
    const PalettePage& page = state.Pages[i];
    const std::string section = PageSection(static_cast<int>(i + 1));
    ini.WriteString(section, "Title", page.Title);
    ini.WriteInteger(section, "Height", page.Height);
    ini.WriteString(section, "Scale", FormatPageScale(page.Scale));
    ini.WriteInteger(section, "Count", static_cast<int>(page.Entries.size()));
    for (std::size_t e = 0; e < page.Entries.size(); ++e)
      ini.WriteString(section, "Brick" + std::to_string(e), page.Entries[e]);
  }
  const Preferences& p = state.Prefs;
  ini.WriteInteger("State", "Hints", p.Hints ? 1 : 0);
  ini.WriteInteger("State", "StudQual", p.StudQual);
  ini.WriteInteger("State", "Details", p.Details);
  ini.WriteInteger("State", "Shading", p.Shading ? 1 : 0);
  ini.WriteInteger("State", "LandingGuide", p.LandingGuide ? 1 : 0);
}

void LoadSettingsFile(const std::string& fileName, WorkspaceState& state) {
  TIniFile ini(fileName);
  const int version = ReadSettings(ini, state);
  if (version != 1) return;
  // The old form is replaced at once.
  TurnIntoCurrentForm(ini, state);
  ini.UpdateFile();
}

void TurnIntoCurrentForm(TIniFile& ini, const WorkspaceState& state) {
  ini.EraseSection("Main");
  const int oldPages = static_cast<int>(state.Pages.size());
  for (int i = 1; i <= oldPages; ++i) ini.EraseSection(PageSection(i));
  WriteSettings(ini, state);
}

void SaveSettingsFile(const std::string& fileName, const WorkspaceState& state) {
  TIniFile ini(fileName);
  WriteSettings(ini, state);
  ini.UpdateFile();
}

std::string FindLDrawViewer(const ToolPaths& tools) {
  if (tools.LDrawProg.empty()) return std::string();
  std::string folder = NativePath(tools.LDrawLib);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const std::string inside = folder + NativePath(tools.LDrawProg);
  if (FileExists(inside)) return inside;
  if (tools.LDrawProg.find_first_of("/\\") != std::string::npos) return std::string();
  return FindProgram(tools.LDrawProg, {});
}
