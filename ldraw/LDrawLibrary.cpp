#include "ldraw/LDrawLibrary.h"

#include <filesystem>
#include <system_error>

#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"

LDrawLibrary::LDrawLibrary(const std::string& root, bool withEdges)
    : root_(NativePath(root)), withEdges_(withEdges) {
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

const LDrawLibrary::FolderListing& LDrawLibrary::Listing(const std::string& folder) {
  auto it = listings_.find(folder);
  if (it != listings_.end()) return it->second;
  FolderListing& listing = listings_[folder];
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end;
       !error && entry != end; entry.increment(error))
    listing.emplace(LowerCase(entry->path().filename().string()),
                    entry->path().filename().string());
  return listing;
}

// The path of `relative` (a '/'-separated lower-case key) below `folder`,
// each step matched without regard to case; "" when it is not there.
std::string LDrawLibrary::Locate(const std::string& folder, const std::string& relative) {
  std::string path = folder;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t slash = relative.find('/', start);
    if (slash == std::string::npos) slash = relative.size();
    const std::string step = relative.substr(start, slash - start);
    start = slash + 1;
    if (step.empty() || step == ".") continue;
    if (step == "..") return std::string();  // stay inside the searched folders
    const FolderListing& listing = Listing(path);
    const auto found = listing.find(step);
    if (found == listing.end()) return std::string();
    path = (path.empty() || path.back() == '/' ? path : path + "/") + found->second;
  }
  return path;
}

bool LDrawLibrary::HasParts() {
  return !root_.empty() && !Locate(root_, "parts").empty() &&
         std::filesystem::is_directory(Locate(root_, "parts"));
}

void LDrawLibrary::AddFolder(const std::string& folder) {
  std::string f = NativePath(folder);
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  folders_.insert(folders_.begin(), f.empty() ? std::string(".") : f);
  // Names not found before may be found now.
  for (auto it = files_.begin(); it != files_.end();)
    it = it->second ? std::next(it) : files_.erase(it);
  geometry_.clear();
}

void LDrawLibrary::AddFile(LDrawFile file) {
  const std::string key = LDrawNameKey(file.name);
  for (const LDrawProblem& problem : file.problems) Note(problem);
  files_[key] = std::make_unique<LDrawFile>(std::move(file));
  sources_[key] = LDrawSource::Memory;
  geometry_.clear();
}

LDrawFoundFile LDrawLibrary::Find(const std::string& name) {
  const std::string key = LDrawNameKey(name);
  auto known = files_.find(key);
  if (known != files_.end()) return {known->second.get(), sources_[key]};

  if (!libraryFoldersFound_) {
    libraryFoldersFound_ = true;
    if (!root_.empty())
      for (const char* sub : {"parts", "p", "parts/s", "p/48"}) {
        const std::string folder = Locate(root_, sub);
        if (!folder.empty()) libraryFolders_.push_back(folder);
      }
  }
  std::string path;
  LDrawSource source = LDrawSource::Folder;
  for (const std::string& folder : folders_)
    if (path.empty()) path = Locate(folder, key);
  if (path.empty()) source = LDrawSource::Library;
  for (const std::string& folder : libraryFolders_)
    if (path.empty()) path = Locate(folder, key);

  std::unique_ptr<LDrawFile> file;
  if (!path.empty() && !std::filesystem::is_directory(path)) {
    try {
      file = std::make_unique<LDrawFile>(ParseLDrawFile(FileBaseName(path), ReadFileBytes(path)));
      file->path = path;
      for (LDrawProblem& problem : file->problems) {
        problem.file = path;
        Note(problem);
      }
    } catch (const FileError& error) {
      Note({path, 0, error.what()});
    }
  }
  sources_[key] = source;
  const LDrawFile* found = file.get();
  files_[key] = std::move(file);
  return {found, source};
}

const LDrawColourTable& LDrawLibrary::Colours() {
  if (!coloursRead_) {
    coloursRead_ = true;
    const std::string path = root_.empty() ? std::string() : Locate(root_, "ldconfig.ldr");
    if (!path.empty()) {
      try {
        colours_.ReadConfig(ParseLDrawFile(path, ReadFileBytes(path)));
      } catch (const FileError& error) {
        Note({path, 0, error.what()});
      }
    }
  }
  return colours_;
}

void LDrawLibrary::Note(const LDrawProblem& problem) {
  const std::string text = problem.Text();
  if (problemSeen_.insert(text).second) problems_.push_back(problem);
}

std::vector<LDrawProblem> LDrawLibrary::Problems() const {
  return problems_;
}
