// The POV-Ray converter on the generated towns: the LDraw export of the town
// read back and turned into both scene forms, without a parts library, so
// every part is drawn as the mapping list's piece.
#include <benchmark/benchmark.h>

#include <map>

#include "ldraw/LDrawLibrary.h"
#include "ldraw/LDrawModel.h"
#include "model/Document.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "output/PovConverter.h"
#include "platform/Application.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

struct ExportedTown {
  std::string ldraw;
  std::vector<TLDrawRecord> records;
};

const ExportedTown& Town(int pieces) {
  static std::map<int, ExportedTown> cache;
  ExportedTown& town = cache[pieces];
  if (town.ldraw.empty()) {
    const std::string folder = ProgramFolder() + "../";
    TDocument doc;
    TShapeCache shapes;
    LoadCompleteModel(folder + "examples/town" + std::to_string(pieces) + ".lgo", doc, shapes, 0);
    TMappingList mapping = TMappingList::FromLines(ReadTextLines(folder + "bo2ld.lst"));
    town.ldraw = JoinLines(ExportLDraw(doc.ModelList, mapping).lines);
    town.records = mapping.Records();
  }
  return town;
}

void Convert(benchmark::State& state, PovSceneForm form) {
  const ExportedTown& town = Town(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LDrawLibrary none;
    const LDrawModel model = ReadLDrawModelText("TEST.DAT", town.ldraw, "", none);
    const PovConversion c = ConvertLDrawModelToPov(model, none, town.records, form, "TEST.DAT");
    std::string text = JoinLines(c.lines);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PovInclude(benchmark::State& state) {
  Convert(state, PovSceneForm::Include);
}
void BM_PovScene(benchmark::State& state) {
  Convert(state, PovSceneForm::Scene);
}

}  // namespace

BENCHMARK(BM_PovInclude)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PovScene)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
