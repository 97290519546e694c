#include "platform/Process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/Error.h"
#include "platform/TextFile.h"

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> parts;
  std::string current;
  bool inQuotes = false, inPart = false;
  for (char c : commandLine) {
    if (c == '"') {
      inQuotes = !inQuotes;
      inPart = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (inPart) parts.push_back(current);
      current.clear();
      inPart = false;
    } else {
      current += c;
      inPart = true;
    }
  }
  if (inPart) parts.push_back(current);
  return parts;
}

namespace {

// Everything the child needs is prepared before fork, so that the child only
// makes calls that are safe there.
struct PreparedCommand {
  std::vector<std::string> parts;
  std::vector<char*> argv;
  std::string folder;
};

[[noreturn]] void ExecOrReport(const PreparedCommand& c, int reportFd) {
  if (!c.folder.empty() && ::chdir(c.folder.c_str()) != 0) {
    int error = errno;
    (void)!::write(reportFd, &error, sizeof error);
    ::_exit(127);
  }
  ::execvp(c.argv[0], c.argv.data());
  int error = errno;
  (void)!::write(reportFd, &error, sizeof error);
  ::_exit(127);
}

// Reads the child's report: 0 when exec succeeded (the pipe closed on exec).
int ReadExecError(int fd) {
  int error = 0;
  ssize_t n;
  do {
    n = ::read(fd, &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  ::close(fd);
  return n == static_cast<ssize_t>(sizeof error) ? error : 0;
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

ProcessResult StartProgram(const std::string& commandLine, const std::string& workingFolder,
                           ShowWindow /*show*/, bool wait) {
  ProcessResult result;
  PreparedCommand c;
  c.parts = SplitCommandLine(commandLine);
  if (c.parts.empty()) {
    result.errorNumber = ENOENT;
    return result;
  }
  c.parts[0] = NativePath(c.parts[0]);
  for (std::string& p : c.parts) c.argv.push_back(p.data());
  c.argv.push_back(nullptr);
  c.folder = NativePath(workingFolder);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    result.errorNumber = errno;
    return result;
  }
  pid_t pid = ::fork();
  if (pid < 0) {
    result.errorNumber = errno;
    ::close(report[0]);
    ::close(report[1]);
    return result;
  }
  if (pid == 0) {
    ::close(report[0]);
    if (wait) ExecOrReport(c, report[1]);
    // Not waited for: a grandchild runs the program, so that it is adopted
    // and reaped by the system and never stays behind as a zombie.
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild < 0) {
      int error = errno;
      (void)!::write(report[1], &error, sizeof error);
      ::_exit(127);
    }
    if (grandchild == 0) ExecOrReport(c, report[1]);
    ::_exit(0);
  }
  ::close(report[1]);
  const int error = ReadExecError(report[0]);
  if (!wait || error != 0) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (error != 0) {
    result.errorNumber = error;
    return result;
  }
  result.started = true;
  if (wait) result.exitCode = WaitFor(pid);
  return result;
}

std::string GetCurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return std::string();
  return buffer;
}

void SetCurrentFolder(const std::string& folder) {
  if (::chdir(NativePath(folder).c_str()) != 0)
    throw FileError(
        Format("Cannot change to folder \"%s\". %s", folder.c_str(), std::strerror(errno)));
}
