#pragma once
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// Text files are 8-bit bytes in lines; lines are written with CR LF and read
// with CR LF or LF. Paths may use '\' as separator (settings files do).

// Turns '\' into '/' so a path written on another system opens here.
std::string NativePath(const std::string& path);
std::string FileFolder(const std::string& path);     // with its trailing '/', or "" for a bare name
std::string FileBaseName(const std::string& path);   // the name without its folder
std::string FileExtension(const std::string& path);  // ".lgo", or "" when the name has none
bool FileExists(const std::string& path);
// A name that stays inside the folder it is looked up in: not empty, not "."
// or "..", no folder separator ('/' or '\\') and no control character. Names
// that files bring along (part files of a model, bitmaps of a shape, models
// of the palette) must be plain.
bool IsPlainFileName(const std::string& name);
// Makes the folder and the folders above it that are missing. Raises
// FileError with the system's message when one cannot be made.
void MakeFolders(const std::string& folder);

std::vector<std::string> SplitLines(const std::string& bytes);
std::string JoinLines(const std::vector<std::string>& lines);  // every line ends in CR LF

// Raises FileError with the system's message when the file cannot be read.
// Only regular files are read (a device or a pipe could block or never end),
// and a file longer than maxBytes is refused.
constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes = kNoSizeLimit);
std::vector<std::string> ReadTextLines(const std::string& path,
                                       std::size_t maxBytes = kNoSizeLimit);

// Writes through a temporary file beside the target and replaces the target
// only after a complete, flushed write, so a failed write leaves the old file
// as it was. Raises FileError with the system's message.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Appends one line to an existing text file, adding the missing line end of
// its last line first; the file's other bytes stay as they were. Raises
// FileError with the system's message.
void AppendTextLine(const std::string& path, const std::string& line);
