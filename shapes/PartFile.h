#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class TDrawClass;

// Part definition files: INI-like text files whose sections are shapes.
// A section starts at its header "[name]" and ends at the first empty line,
// the next line beginning with "[" or the end of the file.

// Reads the section of the given lines into a new shape named file and
// section. Raises "Could not find part %s in file %s" when the section is
// missing and ConversionError for bad numbers; a face with more corners than
// the drawing buffers hold is rejected. Entries that name no face are dropped.
std::unique_ptr<TDrawClass> ParseShape(const std::vector<std::string>& lines,
                                       const std::string& fileName, const std::string& sectionName);

// Part files, and the bitmaps of their faces, above this size are refused: no
// real library comes near it.
constexpr std::size_t kMaxPartFileBytes = std::size_t{16} << 20;

// The path of a part file in the parts folder ("" or ending in '/'). Only a
// plain name (IsPlainFileName) is a part file name: models and palettes from
// elsewhere cannot reach outside the folder; any other name raises
// BrikoloError. Names are matched without regard to case, as model files and
// palettes written on other systems spell them freely; a name that matches no
// file keeps its spelling.
std::string PartFilePath(const std::string& partsFolder, const std::string& fileName);

// The part file (or bitmap) from the first of the parts folders that holds
// it; a name that none holds is given its path in the first folder, where new
// files go. Raises as PartFilePath does for a name that is not a part file name.
std::string FindPartFile(const std::vector<std::string>& partsFolders, const std::string& fileName);

// Reads one section of the file, looked for in the parts folders in order. A
// name that is not a part file name fails as a missing section does.
std::unique_ptr<TDrawClass> ReadShape(const std::vector<std::string>& partsFolders,
                                      const std::string& fileName, const std::string& sectionName);

// Removes the shape's old section from the lines (every copy of it, if the
// file holds it more than once) and appends the shape at their end.
void WriteShape(const TDrawClass& shape, std::vector<std::string>& lines);

// The section names of a part file, in file order.
std::vector<std::string> SectionNames(const std::vector<std::string>& lines);
