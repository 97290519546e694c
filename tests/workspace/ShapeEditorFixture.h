#pragma once
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shapes/DrawClass.h"
#include "tests/workspace/MainWindowFixture.h"
#include "workspace/PalettePanel.h"
#include "workspace/ShapeEditor.h"

// The real main window with a page of entries over the shipped part files,
// and its shape editor answering to scripted dialogs.
class ShapeEditorTest : public MainWindowTest {
 protected:
  TAddHard* editor = nullptr;
  ScriptedDialogs* asked = nullptr;

  void SetUp() override {
    std::filesystem::create_directories(folder + "parts");
    for (const char* file : {"parts.dat", "template.dat"})
      WriteTextLines(folder + "parts/" + file,
                     ReadTextLines(std::string(BRIKOLO_SOURCE_DIR "/data/parts/") + file));
    WriteTextLines(folder + "Brikolo.ini",
                   {"[Main]", "Version=2", "Pages=1", "[Page1]", "Title=Mixed", "Height=30",
                    "Count=3", "Brick0=2x4x3|3001", "Brick1=G parts.dat, stdblock|3003",
                    "Brick2=G parts.dat, nosuchpart"});
    Open();
    editor = &window->Palette().ShapeEditor();
    auto scripted = std::make_unique<ScriptedDialogs>();
    asked = scripted.get();
    editor->SetDialogs(std::move(scripted));
  }

  TDrawClass* Cached() { return shapes->FindShape("parts.dat", "stdblock"); }
  TDrawClass& Work() { return *editor->WorkShape; }
  std::vector<std::string> Rows(QListWidget* list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
    return rows;
  }
  void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  std::vector<std::string>& Entries() { return window->State().Pages[0].Entries; }

  // Runs the palette command while the modal editor is driven by `inside`.
  void WithEditor(void (TPalettePanel::*command)(), std::function<void()> inside) {
    QTimer::singleShot(0, [this, inside] {
      ASSERT_EQ(QApplication::activeModalWidget(), editor);
      inside();
    });
    (window->Palette().*command)();
  }
};
