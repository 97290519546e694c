#pragma once
#include <QIcon>

// The pictures of the toolbar buttons, painted by the program at start-up.
enum class IconKind {
  Load,
  Save,
  NewModel,
  Options,
  Exit,
  RotateUp,
  RotateDown,
  RotateLeft,
  RotateRight,
  ZoomIn,
  ZoomOut,
  StandardView,
  OriginalView,
  Refresh,
  Studs,
  Wireframe,
  SeeThrough,
  ThickBase,
  PreviousPage,
  NextPage,
  TopView,
  FromFront,
  FromRight,
  FromLeft,
  FromBack,
  FrontLeft,
  BackRight,
  BackLeft,
  FrontRight,
  FrontView,
  Pointer,
  Undo,
  Redo,
};

QIcon MakeIcon(IconKind kind);
// The program's own icon in every size it carries, as the desktop shows it.
QIcon ProgramIcon();
// The icon of the fixed view with the tag 0..9.
QIcon FixedViewIcon(int tag);
