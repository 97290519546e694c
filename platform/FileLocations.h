#pragma once
#include <functional>
#include <string>
#include <vector>

// The user's own folders for programs, as the desktop names them
// ($XDG_CONFIG_HOME, $XDG_DATA_HOME and $HOME, with the usual fall-backs).
struct UserFolders {
  std::string config;  // ~/.config/brikolo/
  std::string data;    // ~/.local/share/brikolo/
  std::string home;    // ~/
  static UserFolders FromEnvironment();
};

// Where the program's files are, asked by everything that opens one.
//
// Run from a folder that holds its files and can be written (the build
// folder), everything lies beside the program, as it always has. Installed
// (its files in ../share/brikolo/ beside the program's bin folder), or in a
// folder that cannot be written, the program reads what it ships from there
// and keeps what it writes in the user's folders: the settings file in the
// configuration folder; the mapping list, userblks.dat and new part files in
// the data folder. Those start as copies of the shipped ones.
class FileLocations {
 public:
  FileLocations() = default;
  // Everything in the one folder (with or without its trailing '/').
  static FileLocations Beside(const std::string& programFolder);
  // Decides from what lies around the program's folder. `canWrite` tells
  // whether a file can be made in a folder (tests put in their own).
  static FileLocations Find(
      const std::string& programFolder, const UserFolders& user,
      const std::function<bool(const std::string&)>& canWrite = &CanWriteInFolder);
  // The running program's locations, with the user's folders made ready.
  static FileLocations ForRunningProgram();

  // Tries to make (and removes) a file in the folder; asking for permission
  // would not do, as it says yes to the administrator everywhere.
  static bool CanWriteInFolder(const std::string& folder);

  // True when what the program writes goes to the user's folders.
  bool InUserFolders() const { return inUserFolders_; }

  // Every folder below ends in '/'.
  const std::string& ProgramFolder() const { return program_; }
  // The settings, mapping list, part files and examples as shipped.
  const std::string& ShippedFolder() const { return shipped_; }
  const std::string& ConfigFolder() const { return config_; }
  // The mapping list the program extends and the model entries of the palette.
  const std::string& DataFolder() const { return data_; }

  std::string SettingsFile() const { return config_ + "Brikolo.ini"; }
  std::string MappingList() const { return data_ + "bo2ld.lst"; }
  // Part files are written here and looked for here first ...
  std::string PartsFolder() const { return data_ + "parts/"; }
  // ... then here.
  std::string ShippedPartsFolder() const { return shipped_ + "parts/"; }
  // The folders of part files in search order, each once.
  std::vector<std::string> PartsFolders() const;
  std::string ExamplesFolder() const { return shipped_ + "examples/"; }
  // Where the file dialogs start: the program's folder, or the user's home when installed.
  const std::string& StartFolder() const { return start_; }

  // A file the user may add beside the shipped ones (a palette model and its
  // picture): the user's copy when there is one, else the shipped one.
  std::string FindDataFile(const std::string& name) const;

  // Makes the user's folders and copies into them the shipped settings file,
  // mapping list and userblks.dat that they do not hold yet. Nothing to do
  // beside the program. Returns the problems met (one message each); the
  // program goes on with its defaults.
  std::vector<std::string> CopyMissingDefaults() const;

 private:
  bool inUserFolders_ = false;
  std::string program_, shipped_, config_, data_, start_;
};
