#include "shapes/ShapeCache.h"

#include <exception>

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"

namespace {

std::string KeyOf(const std::string& fileName, const std::string& sectionName) {
  return fileName + ":" + sectionName;
}

}  // namespace

bool TShapeCache::KeyLess::operator()(const std::string& a, const std::string& b) const {
  return NameLess(a, b);
}

TShapeCache::TShapeCache(std::string partsFolder) : partsFolder_(std::move(partsFolder)) {}
TShapeCache::~TShapeCache() = default;

TDrawClass* TShapeCache::FindShape(const std::string& fileName, const std::string& sectionName) {
  const std::string key = KeyOf(fileName, sectionName);
  auto it = shapes_.find(key);
  if (it != shapes_.end()) return it->second.get();
  std::unique_ptr<TDrawClass> shape = ReadShape(partsFolder_, fileName, sectionName);
  TDrawClass* result = shape.get();
  shapes_.emplace(key, std::move(shape));
  return result;
}

bool TShapeCache::RegisterShape(std::unique_ptr<TDrawClass>& shape) {
  if (!shape) return false;
  const std::string key = KeyOf(shape->FileName, shape->SectionName);
  if (shapes_.count(key) != 0) return false;
  shape->PartsFolder = partsFolder_;
  shapes_.emplace(key, std::move(shape));
  return true;
}

std::vector<std::pair<std::string, std::vector<std::string>>> TShapeCache::ShapeFiles() const {
  std::vector<std::pair<std::string, std::vector<std::string>>> files;
  for (const auto& entry : shapes_) {
    const TDrawClass& shape = *entry.second;
    auto file = files.begin();
    while (file != files.end() && !SameIniName(file->first, shape.FileName)) ++file;
    if (file == files.end()) {
      files.emplace_back(shape.FileName, std::vector<std::string>());
      file = files.end() - 1;
      try {
        file->second = ReadTextLines(PartFilePath(partsFolder_, shape.FileName));
      } catch (const std::exception&) {
        // A missing or unreadable file is written afresh.
      }
    }
    WriteShape(shape, file->second);
  }
  return files;
}

void TShapeCache::SaveAllShapes() const {
  for (const auto& file : ShapeFiles())
    WriteTextLines(PartFilePath(partsFolder_, file.first), file.second);
}
