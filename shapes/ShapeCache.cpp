#include "shapes/ShapeCache.h"

#include <exception>
#include <filesystem>
#include <iterator>

#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"

namespace {

std::string KeyOf(const std::string& fileName, const std::string& sectionName) {
  return fileName + ":" + sectionName;
}

}  // namespace

bool TShapeCache::KeyLess::operator()(const std::string& a, const std::string& b) const {
  return TextLess(a, b);
}

TShapeCache::TShapeCache(std::string partsFolder) : partsFolders_{std::move(partsFolder)} {}
TShapeCache::TShapeCache(std::vector<std::string> partsFolders)
    : partsFolders_(std::move(partsFolders)) {
  if (partsFolders_.empty()) partsFolders_.emplace_back();
}
TShapeCache::~TShapeCache() = default;

TDrawClass* TShapeCache::FindShape(const std::string& fileName, const std::string& sectionName) {
  const std::string key = KeyOf(fileName, sectionName);
  auto it = shapes_.find(key);
  if (it != shapes_.end()) return it->second.get();
  std::unique_ptr<TDrawClass> shape = ReadShape(partsFolders_, fileName, sectionName);
  TDrawClass* result = shape.get();
  shapes_.emplace(key, std::move(shape));
  return result;
}

bool TShapeCache::RegisterShape(std::unique_ptr<TDrawClass>& shape) {
  if (!shape) return false;
  const std::string key = KeyOf(shape->FileName, shape->SectionName);
  if (shapes_.count(key) != 0) return false;
  shape->PartsFolders = partsFolders_;
  changed_.insert(shape.get());
  shapes_.emplace(key, std::move(shape));
  return true;
}

void TShapeCache::MarkChanged(const TDrawClass& shape) {
  for (const auto& entry : shapes_)
    if (entry.second.get() == &shape) changed_.insert(&shape);
}

bool TShapeCache::IsChanged(const TDrawClass& shape) const {
  return changed_.count(&shape) != 0;
}

std::vector<TShapeCache::ShapeFile> TShapeCache::ShapeFiles() const {
  std::vector<ShapeFile> files;
  for (const auto& entry : shapes_) {
    const TDrawClass& shape = *entry.second;
    if (!IsChanged(shape)) continue;
    auto file = files.begin();
    while (file != files.end() && !SameText(file->name, shape.FileName)) ++file;
    if (file == files.end()) {
      files.push_back({shape.FileName, {}, {}, {}});
      file = files.end() - 1;
      try {
        // Written into the first folder, starting from the file found first.
        file->path = PartFilePath(PartsFolder(), shape.FileName);
        const std::string source = FindPartFile(partsFolders_, shape.FileName);
        std::error_code missing;
        if (std::filesystem::exists(source, missing))
          file->lines = ReadTextLines(source, kMaxPartFileBytes);
      } catch (const std::exception& error) {
        file->readError = error.what();
      }
    }
    WriteShape(shape, file->lines);
  }
  return files;
}

void TShapeCache::SaveAllShapes() {
  std::string firstError;
  for (const ShapeFile& file : ShapeFiles()) {
    std::string error = file.readError;
    if (error.empty()) {
      try {
        WriteTextLines(file.path, file.lines);
      } catch (const std::exception& e) {
        error = e.what();
      }
    }
    if (!error.empty()) {
      if (firstError.empty()) firstError = error;
      continue;
    }
    for (auto it = changed_.begin(); it != changed_.end();)
      it = SameText((*it)->FileName, file.name) ? changed_.erase(it) : std::next(it);
  }
  if (!firstError.empty()) throw FileError(firstError);
}
