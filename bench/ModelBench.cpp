// Benchmarks on the generated town models of 1,000, 5,000 and 20,000 pieces,
// and of 100,000: five of the 20,000-piece towns side by side.
#include <benchmark/benchmark.h>

#include <map>

#include "model/Document.h"
#include "platform/Application.h"
#include "platform/TextFile.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

std::string TownPath(int pieces) {
  return ProgramFolder() + "../examples/town" + std::to_string(pieces) + ".lgo";
}

// Written once per run beside the other temporary files.
std::string FiveTownsPath() {
  static const std::string path = [] {
    const std::vector<std::string> town = ReadTextLines(TownPath(20000));
    std::vector<std::string> lines = {town[0]};
    for (int copy = 0; copy < 5; ++copy)
      for (std::size_t i = 1; i < town.size(); ++i) {
        const std::string& line = town[i];  // the x field moves along by a baseplate
        const std::size_t a = line.find(' '), b = line.find(' ', a + 1);
        const int x = std::stoi(line.substr(a + 1, b - a - 1)) + 1920 * copy;
        lines.push_back(line.substr(0, a + 1) + std::to_string(x) + line.substr(b));
      }
    const std::string name = "/tmp/brikolo-bench-town100000.lgo";
    WriteTextLines(name, lines);
    return name;
  }();
  return path;
}

std::string ModelPath(int pieces) {
  return pieces == 100000 ? FiveTownsPath() : TownPath(pieces);
}

const std::vector<std::string>& Lines(int pieces) {
  static std::map<int, std::vector<std::string>> cache;
  auto& lines = cache[pieces];
  if (lines.empty()) lines = ReadTextLines(ModelPath(pieces));
  return lines;
}

void Load(TDocument& doc, int pieces) {
  TShapeCache shapes;
  doc.ModelList.Clear();
  auto result = ReadModelLines(Lines(pieces), shapes);
  for (auto& p : result.pieces) doc.ModelList.Add(std::move(p));
  doc.ModelList.StepLimit = 100;
}

void BM_Resort(benchmark::State& state) {
  TDocument doc;
  Load(doc, static_cast<int>(state.range(0)));
  int octant = 0;
  for (auto _ : state) {
    doc.ModelList.Resort(octant, false);
    octant = (octant + 1) % 8;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Putting a piece down re-sorts for the octant the list is already sorted for.
void BM_ResortSameOctant(benchmark::State& state) {
  TDocument doc;
  Load(doc, static_cast<int>(state.range(0)));
  doc.ModelList.Resort(0, false);
  for (auto _ : state) doc.ModelList.Resort(0, false);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ComputeCover(benchmark::State& state) {
  TDocument doc;
  Load(doc, static_cast<int>(state.range(0)));
  for (auto _ : state) doc.ModelList.ComputeCover();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FullPaint(benchmark::State& state) {
  TDocument doc;
  Load(doc, static_cast<int>(state.range(0)));
  RenderContext rc;
  rc.switches.Shading = true;
  rc.switches.Studs = StudStyle::Fast;
  TScene scene(doc, rc);
  ApplyViewPositions(rc.view, ViewPositions{60, 30, 40, 0, 0}, 1024, 768);
  scene.Resize(1024, 768, 0, 0);
  scene.Paint();  // sorts once
  for (auto _ : state) scene.Paint();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadModel(benchmark::State& state) {
  const auto& lines = Lines(static_cast<int>(state.range(0)));
  TShapeCache shapes;
  for (auto _ : state) {
    auto result = ReadModelLines(lines, shapes);
    benchmark::DoNotOptimize(result.pieces.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadModelSorted(benchmark::State& state) {
  const std::string path = ModelPath(static_cast<int>(state.range(0)));
  TShapeCache shapes;
  for (auto _ : state) {
    TDocument doc;
    LoadCompleteModel(path, doc, shapes, 0);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveModel(benchmark::State& state) {
  TDocument doc;
  Load(doc, static_cast<int>(state.range(0)));
  const std::string path = "/tmp/brikolo-bench-save.lgo";
  for (auto _ : state) SaveModelFile(path, doc.ModelList, ModelHeader{}, false);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_Resort)->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResortSameOctant)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeCover)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullPaint)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadModel)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadModelSorted)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveModel)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  HeadlessSession session(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
