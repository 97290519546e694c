#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/Error.h"

std::string NativePath(const std::string& path) {
  std::string out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string FileFolder(const std::string& path) {
  std::string p = NativePath(path);
  auto slash = p.find_last_of('/');
  return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

std::string FileBaseName(const std::string& path) {
  std::string p = NativePath(path);
  auto slash = p.find_last_of('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string FileExtension(const std::string& path) {
  std::string name = FileBaseName(path);
  auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void MakeFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(NativePath(folder), error);
  if (error)
    throw FileError(
        Format("Cannot create folder \"%s\". %s", folder.c_str(), error.message().c_str()));
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes, start, stop - start);
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

static std::string SystemMessage(const std::string& path, int error) {
  return Format("Cannot open file \"%s\". %s", path.c_str(), std::strerror(error));
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // Not blocking on open, so a pipe in the file's place is refused, not waited for.
  const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw FileError(SystemMessage(path, errno));
  std::string problem;
  struct stat st;
  if (::fstat(fd, &st) != 0)
    problem = SystemMessage(path, errno);
  else if (S_ISDIR(st.st_mode))
    problem = SystemMessage(path, EISDIR);
  else if (!S_ISREG(st.st_mode))
    problem = Format("Cannot open file \"%s\". It is not a regular file", path.c_str());
  std::string bytes;
  if (problem.empty() && static_cast<std::uintmax_t>(st.st_size) <= maxBytes)
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[65536];
  while (problem.empty()) {
    // Measured as it is read too: the file may grow meanwhile.
    if (bytes.size() > maxBytes || static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
      problem =
          Format("Cannot open file \"%s\". It is larger than %zu MB", path.c_str(), maxBytes >> 20);
      break;
    }
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) problem = Format("Read error on \"%s\". %s", path.c_str(), std::strerror(errno));
    if (n <= 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (!problem.empty()) throw FileError(problem);
  return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& path, std::size_t maxBytes) {
  return SplitLines(ReadFileBytes(path, maxBytes));
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
  }
  return true;
}

namespace {

// Writes all bytes to an open descriptor; returns 0 or the system's error.
int WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

namespace {

// The file a path names: the target of a symbolic link rather than the link,
// so that replacing the file keeps the link (a settings file linked from
// elsewhere stays linked).
std::string ResolvedTarget(const std::string& native) {
  struct stat st;
  if (::lstat(native.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return native;
  char* real = ::realpath(native.c_str(), nullptr);
  if (!real) return native;  // a dangling link: the link itself is replaced
  std::string resolved = real;
  std::free(real);
  return resolved;
}

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw FileError(Format("%s \"%s\". %s", what, path.c_str(), std::strerror(error)));
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string target = ResolvedTarget(NativePath(path));
  // A temporary file of its own beside the target, so the rename is atomic and
  // nothing else that lies there is touched.
  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(&temp[0]);
  if (fd < 0) Fail("Cannot create file", path, errno);
  struct stat st;
  mode_t mode = 0;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;  // the permissions of the file being replaced
  } else {
    mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
  }
  int error = WriteAll(fd, bytes);
  if (!error && ::fchmod(fd, mode) != 0) error = errno;
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && std::rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    ::unlink(temp.c_str());
    Fail("Cannot create file", path, error);
  }
  if (error) {
    ::unlink(temp.c_str());
    Fail("Write error on", path, error);
  }
  // The new name itself is made lasting too.
  const std::string folder = FileFolder(target);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void AppendTextLine(const std::string& path, const std::string& line) {
  // The whole file is written anew, so a failed append cannot leave half a
  // line behind; the bytes it held stay as they were.
  std::string bytes = ReadFileBytes(path);
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  bytes += line;
  bytes += "\r\n";
  WriteFileAtomically(path, bytes);
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  WriteFileAtomically(path, JoinLines(lines));
}
