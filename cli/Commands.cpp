#include "cli/Commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <optional>
#include <set>

#include "cli/CommandSupport.h"
#include "cli/LDrawConvert.h"
#include "model/Bounds.h"
#include "model/Document.h"
#include "platform/Application.h"
#include "platform/FileLocations.h"
#include "platform/PictureFile.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

struct RenderOptions {
  std::string model, out;
  int width = 800, height = 600;
  ViewOptions view;
  bool offsetGiven = false;
  int offsetX = 0, offsetY = 0;
  bool backgroundGiven = false;
  TColor background = 0;
  bool shading = false, wireframe = false, hideStuds = false, antialias = false;
  bool seeThroughBaseplate = false;
  StudStyle studs = StudStyle::Fast;
  int detail = 0;
};

RenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--size") {
      ParseSizeOption(NextValue(args, i), o.width, o.height);
    } else if (o.view.Parse(args, i)) {
    } else if (a == "--offset") {
      ParsePair(NextValue(args, i), ',', a, o.offsetX, o.offsetY);
      if (std::abs(o.offsetX) > 5000 || std::abs(o.offsetY) > 5000)
        throw UsageError{"--offset takes -5000..5000"};
      o.offsetGiven = true;
    } else if (a == "--background") {
      const std::string v = NextValue(args, i);
      char* end = nullptr;
      unsigned long rgb = std::strtoul(v.c_str(), &end, 16);
      if (v.size() != 6 || *end != '\0') throw UsageError{"--background takes RRGGBB in hex"};
      o.background = RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                         static_cast<int>(rgb & 0xFF));
      o.backgroundGiven = true;
    } else if (a == "--shading") {
      o.shading = true;
    } else if (a == "--wireframe") {
      o.wireframe = true;
    } else if (a == "--detail") {
      o.detail = ParseInt(NextValue(args, i), a);
      if (o.detail < 0 || o.detail > 2) throw UsageError{"--detail takes 0, 1 or 2"};
    } else if (a == "--see-through-baseplate") {
      o.seeThroughBaseplate = true;
    } else if (a == "--hide-studs") {
      o.hideStuds = true;
    } else if (a == "--antialias") {
      o.antialias = true;
    } else if (a == "--studs") {
      const std::string v = NextValue(args, i);
      if (v == "fast")
        o.studs = StudStyle::Fast;
      else if (v == "better")
        o.studs = StudStyle::Better;
      else if (v == "best")
        o.studs = StudStyle::Best;
      else
        throw UsageError{"--studs takes fast, better or best"};
    } else if (a.size() > 1 && a[0] == '-') {
      throw UsageError{"unknown option '" + a + "'"};
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) throw UsageError{"render needs MODEL and OUT"};
  o.model = positional[0];
  o.out = positional[1];
  return o;
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
  const RenderOptions o = ParseRenderOptions(args);
  const std::string ext = LowerExtension(o.out);
  if (ext != ".png" && ext != ".bmp" && ext != ".jpg" && ext != ".jpeg")
    throw UsageError{"OUT must end in .png, .bmp or .jpg"};

  TDocument document;
  TShapeCache shapes(PartsFolders());
  ModelReadResult result;
  if (!LoadForCli(o.model, document, shapes, result)) return 1;

  bool studsShown = true;
  ViewPositions view = ModelViewPositions(result, o.view, studsShown);
  if (o.offsetGiven) {
    view.OffsetX = o.offsetX;
    view.OffsetY = o.offsetY;
  }

  RenderContext rc;
  rc.switches.Shading = o.shading;
  rc.switches.Wireframe = o.wireframe;
  rc.switches.SeeThroughBaseplate = o.seeThroughBaseplate;
  rc.switches.DetailLevel = o.detail;
  rc.switches.Studs = o.studs;
  rc.switches.StudsHidden = o.hideStuds || !studsShown;
  TScene scene(document, rc);
  scene.BackgroundColor = o.backgroundGiven ? o.background : SystemButtonFaceColor();
  ApplyViewPositions(rc.view, view, o.width, o.height);
  scene.Resize(o.width, o.height, view.OffsetX, view.OffsetY);
  if (document.ModelList.SortedOctant == rc.view.ViewOctant)
    document.ModelList.SortedOctant = -1;  // pieces went in for octant 0; sort for this view
  scene.Paint();

  Bitmap picture = scene.BackBuffer;
  if (o.antialias) scene.RenderSupersampled(picture, TRect{0, 0, o.width, o.height});
  try {
    if (ext == ".png")
      WritePng(o.out, picture);
    else if (ext == ".bmp")
      WriteBmp(o.out, picture);
    else
      WriteJpeg(o.out, picture);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  return 0;
}

int RunConvert(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::optional<FileLocations> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--program-dir") {
      files = FileLocations::Beside(NextValue(args, i));
      continue;
    }
    if (args[i].size() > 1 && args[i][0] == '-')
      throw UsageError{"unknown option '" + args[i] + "'"};
    positional.push_back(args[i]);
  }
  if (positional.size() != 2) throw UsageError{"convert needs IN and OUT"};
  TDocument document;
  if (!files) files = FileLocations::ForRunningProgram();
  TShapeCache shapes(files->PartsFolders());
  ModelReadResult result;
  if (!LoadForCli(positional[0], document, shapes, result, *files)) return 1;
  if (LowerExtension(positional[1]) == ".dat")
    return ConvertToLDraw(document.ModelList, positional[1], files->DataFolder());
  ModelHeader header = result.header.value_or(ModelHeader{});
  try {
    SaveModelFile(positional[1], document.ModelList, header, false);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  return 0;
}

int RunInfo(const std::vector<std::string>& args) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    throw UsageError{"info needs MODEL"};
  TDocument document;
  TShapeCache shapes(PartsFolders());
  ModelReadResult result;
  if (!LoadForCli(args[0], document, shapes, result)) return 1;
  const TBlockList& list = document.ModelList;
  std::map<char, int> perType;
  std::set<int> groups;
  int highestStep = 0;
  TBounds box;
  for (int i = 0; i < list.Count(); ++i) {
    const TBlock& b = *list[i];
    ++perType[b.BlockType];
    if (b.Group >= 1) groups.insert(b.Group);
    highestStep = std::max<int>(highestStep, b.Step);
    box.Add(b);
  }
  std::printf("pieces: %d\n", list.Count());
  for (const auto& [type, count] : perType) std::printf("  %c: %d\n", type, count);
  if (list.Count() > 0)
    std::printf("bounding box: x %lld..%lld, y %lld..%lld, z %lld..%lld\n",
                static_cast<long long>(box.minX), static_cast<long long>(box.maxX),
                static_cast<long long>(box.minY), static_cast<long long>(box.maxY),
                static_cast<long long>(box.minZ), static_cast<long long>(box.maxZ));
  else
    std::printf("bounding box: none\n");
  std::printf("highest step: %d\n", highestStep);
  std::printf("groups: %zu\n", groups.size());
  return 0;
}
