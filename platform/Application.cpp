#include "platform/Application.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

struct HeadlessSession::Impl {
  std::unique_ptr<QApplication> app;
};

HeadlessSession::HeadlessSession(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    // Without it the platform library warns on every start; give it a private folder.
    std::string dir = "/tmp/brikolo-runtime-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  }
  if (!QCoreApplication::instance()) impl_->app = std::make_unique<QApplication>(argc, argv);
}

HeadlessSession::~HeadlessSession() = default;

std::string ProgramFolder() {
  std::vector<char> buffer(4096);
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return "./";
  std::string path(buffer.data(), static_cast<std::size_t>(n));
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}
