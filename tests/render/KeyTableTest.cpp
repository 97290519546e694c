#include <gtest/gtest.h>

#include "render/KeyTable.h"

namespace {

KeyPress Key(KeyName name, bool shift = false, bool ctrl = false, bool alt = false) {
  KeyPress k;
  k.key = name;
  k.shift = shift;
  k.ctrl = ctrl;
  k.alt = alt;
  return k;
}

KeyPress Letter(char c, bool shift = false, bool ctrl = false, bool alt = false) {
  KeyPress k = Key(KeyName::Letter, shift, ctrl, alt);
  k.letter = c;
  return k;
}

}  // namespace

TEST(KeyTable, TheSameKeyMeansOneThingWhileCarryingAndAnotherWithout) {
  struct Case {
    KeyName key;
    KeyCommand carrying, idle;
  } cases[] = {
      {KeyName::Escape, KeyCommand::EndCarrying, KeyCommand::ClearSelection},
      {KeyName::Delete, KeyCommand::EndCarrying, KeyCommand::DeleteSelected},
      {KeyName::Backspace, KeyCommand::EndCarrying, KeyCommand::PassOn},
      {KeyName::Enter, KeyCommand::PutDownHere, KeyCommand::TakePaletteEntry},
      {KeyName::PageUp, KeyCommand::RaiseCarried, KeyCommand::PreviousColor},
      {KeyName::PageDown, KeyCommand::LowerCarried, KeyCommand::NextColor},
      {KeyName::Left, KeyCommand::MoveCarriedLeft, KeyCommand::PreviousPage},
      {KeyName::Right, KeyCommand::MoveCarriedRight, KeyCommand::NextPage},
      {KeyName::Up, KeyCommand::MoveCarriedBack, KeyCommand::PaletteEntryUp},
      {KeyName::Down, KeyCommand::MoveCarriedForward, KeyCommand::PaletteEntryDown},
      {KeyName::Insert, KeyCommand::TurnCarried, KeyCommand::PassOn},
      {KeyName::Home, KeyCommand::StandardView, KeyCommand::StandardView},
      {KeyName::F12, KeyCommand::ToggleSafePositioning, KeyCommand::ToggleSafePositioning},
      {KeyName::F11, KeyCommand::Ignore, KeyCommand::Ignore},
      {KeyName::Other, KeyCommand::PassOn, KeyCommand::PassOn},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyTable(Key(c.key), true).command, c.carrying) << static_cast<int>(c.key);
    EXPECT_EQ(KeyTable(Key(c.key), false).command, c.idle) << static_cast<int>(c.key);
  }
  // Shift moves what is carried by the grid's step; Ctrl and Alt change nothing there.
  EXPECT_TRUE(KeyTable(Key(KeyName::Right, true), true).byGrid);
  EXPECT_FALSE(KeyTable(Key(KeyName::Right, false, true, true), true).byGrid);
}

TEST(KeyTable, ArrowsWithModifiersStepTheBarsShiftBeforeCtrlBeforeAlt) {
  struct Case {
    KeyPress key;
    KeyCommand command;
    ViewBar bar;
    int delta;
  } cases[] = {
      {Key(KeyName::Left, true), KeyCommand::StepBar, ViewBar::OffsetX, -5},
      {Key(KeyName::Right, true, true, true), KeyCommand::StepBar, ViewBar::OffsetX, 5},
      {Key(KeyName::Up, true), KeyCommand::StepBar, ViewBar::OffsetY, -5},
      {Key(KeyName::Down, true, false, true), KeyCommand::StepBar, ViewBar::OffsetY, 5},
      {Key(KeyName::Left, false, true), KeyCommand::StepBar, ViewBar::RotZ, -5},
      {Key(KeyName::Right, false, true, true), KeyCommand::StepBar, ViewBar::RotZ, 5},
      {Key(KeyName::Up, false, true), KeyCommand::StepBar, ViewBar::RotX, 5},
      {Key(KeyName::Down, false, true), KeyCommand::StepBar, ViewBar::RotX, -5},
      {Key(KeyName::Left, false, false, true), KeyCommand::StepBar, ViewBar::ZLiftOff, -1},
      {Key(KeyName::Right, false, false, true), KeyCommand::StepBar, ViewBar::ZLiftOff, 1},
      {Key(KeyName::Up, false, false, true), KeyCommand::PaletteEntryUp, ViewBar::RotX, 0},
      {Key(KeyName::Plus), KeyCommand::StepBar, ViewBar::ScaleBar, -1},
      {Key(KeyName::Minus, true), KeyCommand::StepBar, ViewBar::ScaleBar, 1},
  };
  for (const Case& c : cases) {
    const KeyAction a = KeyTable(c.key, false);
    EXPECT_EQ(a.command, c.command) << static_cast<int>(c.key.key);
    if (c.command != KeyCommand::StepBar) continue;
    EXPECT_EQ(a.bar, c.bar) << static_cast<int>(c.key.key);
    EXPECT_EQ(a.delta, c.delta) << static_cast<int>(c.key.key);
  }
}

TEST(KeyTable, FunctionKeysSetTheViewAndAltF4IsTheSystems) {
  struct Case {
    KeyName key;
    int rotX, rotZ;
  } cases[] = {{KeyName::End, 0, -1},  {KeyName::F1, 0, -1},   {KeyName::F2, -1, 0},
               {KeyName::F3, -1, 270}, {KeyName::F4, -1, 90},  {KeyName::F5, -1, 180},
               {KeyName::F6, 70, 30},  {KeyName::F7, 70, 150}, {KeyName::F8, 70, 210},
               {KeyName::F9, 70, 330}, {KeyName::F10, 90, -1}};
  for (const Case& c : cases) {
    const KeyAction a = KeyTable(Key(c.key), true);
    EXPECT_EQ(a.command, KeyCommand::SetView) << static_cast<int>(c.key);
    EXPECT_EQ(a.rotX, c.rotX) << static_cast<int>(c.key);
    EXPECT_EQ(a.rotZ, c.rotZ) << static_cast<int>(c.key);
  }
  EXPECT_EQ(KeyTable(Key(KeyName::F4, false, false, true), false).command, KeyCommand::CloseWindow);
}

TEST(KeyTable, LettersActWhateverTheModifiersButCtrlZAndYAreTheHistorys) {
  const std::pair<char, KeyCommand> letters[] = {
      {'B', KeyCommand::ToggleSeeThrough}, {'C', KeyCommand::NewModel},
      {'E', KeyCommand::NewModel},         {'F', KeyCommand::LoadModel},
      {'G', KeyCommand::LoadModel},        {'H', KeyCommand::LoadModel},
      {'M', KeyCommand::LoadSubassembly},  {'O', KeyCommand::ToggleStuds},
      {'P', KeyCommand::SaveSelection},    {'S', KeyCommand::SaveModel},
      {'T', KeyCommand::ToggleWireframe},  {'A', KeyCommand::Ignore},
      {'Z', KeyCommand::Ignore},           {'Y', KeyCommand::Ignore}};
  for (const auto& [letter, command] : letters) {
    EXPECT_EQ(KeyTable(Letter(letter), false).command, command) << letter;
    EXPECT_EQ(KeyTable(Letter(letter, true, false, true), true).command, command) << letter;
  }
  EXPECT_EQ(KeyTable(Letter('S', false, true), false).command, KeyCommand::SaveModel);
  EXPECT_EQ(KeyTable(Letter('Z', false, true), false).command, KeyCommand::Undo);
  EXPECT_EQ(KeyTable(Letter('Z', true, true), true).command, KeyCommand::Redo);
  EXPECT_EQ(KeyTable(Letter('Y', false, true), false).command, KeyCommand::Redo);
}

TEST(KeyTable, BarsClampToTheirRangeAndTheSpinWrapsAround) {
  EXPECT_EQ(SteppedBarPosition(ViewBar::RotZ, 0, -5), 360);
  EXPECT_EQ(SteppedBarPosition(ViewBar::RotZ, 360, 5), 0);
  EXPECT_EQ(SteppedBarPosition(ViewBar::RotZ, 3, -5), 360);
  EXPECT_EQ(SteppedBarPosition(ViewBar::RotZ, 180, 5), 185);
  EXPECT_EQ(SteppedBarPosition(ViewBar::RotX, 178, 5), 180);
  EXPECT_EQ(SteppedBarPosition(ViewBar::ScaleBar, 1, -1), 1);
  EXPECT_EQ(SteppedBarPosition(ViewBar::OffsetY, -4998, -5), -5000);
  EXPECT_EQ(SteppedBarPosition(ViewBar::ZLiftOff, 4000, 1), 4000);
  EXPECT_EQ(SteppedBarPosition(ViewBar::ZLiftOff, 0, -1), 0);
}
