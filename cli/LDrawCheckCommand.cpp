// brikolo-cli ldraw-check: measures the mapping list (and optionally the
// palette or models) against an LDraw parts library.
#include <cstdio>
#include <exception>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "ldraw/LDrawLibrary.h"
#include "output/LDrawExport.h"
#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/FileLocations.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/LDrawCheck.h"
#include "workspace/LDrawImport.h"
#include "workspace/ModelFile.h"
#include "workspace/PaletteEntry.h"
#include "workspace/Settings.h"

namespace {

struct CheckOptions {
  std::string library, list;
  bool palette = false;
  std::vector<std::string> models;
};

CheckOptions ParseCheckOptions(const std::vector<std::string>& args) {
  CheckOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--library")
      o.library = NextValue(args, i);
    else if (a == "--list")
      o.list = NextValue(args, i);
    else if (a == "--palette")
      o.palette = true;
    else if (a.size() > 1 && a[0] == '-')
      throw UsageError{"unknown option '" + a + "'"};
    else
      o.models.push_back(a);
  }
  const FileLocations files = FileLocations::ForRunningProgram();
  if (o.library.empty()) o.library = LDrawImportSetup::ForLocations(files).library;
  if (o.list.empty()) o.list = files.MappingList();
  return o;
}

// Every entry of every palette page, in the four directions, as the export maps it.
int CheckPalette(const TMappingList& mapping, LDrawLibrary& library, TShapeCache& shapes) {
  WorkspaceState state;
  ReadSettings(TIniFile(FileLocations::ForRunningProgram().SettingsFile()), state);
  int faults = 0;
  for (const PalettePage& page : state.Pages)
    for (const std::string& entry : page.Entries) {
      std::unique_ptr<TBlock> piece = CreatePaletteBlock(entry, shapes);
      if (!piece) continue;
      std::string text;
      for (int direction = 0; direction < 4; ++direction) {
        const LDrawFit fit = CheckPieceFit(*piece, mapping, library);
        if (!fit.Fits()) text += Format(" direction %d: %s;", direction, fit.Describe().c_str());
        piece->Turn();
      }
      if (text.empty()) continue;
      ++faults;
      text.pop_back();
      std::printf("palette %s, %s:%s\n", page.Title.c_str(), entry.c_str(), text.c_str());
    }
  return faults;
}

// Every piece of a model file as the export writes it.
int CheckModel(const std::string& file, const TMappingList& mapping, LDrawLibrary& library,
               TShapeCache& shapes) {
  ModelReadResult model = ReadModelLines(ReadTextLines(file), shapes);
  int faults = 0;
  for (std::size_t i = 0; i < model.pieces.size(); ++i) {
    const LDrawFit fit = CheckPieceFit(*model.pieces[i], mapping, library);
    if (fit.Fits()) continue;
    ++faults;
    std::printf("%s: piece %zu (%s): %s\n", file.c_str(), i + 1,
                FormatPieceLine(*model.pieces[i]).c_str(), fit.Describe().c_str());
  }
  std::printf("%s: %zu pieces, %d that do not land on their box\n", file.c_str(),
              model.pieces.size(), faults);
  return faults;
}

}  // namespace

int RunLDrawCheck(const std::vector<std::string>& args) {
  const CheckOptions o = ParseCheckOptions(args);
  LDrawLibrary library(o.library);
  if (!library.HasParts()) {
    std::fprintf(stderr, "brikolo-cli: %s holds no LDraw parts library (no parts folder)\n",
                 o.library.c_str());
    return 1;
  }
  int faults = 0;
  try {
    const TMappingList mapping = TMappingList::Load(o.list);
    for (const std::string& problem : mapping.LineProblems())
      std::fprintf(stderr, "brikolo-cli: %s: %s\n", o.list.c_str(), problem.c_str());
    TShapeCache shapes(FileLocations::ForRunningProgram().PartsFolders());
    if (o.palette || !o.models.empty()) {
      if (o.palette) faults += CheckPalette(mapping, library, shapes);
      for (const std::string& model : o.models)
        faults += CheckModel(model, mapping, library, shapes);
    } else {
      const std::vector<std::string> report = CheckMappingRecords(mapping, library, shapes);
      for (const std::string& line : report) std::printf("%s\n", line.c_str());
      std::printf("%zu records, %zu that do not land on their piece\n", mapping.Records().size(),
                  report.size());
      faults = static_cast<int>(report.size());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brikolo-cli: %s\n", error.what());
    return 1;
  }
  for (const LDrawProblem& problem : library.Problems())
    std::fprintf(stderr, "brikolo-cli: %s\n", problem.Text().c_str());
  return faults == 0 ? 0 : 3;
}
