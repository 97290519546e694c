#pragma once
#include <map>
#include <memory>
#include <string>

class TDrawClass;

// Every shape read from a part definition file, keyed by file ":" section
// without regard to case; owns the shapes.
class TShapeCache {
 public:
  explicit TShapeCache(std::string partsFolder = std::string());
  ~TShapeCache();
  TDrawClass* FindShape(const std::string& fileName, const std::string& sectionName);
  const std::string& PartsFolder() const { return partsFolder_; }

 private:
  std::string partsFolder_;
  std::map<std::string, std::unique_ptr<TDrawClass>> shapes_;
};
