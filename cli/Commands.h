#pragma once
#include <string>
#include <vector>

// The batch program's commands. Each returns the exit code: 0 on success, 1
// when a file cannot be read or written, 2 for a usage error. Messages go to
// stderr, one line each.
int RunRender(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
// POV-Ray: the picture of a model through one of the two routes, and the
// converter from the LDraw test file that the routes' scripts run.
int RunPov(const std::vector<std::string>& args);
int RunPovScene(const std::vector<std::string>& args);
// Exits with 3 when a record (or palette entry, or model piece) does not fit.
int RunLDrawCheck(const std::vector<std::string>& args);

// A usage error: an unknown option or a bad value.
struct UsageError {
  std::string message;
};
