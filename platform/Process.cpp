#include "platform/Process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

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

int WaitFor(pid_t pid, const std::function<void()>& whileWaiting) {
  int status = 0;
  if (whileWaiting) {
    for (;;) {
      const pid_t done = ::waitpid(pid, &status, WNOHANG);
      if (done == pid) break;
      if (done < 0 && errno != EINTR) return -1;
      whileWaiting();
      std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
  } else {
    while (::waitpid(pid, &status, 0) < 0)
      if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

bool IsBareName(const std::string& name) {
  return name.find_first_of("/\\") == std::string::npos;
}

// A bare name found in one of the folders, or empty.
std::string FindInFolders(const std::string& name, const std::vector<std::string>& folders) {
  for (std::string folder : folders) {
    if (folder.empty()) continue;
    folder = NativePath(folder);
    if (folder.back() != '/') folder += '/';
    if (FileExists(folder + name)) return folder + name;
  }
  return std::string();
}

ProcessResult StartParts(std::vector<std::string> parts, const std::string& workingFolder,
                         bool wait, const std::function<void()>& whileWaiting) {
  ProcessResult result;
  PreparedCommand c;
  c.parts = std::move(parts);
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
  if (wait) result.exitCode = WaitFor(pid, whileWaiting);
  return result;
}

}  // namespace

ProcessResult StartProgram(const std::string& commandLine, const std::string& workingFolder,
                           ShowWindow /*show*/, bool wait,
                           const std::function<void()>& whileWaiting) {
  return StartParts(SplitCommandLine(commandLine), workingFolder, wait, whileWaiting);
}

std::string FindProgram(const std::string& name, const std::vector<std::string>& folders) {
  if (name.empty()) return std::string();
  if (!IsBareName(name)) return FileExists(name) ? NativePath(name) : std::string();
  std::string found = FindInFolders(name, folders);
  if (!found.empty()) return found;
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':'))
    if (!dir.empty() && FileExists(dir + "/" + name)) return dir + "/" + name;
  return std::string();
}

std::string CannotStartMessage(const std::string& commandLine, int errorNumber) {
  const std::vector<std::string> parts = SplitCommandLine(commandLine);
  const std::string program = parts.empty() ? std::string() : parts[0];
  return Format("Could not start \"%s\" (system error %d)", program.c_str(), errorNumber);
}

bool RunProgram(const std::string& commandLine, const std::string& folder, ShowWindow /*show*/,
                bool wait, const RunHooks& hooks) {
  std::vector<std::string> parts = SplitCommandLine(commandLine);
  if (!parts.empty() && IsBareName(parts[0])) {
    const std::string beside = FindInFolders(parts[0], hooks.programFolders);
    if (!beside.empty()) parts[0] = beside;
  }
  if (wait && hooks.busy) hooks.busy(true);
  const ProcessResult r = StartParts(std::move(parts), folder, wait, hooks.whileWaiting);
  if (wait && hooks.busy) hooks.busy(false);
  if (!r.started && hooks.showMessage)
    hooks.showMessage(CannotStartMessage(commandLine, r.errorNumber));
  return r.started;
}

CurrentFolderScope::CurrentFolderScope(const std::string& folder) : previous_(GetCurrentFolder()) {
  SetCurrentFolder(folder);
}

CurrentFolderScope::~CurrentFolderScope() {
  if (previous_.empty()) return;
  try {
    SetCurrentFolder(previous_);
  } catch (const FileError&) {
    // The folder went away meanwhile; there is nothing to return to.
  }
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
