// The options menu and the load and save menus of the main window.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>

#include "model/Document.h"
#include "output/LDrawView.h"
#include "output/PovRoutes.h"
#include "platform/TextFile.h"
#include "workspace/AdvancedToolbox.h"
#include "workspace/LightDialog.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"
#include "workspace/PalettePanel.h"

namespace {

constexpr int kRecentFileTag = -1;

void CheckTag(QActionGroup* group, int tag) {
  const QList<QAction*> items = group->actions();
  if (tag >= 0 && tag < items.size()) items[tag]->setChecked(true);
}

}  // namespace

void TMainWindow::SetStudQuality(int tag) {
  if (tag < 0 || tag > 2) tag = 0;
  state_.Prefs.StudQual = tag;
  rc_.switches.Studs = static_cast<StudStyle>(tag);
  CheckTag(studQuality, tag);
  RedrawPicture();
}

void TMainWindow::SetDetailLevel(int tag) {
  if (tag < 0 || tag > 2) tag = 0;
  state_.Prefs.Details = tag;
  rc_.switches.DetailLevel = tag;
  CheckTag(detailLevel, tag);
  RedrawPicture();
}

void TMainWindow::SetShading(bool on) {
  state_.Prefs.Shading = on;
  rc_.switches.Shading = on;
  if (mShading->isChecked() != on) mShading->setChecked(on);
  RedrawPicture();
}

void TMainWindow::SetHints(bool on) {
  state_.Prefs.Hints = on;
  if (mHints->isChecked() != on) mHints->setChecked(on);
}

void TMainWindow::SetSlowRender(bool on) {
  scene_.SlowRender = on;
  if (mSlowRender->isChecked() != on) mSlowRender->setChecked(on);
}

void TMainWindow::SetSkipCoveredStuds(bool on) {
  rc_.switches.SkipCoveredStuds = on;
  if (mSkipCoveredStuds->isChecked() != on) mSkipCoveredStuds->setChecked(on);
  // The covers are worked out by the next sort.
  document_.ModelList.SortedOctant = 99;
}

void TMainWindow::RestoreBackgroundColor() {
  scene_.ClearBackgroundPicture(ButtonFaceColor());
  SetBackgroundColor(scene_.BackgroundColor);
}

void TMainWindow::SetBackgroundColor(TColor color) {
  scene_.BackgroundColor = color;
  RedrawPicture();
  if (palette_) palette_->Repaint();
}

void TMainWindow::ChooseBackgroundPicture() {
  FileDialogRequest request;
  request.title = "Open Background Picture";
  request.filter = kPictureFilter;
  request.folder = state_.Folder(FolderKind::BackgroundPicture);
  const std::optional<std::string> name = dialogs_->OpenFileName(request);
  // Cancelling keeps the picture that is shown.
  if (!name) return;
  scene_.LoadBackgroundPicture(*name);
  state_.Folder(FolderKind::BackgroundPicture) = FileFolder(*name);
  RedrawPicture();
}

void TMainWindow::AdjustLightDirection() {
  TfrmSetLight dialog(
      rc_.view, [this] { RedrawPicture(); }, this);
  if (dialog.exec() == QDialog::Accepted)
    dialog.ApplyToView();
  else if (dialog.chkPreview->isChecked())
    dialog.Revert();
}

void TMainWindow::pumLoadPopup() {
  for (QAction* a : pumLoad->actions())
    if (a->data().toInt() == kRecentFileTag && a->data().isValid()) {
      pumLoad->removeAction(a);
      a->deleteLater();
    }
  for (const std::string& name : state_.RecentMenuNames()) {
    // A '&' in a path is shown, not taken as the key of the entry.
    QAction* a = pumLoad->addAction(QString::fromLocal8Bit(name.c_str()).replace("&", "&&"));
    a->setData(kRecentFileTag);
    connect(a, &QAction::triggered, this, [this, name] { LoadModel(name, LoadMode::Subassembly); });
  }
}

void TMainWindow::pumSavePopup() {
  bool anySelected = false;
  const TBlockList& list = document_.ModelList;
  for (int i = 0; i < list.Count() && !anySelected; ++i) anySelected = list[i]->Selected;
  mSaveSelected->setEnabled(anySelected);
}

void TMainWindow::LDrawThisViewClick() {
  const LDrawViewerSettings viewer{state_.Tools.LDrawLib, state_.Tools.LDrawProg,
                                   state_.Tools.LDrawTest};
  // The export reads the mapping list afresh and may add records to it.
  struct Reload {
    TAdvOptions* toolbox;
    ~Reload() { toolbox->MappingListReloaded(); }
  } reload{AdvOptions};
  ShowMessages(LDrawThisView(viewer, document_.ModelList, setup_.files.DataFolder(), rc_.view,
                             rc_.switches.Studs, scene_.BackgroundColor, PaintBox1->width(),
                             PaintBox1->height()));
}

void TMainWindow::L2povClick() {
  PovClick(PovRoute::L2P);
}

void TMainWindow::L3povClick() {
  PovClick(PovRoute::L3P);
}

void TMainWindow::PovClick(PovRoute route) {
  const ToolPaths& t = state_.Tools;
  const PovSettings settings{t.LDrawLib, t.LDrawTest, t.L2PCmd, t.L3PCmd, t.PovRayEng};
  RunHooks hooks;
  hooks.programFolders = {setup_.files.ProgramFolder(), setup_.files.ShippedFolder()};
  hooks.showMessage = [this](const std::string& message) { dialogs_->ShowMessage(message); };
  // The window goes on painting while the converter runs, but takes no input.
  hooks.whileWaiting = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  hooks.busy = scene_.SetBusy;
  try {
    ShowMessages(RenderWithPovRay(route, settings, document_.ModelList, setup_.files.DataFolder(),
                                  rc_.view, scene_.BackgroundColor, PovPicture{}, hooks));
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
  }
  AdvOptions->MappingListReloaded();  // the export may have added records
}
