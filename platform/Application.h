#pragma once
#include <memory>
#include <string>

// The platform's application object for programs without windows (the batch
// program, tests): fonts, colours and the raster painter need it. It runs on
// the off-screen platform unless another is asked for.
class HeadlessSession {
 public:
  HeadlessSession(int& argc, char** argv);
  ~HeadlessSession();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The folder of the running program, with its trailing '/'.
std::string ProgramFolder();
