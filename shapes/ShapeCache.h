#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TDrawClass;

// Every shape read from a part definition file, keyed by file ":" section
// without regard to case; owns the shapes. Pieces only point at them.
//
// Part files are looked for in the parts folders in order and written into
// the first: the user's folder, before the shipped one of an installed program.
class TShapeCache {
 public:
  explicit TShapeCache(std::string partsFolder = std::string());
  explicit TShapeCache(std::vector<std::string> partsFolders);
  ~TShapeCache();
  TShapeCache(const TShapeCache&) = delete;
  TShapeCache& operator=(const TShapeCache&) = delete;

  // The cached shape, read from the parts folder on first use. Raises when the
  // file or the section cannot be read; nothing is cached then.
  TDrawClass* FindShape(const std::string& fileName, const std::string& sectionName);
  // Takes a shape made in the shape editor under its own names, unless a shape
  // of that file and section is already cached: then shape stays with the
  // caller and false is returned. A shape taken counts as changed.
  bool RegisterShape(std::unique_ptr<TDrawClass>& shape);
  // Marks a cached shape as edited, so that SaveAllShapes writes it back.
  // Shapes that were only read never reach their files again: the library
  // stays byte for byte as it was shipped. A shape the cache does not own is
  // ignored.
  void MarkChanged(const TDrawClass& shape);
  bool IsChanged(const TDrawClass& shape) const;
  // Every changed shape written into its file, each file replaced through a
  // temporary file; the marks of the files written are cleared. A missing file
  // is started afresh; a file that exists but cannot be read or written keeps
  // its marks and is left alone (its other sections would be lost); the first
  // such error is raised once the other files are written.
  void SaveAllShapes();

  struct ShapeFile {
    std::string name;
    std::string path;  // where it is written
    std::vector<std::string> lines;
    std::string readError;  // not empty: the file exists but could not be read
  };
  // The files SaveAllShapes would write (those holding a changed shape), with
  // their lines, in cache order.
  std::vector<ShapeFile> ShapeFiles() const;

  // The folder part files are written into.
  const std::string& PartsFolder() const { return partsFolders_.front(); }
  const std::vector<std::string>& PartsFolders() const { return partsFolders_; }
  int Count() const { return static_cast<int>(shapes_.size()); }

 private:
  struct KeyLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::vector<std::string> partsFolders_;
  std::map<std::string, std::unique_ptr<TDrawClass>, KeyLess> shapes_;
  std::set<const TDrawClass*> changed_;
};
