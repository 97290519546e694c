#pragma once
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/TextFile.h"

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brikolo-ldraw-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    path_ += '/';
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  WriteFileAtomically(path, bytes);
}
