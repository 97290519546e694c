#include "workspace/WorkspaceState.h"

#include <algorithm>
#include <cstdlib>

#include "platform/TextFile.h"

ToolPaths ToolPaths::Defaults() {
  ToolPaths t;
#ifdef _WIN32
  t.LDrawLib = "C:\\LDRAW";
  t.LDrawProg = "LDRAW.EXE";
  t.LDrawTest = "MODELS\\TEST.DAT";
  t.L2PCmd = "l2pgo.bat";
  t.L3PCmd = "l3pgo.bat";
  t.PovRayEng = "C:\\Program\\POV-Ray for Windows\\bin\\pvengine.exe";
#else
  const char* home = std::getenv("HOME");
  t.LDrawLib = std::string(home && *home ? home : ".") + "/ldraw";
  t.LDrawProg = "ldglite";
  t.LDrawTest = "MODELS/TEST.DAT";
  t.L2PCmd = "l2pgo.sh";
  t.L3PCmd = "l3pgo.sh";
  // POV-Ray's own window would close the moment the picture is done: keep it open.
  t.PovRayEng = "povray +P";
#endif
  return t;
}

void WorkspaceState::ResetFolders(const std::string& programFolder) {
  folders_.fill(programFolder);
}

void WorkspaceState::AddRecentFile(const std::string& fileName) {
  auto at = std::find(RecentFiles.begin(), RecentFiles.end(), fileName);
  if (at == RecentFiles.end()) {
    RecentFiles.insert(RecentFiles.begin(), fileName);
    return;
  }
  std::rotate(RecentFiles.begin(), at, at + 1);
  if (RecentFiles.size() > kRecentFilesKept) RecentFiles.pop_back();
}

std::vector<std::string> WorkspaceState::RecentMenuNames() const {
  const std::size_t n = std::min(RecentFiles.size(), kRecentFilesShown);
  return std::vector<std::string>(RecentFiles.begin(), RecentFiles.begin() + n);
}

std::vector<std::string> WorkspaceState::ChooserTitles() const {
  std::vector<std::string> titles{kRecentlyUsedTitle};
  for (const PalettePage& p : Pages) titles.push_back(p.Title);
  return titles;
}
