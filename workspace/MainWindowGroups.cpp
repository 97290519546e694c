// Groups of pieces: "Make group" and "Break group(s)" in the options menu.
#include <QAction>

#include "model/Document.h"
#include "model/Selection.h"
#include "workspace/MainWindow.h"

void TMainWindow::miGroupClick() {
  MakeGroup(document_);
  RefreshSelection();
  RedrawPicture();
}

void TMainWindow::miBreakClick() {
  BreakGroups(document_);
  RefreshSelection();
  RedrawPicture();
}

void TMainWindow::pumOptionsPopup() {
  const GroupCommands offered = GroupCommandsFor(document_.ModelList);
  miGroup->setEnabled(offered.makeGroup);
  miBreak->setEnabled(offered.breakGroups);
}
