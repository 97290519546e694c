// The main window's side of the settings file and of the program's end.
#include <QAction>
#include <QComboBox>
#include <cstdio>
#include <exception>

#include "shapes/ShapeCache.h"
#include "workspace/MainWindow.h"
#include "workspace/Settings.h"

void TMainWindow::ReadSettings() {
  try {
    LoadSettingsFile(setup_.files.SettingsFile(), state_);
  } catch (const std::exception& e) {
    // The file could be read but not rewritten in the current form; the next end tries again.
    std::fprintf(stderr, "%s\n", e.what());
  }
  ApplyPreferences();
  mLDrawThisView->setEnabled(state_.LDrawViewerFound);
  ComboBox1->clear();
  for (const std::string& title : state_.ChooserTitles())
    ComboBox1->addItem(QString::fromLocal8Bit(title.c_str()));
  state_.CurrentPage = 0;
  if (!state_.Pages.empty()) ComboBox1->setCurrentIndex(1);
}

void TMainWindow::ApplyPreferences() {
  const Preferences prefs = state_.Prefs;
  SetHints(prefs.Hints);
  SetStudQuality(prefs.StudQual);
  SetDetailLevel(prefs.Details);
  SetShading(prefs.Shading);
}

void TMainWindow::WriteSettings() {
  try {
    SaveSettingsFile(setup_.files.SettingsFile(), state_);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
  }
}

void TMainWindow::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  WriteSettings();
  try {
    shapes_.SaveAllShapes();  // every loaded shape back to its part definition file
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
  }
  carrySet_.Clear();
  carrying_.Discard();
}
