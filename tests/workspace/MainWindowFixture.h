#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "model/Document.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/workspace/ScriptedDialogs.h"
#include "workspace/LightDialog.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"

// The real main window over a fresh document, in a program folder of its own,
// with scripted dialogs.
class MainWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string folder = dir.path().toStdString() + "/";
  std::unique_ptr<TDocument> document;
  std::unique_ptr<TShapeCache> shapes;
  std::unique_ptr<TMainWindow> window;
  ScriptedDialogs* dialogs = nullptr;

  void SetUp() override { Open(); }
  void TearDown() override { Close(); }

  void Open() {
    document = std::make_unique<TDocument>();
    shapes = std::make_unique<TShapeCache>(folder + "parts/");
    MainWindowSetup setup;
    setup.files = FileLocations::Beside(folder);
    window = std::make_unique<TMainWindow>(*document, *shapes, setup);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window->SetDialogs(std::move(scripted));
    window->resize(900, 600);
    window->show();
    QApplication::processEvents();
  }

  // The window goes as the program's end does: settings written.
  void Close() {
    if (!window) return;
    window->State().Unsaved = false;
    window.reset();
    shapes.reset();
    document.reset();
  }

  std::string WriteModel(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = folder + name;
    WriteTextLines(path, lines);
    return path;
  }

  std::string HouseModel() {
    const std::string path = folder + "house.lgo";
    WriteTextLines(path, ReadTextLines(BRIKOLO_SOURCE_DIR "/data/examples/house.lgo"));
    return path;
  }

  // Every line of the example but its header is a piece.
  static int HousePieces() {
    return static_cast<int>(ReadTextLines(BRIKOLO_SOURCE_DIR "/data/examples/house.lgo").size()) -
           1;
  }

  void Click(const char* name) {
    auto* button = window->findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }

  int Pieces() const { return document->ModelList.Count(); }
  // A 2-by-2 brick at a place in model units, put into the model in painting order.
  TBlock* AddBrick(int x, int y, int z, TColor color = 0x0000FF, bool selected = false) {
    auto b = std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, color, true, false, false, "3003");
    b->X = x;
    b->Y = y;
    b->Z = z;
    b->Selected = selected;
    TBlock* raw = b.get();
    document->ModelList.AddSorted(std::move(b), View().ViewOctant);
    return raw;
  }
  const TView& View() { return window->Context().view; }
};
