#include "platform/FileLocations.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "platform/Application.h"
#include "platform/TextFile.h"

namespace {

namespace fs = std::filesystem;

std::string AsFolder(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string Normal(const std::string& folder) {
  return AsFolder(fs::path(folder).lexically_normal().string());
}

// An environment folder counts only when it is an absolute path, as the desktop's rules say.
std::string AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? std::string(value) : std::string();
}

}  // namespace

UserFolders UserFolders::FromEnvironment() {
  std::string home = AbsoluteFromEnvironment("HOME");
  if (home.empty()) {
    const passwd* entry = ::getpwuid(::getuid());
    home = entry && entry->pw_dir ? entry->pw_dir : "/tmp";
  }
  home = AsFolder(home);
  std::string config = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
  std::string data = AbsoluteFromEnvironment("XDG_DATA_HOME");
  UserFolders user;
  user.home = home;
  user.config = AsFolder(config.empty() ? home + ".config" : config) + "brikolo/";
  user.data = AsFolder(data.empty() ? home + ".local/share" : data) + "brikolo/";
  return user;
}

FileLocations FileLocations::Beside(const std::string& programFolder) {
  FileLocations f;
  f.program_ = f.shipped_ = f.config_ = f.data_ = f.start_ = AsFolder(programFolder);
  return f;
}

FileLocations FileLocations::Find(const std::string& programFolder, const UserFolders& user,
                                  const std::function<bool(const std::string&)>& canWrite) {
  const std::string program = AsFolder(programFolder);
  const std::string installed = Normal(program + "../share/brikolo/");
  std::error_code error;
  const bool besideTheProgram =
      FileExists(program + "Brikolo.ini") || !fs::is_directory(installed, error);
  if (besideTheProgram && canWrite(program)) return Beside(program);

  FileLocations f;
  f.inUserFolders_ = true;
  f.program_ = program;
  f.shipped_ = besideTheProgram ? program : installed;
  f.config_ = AsFolder(user.config);
  f.data_ = AsFolder(user.data);
  f.start_ = AsFolder(user.home);
  return f;
}

FileLocations FileLocations::ForRunningProgram() {
  FileLocations f = Find(::ProgramFolder(), UserFolders::FromEnvironment());
  for (const std::string& problem : f.CopyMissingDefaults())
    std::fprintf(stderr, "brikolo: %s\n", problem.c_str());
  return f;
}

bool FileLocations::CanWriteInFolder(const std::string& folder) {
  const std::string probe = AsFolder(folder) + ".brikolo-write-test-" + std::to_string(::getpid());
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

std::vector<std::string> FileLocations::PartsFolders() const {
  if (PartsFolder() == ShippedPartsFolder()) return {PartsFolder()};
  return {PartsFolder(), ShippedPartsFolder()};
}

std::string FileLocations::FindDataFile(const std::string& name) const {
  if (inUserFolders_ && FileExists(data_ + name)) return data_ + name;
  return shipped_ + name;
}

std::vector<std::string> FileLocations::CopyMissingDefaults() const {
  std::vector<std::string> problems;
  if (!inUserFolders_) return problems;
  for (const std::string& folder : {config_, data_, PartsFolder()}) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) problems.push_back(folder + ": " + error.message());
  }
  const std::pair<std::string, std::string> defaults[] = {
      {shipped_ + "Brikolo.ini", SettingsFile()},
      {shipped_ + "bo2ld.lst", MappingList()},
      {ShippedPartsFolder() + "userblks.dat", PartsFolder() + "userblks.dat"},
  };
  for (const auto& [from, to] : defaults) {
    if (FileExists(to) || !FileExists(from)) continue;
    try {
      // A byte copy: the shipped file may be read-only, the user's copy must not be.
      WriteFileAtomically(to, ReadFileBytes(from));
    } catch (const std::exception& e) {
      problems.push_back(e.what());
    }
  }
  return problems;
}
