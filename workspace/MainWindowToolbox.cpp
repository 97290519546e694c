// The main window's side of the advanced toolbox: the menu item that shows
// it, the selection and the carried piece it follows, its step filter and
// the step of new pieces.
#include <QAction>
#include <QPushButton>

#include "model/Document.h"
#include "workspace/AdvancedToolbox.h"
#include "workspace/MainWindow.h"

void TMainWindow::BuildAdvancedToolbox() {
  AdvOptions = new TAdvOptions(*this);
  AdvOptions->hide();
  // The check mark follows the window however it is hidden.
  AdvOptions->Hidden = [this] { Advancedtoolbox1->setChecked(false); };
  connect(Advancedtoolbox1, &QAction::toggled, this, [this](bool on) {
    if (!on) {
      AdvOptions->hide();
      return;
    }
    AdvOptions->PlaceBesideMainWindow();
    AdvOptions->show();
    AdvOptions->raise();
  });
  // Its "LDraw" button is there when "LDraw this view" is.
  auto followViewer = [this] {
    AdvOptions->RxSpeedButton1->setEnabled(mLDrawThisView->isEnabled());
  };
  followViewer();
  connect(mLDrawThisView, &QAction::changed, AdvOptions, followViewer);
  scene_.ToolboxStep = [this]() -> std::optional<int> { return AdvOptions->StepFilter(); };
  carrying_.CurrentStep = [this] { return AdvOptions->NewPieceStep().value_or(0); };
  carrying_.ShowCarried = [this](const TBlock& piece) { AdvOptions->ShowPiece(&piece); };
}

void TMainWindow::RefreshSelection() {
  if (AdvOptions) AdvOptions->RefreshSelection();
}
