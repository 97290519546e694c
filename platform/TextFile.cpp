#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

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

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string target = NativePath(path);
  std::string temp = target + ".tmp~";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0)
    throw FileError(Format("Cannot create file \"%s\". %s", path.c_str(), std::strerror(errno)));
  if (int error = WriteAll(fd, bytes)) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw FileError(Format("Write error on \"%s\". %s", path.c_str(), std::strerror(error)));
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    throw FileError(Format("Write error on \"%s\". %s", path.c_str(), std::strerror(error)));
  }
  // Keep the permissions of the file that is being replaced.
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    throw FileError(Format("Cannot create file \"%s\". %s", path.c_str(), std::strerror(error)));
  }
}

void AppendTextLine(const std::string& path, const std::string& line) {
  const std::string native = NativePath(path);
  int fd = ::open(native.c_str(), O_RDWR | O_APPEND);
  if (fd < 0)
    throw FileError(Format("Cannot write to file \"%s\". %s", path.c_str(), std::strerror(errno)));
  std::string bytes;
  char last = '\n';
  const off_t size = ::lseek(fd, 0, SEEK_END);
  if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1) last = '\n';
  if (last != '\n') bytes = "\r\n";
  bytes += line;
  bytes += "\r\n";
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error)
    throw FileError(Format("Write error on \"%s\". %s", path.c_str(), std::strerror(error)));
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  WriteFileAtomically(path, JoinLines(lines));
}
