// The keyboard of the main window: every key reaches the window first,
// whatever control has the keyboard, and the key table turns it into a
// command on what is carried, the selection, the view, the palette or the
// model files.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "model/ColorTable.h"
#include "model/Document.h"
#include "model/Selection.h"
#include "workspace/MainWindow.h"
#include "workspace/PalettePanel.h"

namespace {

// The keys of the table that are not letters or function keys.
constexpr std::pair<int, KeyName> kNamedKeys[] = {
    {Qt::Key_Backspace, KeyName::Backspace},
    {Qt::Key_Escape, KeyName::Escape},
    {Qt::Key_Delete, KeyName::Delete},
    {Qt::Key_Return, KeyName::Enter},
    {Qt::Key_Enter, KeyName::Enter},
    {Qt::Key_Insert, KeyName::Insert},
    {Qt::Key_PageUp, KeyName::PageUp},
    {Qt::Key_PageDown, KeyName::PageDown},
    {Qt::Key_Left, KeyName::Left},
    {Qt::Key_Right, KeyName::Right},
    {Qt::Key_Up, KeyName::Up},
    {Qt::Key_Down, KeyName::Down},
    {Qt::Key_Home, KeyName::Home},
    {Qt::Key_End, KeyName::End},
    {Qt::Key_Plus, KeyName::Plus},
    {Qt::Key_Equal, KeyName::Plus},
    {Qt::Key_Minus, KeyName::Minus},
    {Qt::Key_Underscore, KeyName::Minus},
};

KeyPress KeyPressOf(const QKeyEvent& event) {
  KeyPress k;
  const Qt::KeyboardModifiers mods = event.modifiers();
  k.shift = mods.testFlag(Qt::ShiftModifier);
  k.ctrl = mods.testFlag(Qt::ControlModifier);
  k.alt = mods.testFlag(Qt::AltModifier);
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    k.key = KeyName::Letter;
    k.letter = static_cast<char>('A' + (key - Qt::Key_A));
    return k;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    k.key = static_cast<KeyName>(static_cast<int>(KeyName::F1) + (key - Qt::Key_F1));
    return k;
  }
  for (const auto& [code, name] : kNamedKeys)
    if (code == key) k.key = name;
  return k;
}

// A text field that has the keyboard keeps the keys that edit its text, so
// that Delete in the baseplate size field deletes a digit, not the
// selected pieces, and a letter typed there starts no command.
bool KeyEditsFocusedField(const QKeyEvent& event) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return false;
  const bool spin = qobject_cast<QAbstractSpinBox*>(focus) ||
                    qobject_cast<QAbstractSpinBox*>(focus->parentWidget());
  if (!spin && !qobject_cast<QLineEdit*>(focus)) return false;
  switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return spin;
    default:
      break;
  }
  for (QKeySequence::StandardKey editing :
       {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
        QKeySequence::Undo, QKeySequence::Redo})
    if (event.matches(editing)) return true;
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods.testFlag(Qt::ControlModifier) || mods.testFlag(Qt::AltModifier)) return false;
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

bool TMainWindow::PreviewKey(QObject* receiver, QKeyEvent* event) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget) return false;
  // Keys of this window, of its toolbars and of its palette, also when these float on their own.
  QWidget* top = widget->window();
  const bool ours =
      top == this || ((qobject_cast<QDockWidget*>(top) || qobject_cast<QToolBar*>(top)) &&
                      top->parentWidget() == this);
  if (!ours || KeyEditsFocusedField(*event)) return false;
  return FormKeyDown(KeyPressOf(*event));
}

bool TMainWindow::FormKeyDown(const KeyPress& key) {
  const KeyAction action = KeyTable(key, carrying_.Carrying());
  if (action.command == KeyCommand::PassOn) return false;
  // A key that comes while a command still runs (its message box takes
  // messages) is dropped.
  if (keyBusy_) return true;
  if (action.command == KeyCommand::Undo || action.command == KeyCommand::Redo) {
    const std::function<void()>& hook = action.command == KeyCommand::Undo ? UndoKey : RedoKey;
    if (!hook) return false;
  }
  keyBusy_ = true;
  struct Release {
    bool& busy;
    ~Release() { busy = false; }
  } release{keyBusy_};
  try {
    RunKeyCommand(action);
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
  }
  return true;
}

void TMainWindow::RunKeyCommand(const KeyAction& a) {
  switch (a.command) {
    case KeyCommand::EndCarrying:
      btnPointerClick();
      return;
    case KeyCommand::PutDownHere:
    case KeyCommand::RaiseCarried:
    case KeyCommand::LowerCarried:
    case KeyCommand::MoveCarriedLeft:
    case KeyCommand::MoveCarriedRight:
    case KeyCommand::MoveCarriedBack:
    case KeyCommand::MoveCarriedForward:
    case KeyCommand::TurnCarried:
      carrying_.CarriedKey(a);
      // A one-shot put-down ends in pointer mode.
      btnPointer->setChecked(!carrying_.Carrying());
      return;
    case KeyCommand::TakePaletteEntry:
      if (QListWidgetItem* item = ListBox1->currentItem(); item && item->isSelected())
        palette_->ListBox1Click(ListBox1->row(item));
      break;
    case KeyCommand::ClearSelection:
      ClearSelectedPieces();
      break;
    case KeyCommand::DeleteSelected:
      DeleteSelectedPieces();
      break;
    case KeyCommand::PreviousColor:
    case KeyCommand::NextColor:
      StepCurrentColor(a.command == KeyCommand::NextColor ? 1 : -1);
      break;
    case KeyCommand::PreviousPage:
      palette_->btnPrevPageClick();
      break;
    case KeyCommand::NextPage:
      palette_->btnNextPageClick();
      break;
    case KeyCommand::PaletteEntryUp:
    case KeyCommand::PaletteEntryDown:
      SelectPaletteRow(a.command == KeyCommand::PaletteEntryDown ? 1 : -1);
      break;
    case KeyCommand::StepBar: {
      QScrollBar* bar = BarOf(a.bar);
      const int next = SteppedBarPosition(a.bar, bar->value(), a.delta);
      if (next != bar->value()) bar->setValue(next);
      break;
    }
    case KeyCommand::SetView:
      SetView(a.rotX < 0 ? RotX->value() : a.rotX, a.rotZ < 0 ? RotZ->value() : a.rotZ);
      break;
    case KeyCommand::StandardView:
      btnHomeClick();
      break;
    case KeyCommand::ToggleSeeThrough:
      btnSeeThrough->toggle();
      break;
    case KeyCommand::ToggleStuds:
      btnStuds->toggle();
      break;
    case KeyCommand::ToggleWireframe:
      btnWireframe->toggle();
      break;
    case KeyCommand::NewModel:
      btnClearClick();
      break;
    case KeyCommand::LoadModel:
      mNewmodelClick();
      break;
    case KeyCommand::LoadSubassembly:
      mSubassemblyClick();
      break;
    case KeyCommand::SaveSelection:
      SaveModel(FolderKind::SaveSelection, true);
      break;
    case KeyCommand::SaveModel:
      SaveModel(FolderKind::SaveModel, false);
      break;
    case KeyCommand::ToggleSafePositioning:
      ToggleSafePositioning();
      break;
    case KeyCommand::CloseWindow:
      close();
      return;
    case KeyCommand::Undo:
      UndoKey();
      break;
    case KeyCommand::Redo:
      RedoKey();
      break;
    case KeyCommand::Ignore:
    case KeyCommand::PassOn:
      break;
  }
  carrying_.ShowCarriedAgain();
}

QScrollBar* TMainWindow::BarOf(ViewBar bar) const {
  switch (bar) {
    case ViewBar::RotX:
      return RotX;
    case ViewBar::RotZ:
      return RotZ;
    case ViewBar::ScaleBar:
      return ScaleBar;
    case ViewBar::OffsetX:
      return OffsetX;
    case ViewBar::OffsetY:
      return OffsetY;
    case ViewBar::ZLiftOff:
      break;
  }
  return ZLiftOff;
}

void TMainWindow::SelectPaletteRow(int delta) {
  const int count = ListBox1->count();
  if (count == 0) return;
  const int row = std::clamp(ListBox1->currentRow() + delta, 0, count - 1);
  ListBox1->setCurrentRow(row);
  ListBox1->scrollToItem(ListBox1->item(row));
}

void TMainWindow::StepCurrentColor(int delta) {
  if (const std::optional<TColor> color = StepColorField(CurrentColor(), delta)) {
    SetCurrentColor(*color, false);
    palette_->Repaint();
  }
}

void TMainWindow::ToggleSafePositioning() {
  // The menu item's check mark follows, so that it never shows the opposite.
  mSafePos->setChecked(!carrying_.SafePositioning);
  carrying_.SafePositioning = mSafePos->isChecked();
}

void TMainWindow::ClearSelectedPieces() {
  ClearSelection(document_.ModelList);
  RefreshSelection();
  RedrawPicture();
}

void TMainWindow::DeleteSelectedPieces() {
  // Studs that the deleted pieces covered are drawn again.
  if (DeleteSelected(document_) > 0 && rc_.switches.SkipCoveredStuds)
    document_.ModelList.SortedOctant = 99;
  RefreshSelection();
  RedrawPicture();
}
