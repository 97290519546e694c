#pragma once
#include <functional>
#include <string>
#include <vector>

// Starting outside programs (the LDraw viewer, the POV-Ray converters and
// POV-Ray itself) and the process's current folder.

// How the started program's window should appear. Kept for the callers'
// sake; the desktop decides on Linux.
enum class ShowWindow { Hidden = 0, Normal = 1, Minimized = 2, Maximized = 3 };

struct ProcessResult {
  bool started = false;
  int errorNumber = 0;  // the system's error number when the program could not be started
  int exitCode = 0;     // when waited for: the program's exit code (128 + signal when killed)
};

// Splits a command line into the program and its arguments at blanks; a part
// in double quotes may hold blanks ("C:\Program Files\x.exe" -a).
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts the command line in the working folder (the current folder when
// empty). With `wait` it returns only when the program has ended, calling
// `whileWaiting` (when given) every few milliseconds meanwhile; without, the
// program runs on by itself and leaves nothing to be reaped.
ProcessResult StartProgram(const std::string& commandLine, const std::string& workingFolder,
                           ShowWindow show, bool wait,
                           const std::function<void()>& whileWaiting = nullptr);

// The full name of a program: a name with a folder in it is taken as it is,
// a bare name is looked for in `folders` first and then along PATH. Empty
// when no such file exists.
std::string FindProgram(const std::string& name, const std::vector<std::string>& folders);

// The message shown when a program cannot be started.
std::string CannotStartMessage(const std::string& commandLine, int errorNumber);

// What running an outside program needs from the window it is run from.
struct RunHooks {
  // Bare program names are looked for in these folders before PATH, as the
  // program's own tools lie beside it.
  std::vector<std::string> programFolders;
  // Shows a program that cannot be started (CannotStartMessage).
  std::function<void(const std::string&)> showMessage;
  // Keeps the window painted while a program is waited for.
  std::function<void()> whileWaiting;
  // Switched on before waiting and off afterwards (the busy cursor).
  std::function<void(bool)> busy;
};

// Starts the command line in `folder` (the current folder when empty); a
// program that cannot be started is shown with the system's error number and
// gives false. RunAndWait then waits, without a time limit, until the program
// has ended; RunNoWait lets it run on by itself.
bool RunProgram(const std::string& commandLine, const std::string& folder, ShowWindow show,
                bool wait, const RunHooks& hooks);
inline bool RunAndWait(const std::string& commandLine, const std::string& folder, ShowWindow show,
                       const RunHooks& hooks) {
  return RunProgram(commandLine, folder, show, true, hooks);
}
inline bool RunNoWait(const std::string& commandLine, const std::string& folder, ShowWindow show,
                      const RunHooks& hooks) {
  return RunProgram(commandLine, folder, show, false, hooks);
}

std::string GetCurrentFolder();
// Raises FileError with the system's message when the folder cannot be entered.
void SetCurrentFolder(const std::string& folder);

// Makes a folder current for as long as it lives and then returns to the
// folder that was current before, however the scope is left.
class CurrentFolderScope {
 public:
  // Raises FileError when the folder cannot be entered; nothing changes then.
  explicit CurrentFolderScope(const std::string& folder);
  ~CurrentFolderScope();
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  std::string previous_;
};
