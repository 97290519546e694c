// Undo and redo in the main window: the two toolbar buttons, their keys and
// hints, and the unsaved-changes flag, which follows the history.
#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "model/Document.h"
#include "workspace/Icons.h"
#include "workspace/MainWindow.h"

void TMainWindow::BuildHistoryControls() {
  auto makeAction = [this](const char* name, const char* caption, IconKind icon,
                           QList<QKeySequence> keys) {
    auto* action = new QAction(MakeIcon(icon), caption, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);  // the keys work wherever the window has the keyboard
    return action;
  };
  mUndo = makeAction("mUndo", "Undo", IconKind::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  mRedo = makeAction(
      "mRedo", "Redo", IconKind::Redo,
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(mUndo, &QAction::triggered, this, [this] { UndoClick(); });
  connect(mRedo, &QAction::triggered, this, [this] { RedoClick(); });
  // The keys come to the key table instead where the window's shortcuts do
  // not reach (a palette floating on its own).
  UndoKey = [this] { UndoClick(); };
  RedoKey = [this] { RedoClick(); };

  // The buttons sit after "New model" on the main toolbar.
  QAction* before = nullptr;
  for (QAction* a : tbMain->actions())
    if (tbMain->widgetForAction(a) && tbMain->widgetForAction(a)->objectName() == "btnOptions")
      before = a;
  for (auto [name, action] : {std::pair{"btnUndo", mUndo}, {"btnRedo", mRedo}}) {
    auto* button = new QToolButton(tbMain);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setFocusPolicy(Qt::NoFocus);
    tbMain->insertWidget(before, button);
  }

  document_.History.Changed = [this] { HistoryChanged(); };
  HistoryChanged();
}

void TMainWindow::HistoryChanged() {
  const THistory& history = document_.History;
  state_.Unsaved = history.Modified();
  mUndo->setEnabled(history.CanUndo());
  mRedo->setEnabled(history.CanRedo());
  const QString kept = QString(" (the last %1 changes are kept)").arg(THistory::kMaxSteps);
  mUndo->setToolTip(history.CanUndo() ? "Undo " + QString::fromLocal8Bit(history.UndoName().c_str())
                                      : "Nothing to undo" + kept);
  mRedo->setToolTip(history.CanRedo() ? "Redo " + QString::fromLocal8Bit(history.RedoName().c_str())
                                      : QString("Nothing to redo"));
}

void TMainWindow::UndoClick() {
  if (!document_.History.CanUndo()) return;
  const bool wasCarrying = carrying_.Carrying();
  carrying_.Undo();
  if (wasCarrying != carrying_.Carrying()) btnPointer->setChecked(!carrying_.Carrying());
}

void TMainWindow::RedoClick() {
  carrying_.Redo();
}
