#pragma once
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
// empty). With `wait` it returns only when the program has ended; without,
// the program runs on by itself and leaves nothing to be reaped.
ProcessResult StartProgram(const std::string& commandLine, const std::string& workingFolder,
                           ShowWindow show, bool wait);

std::string GetCurrentFolder();
// Raises FileError with the system's message when the folder cannot be entered.
void SetCurrentFolder(const std::string& folder);
