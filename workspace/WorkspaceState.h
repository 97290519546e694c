#pragma once
#include <array>
#include <string>
#include <vector>

// One page of the piece palette: its title and its entries in order.
struct PalettePage {
  std::string Name;  // "Page%d"
  std::string Title;
  std::vector<std::string> Entries;
  int Height = 65;  // pixels per entry
  float Scale = 0.5f;
};

// Where the outside LDraw and POV-Ray tools are.
struct ToolPaths {
  std::string LDrawLib, LDrawProg, LDrawTest, L2PCmd, L3PCmd, PovRayEng;
  // The defaults of this platform.
  static ToolPaths Defaults();
};

// The display preferences kept in the "State" section.
struct Preferences {
  bool Hints = false;
  int StudQual = 0;  // 0 fast, 1 better, 2 best
  int Details = 0;   // 0 none, 1 decorations, 2 bitmaps
  bool Shading = false;
  bool LandingGuide = true;  // "Show landing guide"
};

// The folders that the file dialogs remember, one per kind of dialog.
enum class FolderKind {
  LoadModel,
  SaveModel,
  LoadSubassembly,
  SaveSelection,
  SavePicture,
  BackgroundPicture,
};
constexpr int kFolderKinds = 6;

// Everything around the model that the main window keeps while it runs.
class WorkspaceState {
 public:
  static constexpr const char* kRecentlyUsedTitle = "<Recently used>";
  static constexpr std::size_t kRecentFilesKept = 12;
  static constexpr std::size_t kRecentFilesShown = 15;

  bool Unsaved = false;
  std::vector<std::string> RecentFiles;  // full names, newest first
  std::vector<PalettePage> Pages;
  int CurrentPage = 0;
  ToolPaths Tools = ToolPaths::Defaults();
  Preferences Prefs;
  bool LDrawViewerFound = false;

  // Every folder starts as the program's folder.
  void ResetFolders(const std::string& programFolder);
  std::string& Folder(FolderKind kind) { return folders_[static_cast<std::size_t>(kind)]; }
  const std::string& Folder(FolderKind kind) const {
    return folders_[static_cast<std::size_t>(kind)];
  }

  // A loaded file goes to the top of the recent list. A name already there
  // moves up, and then the last name is dropped when more than twelve are
  // kept; a new name is simply put on top, so the list may grow past the
  // fifteen the menu shows.
  void AddRecentFile(const std::string& fileName);
  // The names the load menu shows, at most fifteen.
  std::vector<std::string> RecentMenuNames() const;

  // "<Recently used>" followed by the page titles, as the page chooser shows them.
  std::vector<std::string> ChooserTitles() const;

 private:
  std::array<std::string, kFolderKinds> folders_;
};
