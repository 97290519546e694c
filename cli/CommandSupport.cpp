#include "cli/CommandSupport.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "cli/Commands.h"
#include "model/Document.h"
#include "platform/FileLocations.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "workspace/LDrawImport.h"

int ParseInt(const std::string& text, const std::string& option) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < -1000000 || v > 1000000)
    throw UsageError{"bad value '" + text + "' for " + option};
  return static_cast<int>(v);
}

void ParsePair(const std::string& text, char separator, const std::string& option, int& a, int& b) {
  auto at = text.find(separator);
  if (at == std::string::npos) throw UsageError{"bad value '" + text + "' for " + option};
  a = ParseInt(text.substr(0, at), option);
  b = ParseInt(text.substr(at + 1), option);
}

std::string NextValue(const std::vector<std::string>& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{"option " + args[i] + " needs a value"};
  return args[++i];
}

void ParseSizeOption(const std::string& text, int& width, int& height) {
  ParsePair(text, 'x', "--size", width, height);
  if (width < 1 || height < 1 || width > 16000 || height > 16000)
    throw UsageError{"bad value for --size"};
}

std::string LowerExtension(const std::string& name) {
  return LowerCase(FileExtension(name));
}

bool LoadForCli(const std::string& file, TDocument& document, TShapeCache& shapes,
                ModelReadResult& result, const FileLocations& files) {
  try {
    result = ReadAnyModelFile(file, LDrawImportSetup::ForLocations(files), shapes);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return false;
  }
  document.ModelList.Clear();
  document.CutList.Clear();
  PlaceCompleteModel(result, document, 0);
  for (const LineError& e : result.errors)
    std::fprintf(stderr, "%s:%d: %s (line skipped)\n", file.c_str(), e.lineNumber,
                 e.message.c_str());
  return true;
}

std::vector<std::string> PartsFolders() {
  return FileLocations::ForRunningProgram().PartsFolders();
}

namespace {

void ParseViewOption(const std::string& text, int& rotX, int& rotZ) {
  ParsePair(text, ',', "--view", rotX, rotZ);
  if (rotX < 0 || rotX > 180 || rotZ < 0 || rotZ > 360)
    throw UsageError{"--view takes ROTX 0..180 and ROTZ 0..360"};
}

int ParseZoomOption(const std::string& text) {
  const int scaleBar = ParseInt(text, "--zoom");
  if (scaleBar < 1 || scaleBar > 80) throw UsageError{"--zoom takes 1..80"};
  return scaleBar;
}

}  // namespace

bool ViewOptions::Parse(const std::vector<std::string>& args, std::size_t& i) {
  if (args[i] == "--view") {
    ParseViewOption(NextValue(args, i), rotX, rotZ);
    viewGiven = true;
  } else if (args[i] == "--zoom") {
    scaleBar = ParseZoomOption(NextValue(args, i));
    zoomGiven = true;
  } else {
    return false;
  }
  return true;
}

ViewPositions ModelViewPositions(const ModelReadResult& result, const ViewOptions& options,
                                 bool& studsShown) {
  ViewPositions view;
  studsShown = true;
  if (result.header) {
    view.RotX = result.header->RotX;
    view.RotZ = result.header->RotZ;
    view.ScaleBar = result.header->ScaleBar;
    view.OffsetX = result.header->OffsetX;
    view.OffsetY = result.header->OffsetY;
    studsShown = result.header->StudsShown;
    view.Clamp();
  }
  if (options.viewGiven) {
    view.RotX = options.rotX;
    view.RotZ = options.rotZ;
  }
  if (options.zoomGiven) view.ScaleBar = options.scaleBar;
  return view;
}
