#include "render/KeyTable.h"

#include <algorithm>

#include "render/ViewControls.h"

namespace {

constexpr int kZLiftOffMax = 4000;  // the cut-off bar's top

KeyAction Command(KeyCommand command) {
  KeyAction a;
  a.command = command;
  return a;
}

KeyAction Bar(ViewBar bar, int delta) {
  KeyAction a = Command(KeyCommand::StepBar);
  a.bar = bar;
  a.delta = delta;
  return a;
}

KeyAction View(int rotX, int rotZ) {
  KeyAction a = Command(KeyCommand::SetView);
  a.rotX = rotX;
  a.rotZ = rotZ;
  return a;
}

KeyAction CarriedKey(const KeyPress& k) {
  KeyAction a;
  switch (k.key) {
    case KeyName::Backspace:
    case KeyName::Escape:
    case KeyName::Delete:
      return Command(KeyCommand::EndCarrying);
    case KeyName::Enter:
      return Command(KeyCommand::PutDownHere);
    case KeyName::PageUp:
      a.command = KeyCommand::RaiseCarried;
      break;
    case KeyName::PageDown:
      a.command = KeyCommand::LowerCarried;
      break;
    case KeyName::Left:
      a.command = KeyCommand::MoveCarriedLeft;
      break;
    case KeyName::Right:
      a.command = KeyCommand::MoveCarriedRight;
      break;
    case KeyName::Up:
      a.command = KeyCommand::MoveCarriedBack;
      break;
    case KeyName::Down:
      a.command = KeyCommand::MoveCarriedForward;
      break;
    case KeyName::Insert:
      return Command(KeyCommand::TurnCarried);
    default:
      return a;
  }
  a.byGrid = k.shift;
  return a;
}

// An arrow key while nothing is carried: Shift pans, Ctrl turns, Alt moves the cut-off.
KeyAction ArrowKey(const KeyPress& k) {
  const bool left = k.key == KeyName::Left, right = k.key == KeyName::Right;
  const bool up = k.key == KeyName::Up;
  const int small = ViewPositions::kOffsetSmall;
  if (k.shift) {
    if (left || right) return Bar(ViewBar::OffsetX, left ? -small : small);
    return Bar(ViewBar::OffsetY, up ? -small : small);
  }
  if (k.ctrl) {
    if (left || right)
      return Bar(ViewBar::RotZ, left ? -ViewPositions::kRotZSmall : ViewPositions::kRotZSmall);
    return Bar(ViewBar::RotX, up ? ViewPositions::kRotXSmall : -ViewPositions::kRotXSmall);
  }
  if (k.alt && (left || right)) return Bar(ViewBar::ZLiftOff, left ? -1 : 1);
  if (left) return Command(KeyCommand::PreviousPage);
  if (right) return Command(KeyCommand::NextPage);
  return Command(up ? KeyCommand::PaletteEntryUp : KeyCommand::PaletteEntryDown);
}

KeyAction IdleKey(const KeyPress& k) {
  switch (k.key) {
    case KeyName::Enter:
      return Command(KeyCommand::TakePaletteEntry);
    case KeyName::Escape:
      return Command(KeyCommand::ClearSelection);
    case KeyName::Delete:
      return Command(KeyCommand::DeleteSelected);
    case KeyName::PageUp:
      return Command(KeyCommand::PreviousColor);
    case KeyName::PageDown:
      return Command(KeyCommand::NextColor);
    case KeyName::Left:
    case KeyName::Right:
    case KeyName::Up:
    case KeyName::Down:
      return ArrowKey(k);
    default:
      return KeyAction{};
  }
}

KeyAction LetterKey(const KeyPress& k) {
  // The history of changes answers Ctrl+Z and Ctrl+Y before the letters do.
  if (k.ctrl && k.letter == 'Z') return Command(k.shift ? KeyCommand::Redo : KeyCommand::Undo);
  if (k.ctrl && k.letter == 'Y') return Command(KeyCommand::Redo);
  switch (k.letter) {
    case 'B':
      return Command(KeyCommand::ToggleSeeThrough);
    case 'C':
    case 'E':
      return Command(KeyCommand::NewModel);
    case 'F':
    case 'G':
    case 'H':
      return Command(KeyCommand::LoadModel);
    case 'M':
      return Command(KeyCommand::LoadSubassembly);
    case 'O':
      return Command(KeyCommand::ToggleStuds);
    case 'P':
      return Command(KeyCommand::SaveSelection);
    case 'S':
      return Command(KeyCommand::SaveModel);
    case 'T':
      return Command(KeyCommand::ToggleWireframe);
    default:
      return Command(KeyCommand::Ignore);
  }
}

KeyAction AnyStateKey(const KeyPress& k) {
  switch (k.key) {
    case KeyName::End:
    case KeyName::F1:
      return View(0, -1);
    case KeyName::Home:
      return Command(KeyCommand::StandardView);
    case KeyName::Letter:
      return LetterKey(k);
    case KeyName::Plus:
      return Bar(ViewBar::ScaleBar, -1);
    case KeyName::Minus:
      return Bar(ViewBar::ScaleBar, 1);
    case KeyName::F2:
      return View(-1, 0);
    case KeyName::F3:
      return View(-1, 270);
    case KeyName::F4:
      // Alt+F4 is the system's: the window is asked to close.
      return k.alt ? Command(KeyCommand::CloseWindow) : View(-1, 90);
    case KeyName::F5:
      return View(-1, 180);
    case KeyName::F6:
      return View(70, 30);
    case KeyName::F7:
      return View(70, 150);
    case KeyName::F8:
      return View(70, 210);
    case KeyName::F9:
      return View(70, 330);
    case KeyName::F10:
      return View(90, -1);
    case KeyName::F11:
      return Command(KeyCommand::Ignore);
    case KeyName::F12:
      return Command(KeyCommand::ToggleSafePositioning);
    default:
      return KeyAction{};
  }
}

}  // namespace

BarRange RangeOf(ViewBar bar) {
  switch (bar) {
    case ViewBar::RotX:
      return {ViewPositions::kRotXMin, ViewPositions::kRotXMax, false};
    case ViewBar::RotZ:
      return {ViewPositions::kRotZMin, ViewPositions::kRotZMax, true};
    case ViewBar::ScaleBar:
      return {ViewPositions::kScaleMin, ViewPositions::kScaleMax, false};
    case ViewBar::OffsetX:
    case ViewBar::OffsetY:
      return {ViewPositions::kOffsetMin, ViewPositions::kOffsetMax, false};
    case ViewBar::ZLiftOff:
      break;
  }
  return {0, kZLiftOffMax, false};
}

int SteppedBarPosition(ViewBar bar, int position, int delta) {
  const BarRange r = RangeOf(bar);
  const int next = position + delta;
  if (r.wraps) {
    if (next < r.min) return r.max;
    if (next > r.max) return r.min;
    return next;
  }
  return std::clamp(next, r.min, r.max);
}

KeyAction KeyTable(const KeyPress& key, bool carrying) {
  const KeyAction own = carrying ? CarriedKey(key) : IdleKey(key);
  if (own.command != KeyCommand::PassOn) return own;
  return AnyStateKey(key);
}
