// Undo and redo on the generated 20,000-piece town: the cost of one step
// does not grow with the history, and a step never copies the model.
#include <benchmark/benchmark.h>

#include "model/Document.h"
#include "model/ModelEdit.h"
#include "platform/Application.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/ModelFile.h"

namespace {

void LoadTown(TDocument& doc) {
  TShapeCache shapes;
  LoadCompleteModel(ProgramFolder() + "../examples/town20000.lgo", doc, shapes, 0);
  doc.ModelList.Resort(0, false);
}

// One brick put down as the mouse does it (inserted, then the whole order
// rebuilt), then undone and redone.
void BM_UndoRedoPutDown(benchmark::State& state) {
  TDocument doc;
  LoadTown(doc);
  {
    TModelEdit edit(doc, "Put down 1 piece");
    auto brick = std::make_unique<TBlock>(3, 5, 0, 2, 4, 3, 255, true, false, false, "3001");
    brick->Z = doc.ModelList.MaxTopUnder(brick->X, brick->Y, brick->SizeX, brick->SizeY);
    edit.Insert(std::move(brick), 0);
    edit.Resort(0, false);
  }
  for (auto _ : state) {
    doc.History.Undo(0);
    doc.History.Redo(0);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

// Every twentieth piece deleted at once (1,000 pieces), undone and redone.
void BM_UndoRedoDelete1000(benchmark::State& state) {
  TDocument doc;
  LoadTown(doc);
  {
    TModelEdit edit(doc, "Delete 1000 pieces");
    for (int i = doc.ModelList.Count() - 1; i >= 0; i -= 20) edit.Remove(i);
  }
  for (auto _ : state) {
    doc.History.Undo(0);
    doc.History.Redo(0);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

}  // namespace

BENCHMARK(BM_UndoRedoPutDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoDelete1000)->Unit(benchmark::kMillisecond);
