// brikolo-cli pov and pov-scene: POV-Ray pictures without a window.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "model/Document.h"
#include "output/LDrawExport.h"
#include "output/PovConverter.h"
#include "output/PovRoutes.h"
#include "platform/Application.h"
#include "platform/FileLocations.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "render/View.h"
#include "shapes/ShapeCache.h"
#include "workspace/Settings.h"

namespace {

ToolPaths ProgramToolPaths(const FileLocations& files) {
  return ReadToolPaths(TIniFile(files.SettingsFile()));
}

std::string InFolder(const std::string& folder, const std::string& name) {
  std::string f = NativePath(folder);
  if (!f.empty() && f.back() != '/') f += '/';
  return f + NativePath(name);
}

struct PovOptions {
  std::string model, out, ldrawDir;
  PovRoute route = PovRoute::L2P;
  int width = 320, height = 240;
  ViewOptions view;
};

PovOptions ParsePovOptions(const std::vector<std::string>& args) {
  PovOptions o;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--route") {
      const std::string v = NextValue(args, i);
      if (v != "l2p" && v != "l3p") throw UsageError{"--route takes l2p or l3p"};
      o.route = v == "l2p" ? PovRoute::L2P : PovRoute::L3P;
    } else if (a == "--size") {
      ParseSizeOption(NextValue(args, i), o.width, o.height);
    } else if (o.view.Parse(args, i)) {
    } else if (a == "--ldraw-dir") {
      o.ldrawDir = NextValue(args, i);
    } else if (a.size() > 1 && a[0] == '-') {
      throw UsageError{"unknown option '" + a + "'"};
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) throw UsageError{"pov needs MODEL and OUT"};
  o.model = positional[0];
  o.out = positional[1];
  if (LowerExtension(o.out) != ".png") throw UsageError{"OUT must end in .png"};
  return o;
}

// Moves POV-Ray's picture to where it was asked for.
void MovePicture(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (!error) return;
  WriteFileAtomically(to, ReadFileBytes(from));
  std::filesystem::remove(from, error);
}

}  // namespace

int RunPov(const std::vector<std::string>& args) {
  const PovOptions o = ParsePovOptions(args);
  TDocument document;
  const FileLocations files = FileLocations::ForRunningProgram();
  TShapeCache shapes(files.PartsFolders());
  ModelReadResult result;
  if (!LoadForCli(o.model, document, shapes, result)) return 1;

  bool studsShown = true;
  const ViewPositions positions = ModelViewPositions(result, o.view, studsShown);
  TView view;
  view.SetAngles(positions.RotX, positions.RotZ);
  view.SetScaleBar(positions.ScaleBar);

  const ToolPaths tools = ProgramToolPaths(files);
  PovSettings settings{o.ldrawDir.empty() ? tools.LDrawLib : o.ldrawDir, tools.LDrawTest,
                       tools.L2PCmd, tools.L3PCmd,
                       // Without a window POV-Ray draws no picture on the screen.
                       tools.PovRayEng + " -D"};
  bool allStarted = true;
  RunHooks hooks;
  hooks.programFolders = {files.ProgramFolder(), files.ShippedFolder()};
  hooks.showMessage = [&allStarted](const std::string& message) {
    std::fprintf(stderr, "brikolo-cli: %s\n", message.c_str());
    allStarted = false;
  };
  const std::string picture =
      InFolder(settings.LDrawLib, o.route == PovRoute::L2P ? "BO_test.png" : "test.png");
  try {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
    PovPicture size{o.width, o.height, true};
    for (const std::string& problem :
         RenderWithPovRay(o.route, settings, document.ModelList, files.DataFolder(), view,
                          SystemButtonFaceColor(), size, hooks))
      std::fprintf(stderr, "brikolo-cli: %s\n", problem.c_str());
    if (!FileExists(picture)) {
      std::fprintf(stderr, "brikolo-cli: POV-Ray made no picture %s\n", picture.c_str());
      return 1;
    }
    MovePicture(picture, o.out);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  return allStarted ? 0 : 1;
}

int RunPovScene(const std::vector<std::string>& args) {
  std::string in, out, ldrawDir = ".";
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--in")
      in = NextValue(args, i);
    else if (args[i] == "--out")
      out = NextValue(args, i);
    else if (args[i] == "--ldraw-dir")
      ldrawDir = NextValue(args, i);
    else if (args[i].size() > 1 && args[i][0] == '-')
      throw UsageError{"unknown option '" + args[i] + "'"};
    else
      positional.push_back(args[i]);
  }
  if (positional.size() != 1 || (positional[0] != "include" && positional[0] != "scene"))
    throw UsageError{"pov-scene needs include or scene"};
  const PovSceneForm form =
      positional[0] == "include" ? PovSceneForm::Include : PovSceneForm::Scene;
  // The routes pass no names: the model is the settings' test file in the
  // LDraw folder, the result goes beside it.
  const FileLocations files = FileLocations::ForRunningProgram();
  if (in.empty()) in = InFolder(ldrawDir, ProgramToolPaths(files).LDrawTest);
  if (out.empty())
    out = InFolder(ldrawDir, form == PovSceneForm::Include ? "test.inc" : "test.pov");
  try {
    std::vector<std::string> problems;
    if (form == PovSceneForm::Include)
      problems = InstallPovIncludeFiles(files.ShippedFolder(), ldrawDir);
    const PovConversion c = ConvertLDrawFileToPov(in, ldrawDir, files.MappingList(), form, out);
    problems.insert(problems.end(), c.problems.begin(), c.problems.end());
    for (const std::string& p : problems) std::fprintf(stderr, "brikolo-cli: %s\n", p.c_str());
    std::printf("%s: %d parts from the library, %d as pieces, %d left out\n", out.c_str(),
                c.fromLibrary, c.asPieces, c.leftOut);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  return 0;
}
