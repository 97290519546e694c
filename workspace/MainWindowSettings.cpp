// The main window's side of the settings file and of the program's end.
#include <QAction>
#include <QComboBox>
#include <cstdio>
#include <exception>

#include "platform/Error.h"
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
  SetLandingGuide(prefs.LandingGuide);
}

void TMainWindow::WriteSettings() {
  try {
    SaveSettingsFile(setup_.files.SettingsFile(), state_);
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(
        Format("The palette pages and settings could not be saved.\r\n%s", e.what()));
  }
}

void TMainWindow::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  // A file that cannot be written is reported while the user can still do
  // something about it, not only on the console.
  WriteSettings();
  try {
    shapes_.SaveAllShapes();  // every loaded shape back to its part definition file
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(Format("The shapes could not be saved.\r\n%s", e.what()));
  }
  carrySet_.Clear();
  carrying_.Discard();
}
