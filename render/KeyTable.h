#pragma once

// The keyboard commands of the main window, as a table from a key, its
// modifiers and whether something is carried to one command. The window
// turns its key events into a KeyPress and carries the command out.

enum class KeyName {
  Other,
  Backspace,
  Escape,
  Delete,
  Enter,
  Insert,
  PageUp,
  PageDown,
  Left,
  Right,
  Up,
  Down,
  Home,
  End,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
  Letter,  // A to Z, the letter in KeyPress::letter
  Plus,    // the numeric pad's plus and the main keyboard's plus/equals key
  Minus,   // the numeric pad's minus and the main keyboard's minus key
};

struct KeyPress {
  KeyName key = KeyName::Other;
  char letter = 0;  // 'A'..'Z'
  bool shift = false, ctrl = false, alt = false;
};

enum class KeyCommand {
  PassOn,  // not a key of the table: it goes on to the control that has the keyboard
  Ignore,  // taken, but nothing happens
  // while a piece or set is carried
  EndCarrying,
  PutDownHere,
  RaiseCarried,
  LowerCarried,
  MoveCarriedLeft,
  MoveCarriedRight,
  MoveCarriedBack,     // towards lower y
  MoveCarriedForward,  // towards higher y
  TurnCarried,
  // while nothing is carried
  TakePaletteEntry,
  ClearSelection,
  DeleteSelected,
  PreviousColor,
  NextColor,
  PreviousPage,
  NextPage,
  PaletteEntryUp,
  PaletteEntryDown,
  StepBar,
  // in both states
  SetView,
  StandardView,
  ToggleSeeThrough,
  NewModel,
  LoadModel,
  LoadSubassembly,
  ToggleStuds,
  SaveSelection,
  SaveModel,
  ToggleWireframe,
  ToggleSafePositioning,
  CloseWindow,  // Alt+F4
  Undo,         // Ctrl+Z
  Redo,         // Ctrl+Y, Ctrl+Shift+Z
};

// The scroll bars that keys move.
enum class ViewBar { RotX, RotZ, ScaleBar, OffsetX, OffsetY, ZLiftOff };

struct BarRange {
  int min, max;
  bool wraps;  // past one end it continues from the other (RotZ)
};
BarRange RangeOf(ViewBar bar);

// The bar's new position after a step of delta: clamped to its range, or
// for RotZ wrapped to the other end.
int SteppedBarPosition(ViewBar bar, int position, int delta);

struct KeyAction {
  KeyCommand command = KeyCommand::PassOn;
  bool byGrid = false;  // carried moves: by the grid's step instead of the piece's own size
  ViewBar bar = ViewBar::RotX;
  int delta = 0;             // StepBar
  int rotX = -1, rotZ = -1;  // SetView: -1 keeps that bar where it is
};

KeyAction KeyTable(const KeyPress& key, bool carrying);
