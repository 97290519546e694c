#include "shapes/ShapeCache.h"

#include "platform/Error.h"
#include "shapes/DrawClass.h"

TShapeCache::TShapeCache(std::string partsFolder) : partsFolder_(std::move(partsFolder)) {}
TShapeCache::~TShapeCache() = default;

TDrawClass* TShapeCache::FindShape(const std::string& fileName, const std::string& sectionName) {
  throw BrikoloError(
      Format("Could not find part %s in file %s", sectionName.c_str(), fileName.c_str()));
}
