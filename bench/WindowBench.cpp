// The main window on the offscreen platform with the 20,000-piece town: a
// view button until the paint box has repainted, and a carried piece
// following the mouse, a put-down taken back.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <memory>

#include "model/Document.h"
#include "platform/Application.h"
#include "shapes/ShapeCache.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"

namespace {

struct TownWindow {
  TDocument document;
  TShapeCache shapes{ProgramFolder() + "../parts/"};
  std::unique_ptr<TMainWindow> window;
  TownWindow() {
    MainWindowSetup setup;
    std::filesystem::create_directories("/tmp/brikolo-bench-window/");
    setup.files = FileLocations::Beside("/tmp/brikolo-bench-window/");
    window = std::make_unique<TMainWindow>(document, shapes, setup);
    window->resize(1304, 860);  // a paint box of 1024 by 768
    window->show();
    QApplication::processEvents();
    window->LoadModel(ProgramFolder() + "../examples/town20000.lgo", LoadMode::Complete);
    QApplication::processEvents();
  }
  ~TownWindow() { window->State().Unsaved = false; }
  void Repaint() { window->findChild<TPaintBox*>()->repaint(); }
};

TownWindow& Town() {
  static TownWindow town;
  return town;
}

// "Rotate left" and "Rotate right" in turn: the octant mostly stays.
void BM_WindowRotateButton(benchmark::State& state) {
  TownWindow& t = Town();
  bool left = true;
  for (auto _ : state) {
    if (left)
      t.window->btnRotLeftClick();
    else
      t.window->btnRotRightClick();
    left = !left;
    t.Repaint();
  }
  const TPaintBox* box = t.window->findChild<TPaintBox*>();
  state.counters["width"] = box->width();
  state.counters["height"] = box->height();
}

// "Front left" and "Back right" in turn: every click re-sorts the model.
void BM_WindowFixedViewNewOctant(benchmark::State& state) {
  TownWindow& t = Town();
  int tag = 6;
  for (auto _ : state) {
    t.window->FixedViewClick(tag);
    tag = tag == 5 ? 6 : 5;
    t.Repaint();
  }
  t.window->FixedViewClick(5);
}

void BM_WindowCarriedPieceFollowsTheMouse(benchmark::State& state) {
  TownWindow& t = Town();
  TPaintBox* box = t.window->findChild<TPaintBox*>();
  t.window->Carrying().StartPlacement(
      std::make_unique<TBlock>(0, 0, 0, 2, 4, 3, 0x0000FF, true, false, false, "3001"));
  int step = 0;
  for (auto _ : state) {
    const QPointF at(300 + 40 * (step % 8), 300 + 30 * (step % 5));
    ++step;
    QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    t.window->PaintBox1MouseMove(&move);
    box->repaint();
  }
  t.window->Carrying().PointerMode();
}

// A brick put down on the town and taken back again, each with its new picture.
void BM_WindowPutDownAndUndo(benchmark::State& state) {
  TownWindow& t = Town();
  t.window->Carrying().StartPlacement(
      std::make_unique<TBlock>(0, 0, 0, 2, 4, 3, 0x0000FF, true, false, false, "3001"));
  for (auto _ : state) {
    t.window->Carrying().PutDown();
    t.Repaint();
    t.window->UndoClick();
    t.Repaint();
  }
  t.window->Carrying().PointerMode();
}

}  // namespace

BENCHMARK(BM_WindowRotateButton)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowFixedViewNewOctant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowCarriedPieceFollowsTheMouse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowPutDownAndUndo)->Unit(benchmark::kMillisecond);
