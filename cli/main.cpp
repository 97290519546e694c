// brikolo-cli: renders, converts and describes model files without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "platform/Application.h"

namespace {

const char* kUsage =
    "usage: brikolo-cli render MODEL OUT [--size WxH] [--view ROTX,ROTZ] [--zoom SCALEBAR]\n"
    "                          [--offset OFFX,OFFY] [--background RRGGBB] [--shading]\n"
    "                          [--wireframe] [--studs fast|better|best] [--hide-studs]\n"
    "                          [--antialias] [--see-through-baseplate] [--detail 0|1|2]\n"
    "       brikolo-cli convert IN OUT [--program-dir DIR]\n"
    "       brikolo-cli info MODEL\n"
    "       brikolo-cli pov MODEL OUT.png [--route l2p|l3p] [--view ROTX,ROTZ] [--zoom SCALEBAR]\n"
    "                          [--size WxH] [--ldraw-dir DIR]\n"
    "       brikolo-cli pov-scene include|scene [--in LDRAWFILE] [--out FILE] [--ldraw-dir DIR]\n"
    "       brikolo-cli ldraw-check [--library DIR] [--list FILE] [--palette] [MODEL...]\n";

}  // namespace

int main(int argc, char** argv) {
  HeadlessSession session(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  try {
    if (command == "render") return RunRender(args);
    if (command == "convert") return RunConvert(args);
    if (command == "info") return RunInfo(args);
    if (command == "pov") return RunPov(args);
    if (command == "pov-scene") return RunPovScene(args);
    if (command == "ldraw-check") return RunLDrawCheck(args);
    throw UsageError{"unknown command '" + command + "'"};
  } catch (const UsageError& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n%s", error.message.c_str(), kUsage);
    return 2;
  }
}
