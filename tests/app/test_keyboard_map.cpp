// Which command each key stands for, with Left and Right Ctrl told apart.
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "app/KeyboardMap.h"

namespace {

constexpr unsigned kLeft = KeyboardMap::kNativeControlLeft;
constexpr unsigned kRight = KeyboardMap::kNativeControlRight;

KeyAction Press(KeyboardMap& map, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool search = false) {
  QKeyEvent e(QEvent::KeyPress, key, mods, 0, 0, 0);
  return map.Handle(e, search);
}

void Control(KeyboardMap& map, QEvent::Type type, unsigned native) {
  QKeyEvent e(type, Qt::Key_Control, type == QEvent::KeyPress ? Qt::ControlModifier : Qt::NoModifier, 0, native, 0);
  map.Handle(e, false);
}

}  // namespace

TEST(KeyboardMap, PlainKeys) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    ConsoleCommand command;
    bool passOn;
  } cases[] = {
      {Qt::Key_Return, Qt::NoModifier, ConsoleCommand::LoadSelected, false},
      {Qt::Key_Enter, Qt::KeypadModifier, ConsoleCommand::LoadSelected, false},
      {Qt::Key_Space, Qt::NoModifier, ConsoleCommand::Mix, false},
      {Qt::Key_Up, Qt::NoModifier, ConsoleCommand::SelectPrevious, false},
      {Qt::Key_Down, Qt::NoModifier, ConsoleCommand::SelectNext, false},
      {Qt::Key_Plus, Qt::KeypadModifier, ConsoleCommand::MasterUp, false},
      {Qt::Key_Minus, Qt::KeypadModifier, ConsoleCommand::MasterDown, false},
      {Qt::Key_Minus, Qt::NoModifier, ConsoleCommand::None, false},
      {Qt::Key_Equal, Qt::NoModifier, ConsoleCommand::AddToFavourites, false},
      {Qt::Key_F2, Qt::NoModifier, ConsoleCommand::InfoPages, false},
      {Qt::Key_F3, Qt::NoModifier, ConsoleCommand::FocusSearch, true},
      {Qt::Key_F4, Qt::NoModifier, ConsoleCommand::FocusHidden, false},
      {Qt::Key_F5, Qt::NoModifier, ConsoleCommand::ProgramsOn, false},
      {Qt::Key_F6, Qt::NoModifier, ConsoleCommand::ProgramsOff, false},
      {Qt::Key_F7, Qt::NoModifier, ConsoleCommand::AdvertsOn, false},
      {Qt::Key_F8, Qt::NoModifier, ConsoleCommand::AdvertsOff, false},
      {Qt::Key_G, Qt::NoModifier, ConsoleCommand::None, false},  // letters need Ctrl
      {Qt::Key_Escape, Qt::NoModifier, ConsoleCommand::None, false},
  };
  KeyboardMap map;
  for (const Case& c : cases) {
    const KeyAction a = Press(map, c.key, c.mods);
    EXPECT_EQ(a.command, c.command) << c.key;
    EXPECT_EQ(a.passOn, c.passOn) << c.key;
    EXPECT_EQ(a.deck, 0) << c.key;
  }
  EXPECT_FALSE(Press(map, Qt::Key_F3).moveFocus);  // the focus goes to the search box
  EXPECT_TRUE(Press(map, Qt::Key_Q).moveFocus);    // swallowed keys still park the focus
}

TEST(KeyboardMap, CtrlLettersBySide) {
  struct Case {
    int key;
    ConsoleCommand left;
    ConsoleCommand right;
    bool moveFocus;
  } cases[] = {
      {Qt::Key_PageUp, ConsoleCommand::PitchDown, ConsoleCommand::PitchDown, true},
      {Qt::Key_PageDown, ConsoleCommand::PitchUp, ConsoleCommand::PitchUp, true},
      {Qt::Key_A, ConsoleCommand::About, ConsoleCommand::About, false},
      {Qt::Key_C, ConsoleCommand::ToggleAutoCue, ConsoleCommand::ToggleAutoCue, true},
      {Qt::Key_F, ConsoleCommand::SearchTitles, ConsoleCommand::SearchPaths, true},
      {Qt::Key_G, ConsoleCommand::CueToMark, ConsoleCommand::CueToMark, true},
      {Qt::Key_H, ConsoleCommand::Help, ConsoleCommand::Help, true},
      {Qt::Key_I, ConsoleCommand::EngineInfo, ConsoleCommand::EngineInfo, false},
      {Qt::Key_L, ConsoleCommand::LoadClips, ConsoleCommand::LoadClips, true},
      {Qt::Key_M, ConsoleCommand::MixStyleEditor, ConsoleCommand::MixStyleEditor, false},
      {Qt::Key_O, ConsoleCommand::Options, ConsoleCommand::Options, false},
      {Qt::Key_P, ConsoleCommand::DayPrograms, ConsoleCommand::DayPrograms, false},
      {Qt::Key_Q, ConsoleCommand::ToggleEqualizer, ConsoleCommand::ToggleEqualizer, true},
      {Qt::Key_S, ConsoleCommand::SavePlayList, ConsoleCommand::SavePlayList, true},
      {Qt::Key_T, ConsoleCommand::SetCueMark, ConsoleCommand::SetCueMark, true},
      {Qt::Key_X, ConsoleCommand::Exit, ConsoleCommand::None, true},  // exit with Left Ctrl only
      {Qt::Key_Z, ConsoleCommand::None, ConsoleCommand::None, true},
  };
  for (const auto& [native, deck] : {std::pair{kLeft, 1}, std::pair{kRight, 2}}) {
    KeyboardMap map;
    Control(map, QEvent::KeyPress, native);
    for (const Case& c : cases) {
      const KeyAction a = Press(map, c.key, Qt::ControlModifier);
      EXPECT_EQ(a.command, deck == 1 ? c.left : c.right) << c.key << " deck " << deck;
      EXPECT_EQ(a.deck, deck) << c.key;
      EXPECT_EQ(a.moveFocus, c.moveFocus) << c.key;
    }
  }
}

TEST(KeyboardMap, CtrlTrackingReleaseShiftAndFocusLoss) {
  KeyboardMap map;
  Control(map, QEvent::KeyPress, kRight);
  EXPECT_TRUE(map.RightCtrl());
  EXPECT_FALSE(map.LeftCtrl());
  EXPECT_EQ(Press(map, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier).command, ConsoleCommand::None);
  Control(map, QEvent::KeyRelease, kRight);
  EXPECT_EQ(Press(map, Qt::Key_G).command, ConsoleCommand::None);
  Control(map, QEvent::KeyPress, kLeft);
  map.FocusLost();
  EXPECT_FALSE(map.LeftCtrl());
  EXPECT_EQ(Press(map, Qt::Key_G).command, ConsoleCommand::None);
  // Ctrl held before the window had the focus: taken as the left one.
  EXPECT_EQ(Press(map, Qt::Key_G, Qt::ControlModifier).deck, 1);
}

TEST(KeyboardMap, SearchBoxTakesOnlyEnterF3F4AndPassesTheRestOn) {
  KeyboardMap map;
  Control(map, QEvent::KeyPress, kLeft);
  struct Case {
    int key;
    ConsoleCommand command;
    bool passOn;  // Enter searches and stops: passed on it would also load a clip
  } cases[] = {
      {Qt::Key_Return, ConsoleCommand::SearchTitles, false}, {Qt::Key_F3, ConsoleCommand::FocusSearch, true},
      {Qt::Key_F4, ConsoleCommand::FocusHidden, true},       {Qt::Key_A, ConsoleCommand::None, true},
      {Qt::Key_Space, ConsoleCommand::None, true},           {Qt::Key_F5, ConsoleCommand::None, true},
  };
  for (const Case& c : cases) {
    const KeyAction a = Press(map, c.key, Qt::ControlModifier, true);
    EXPECT_EQ(a.command, c.command) << c.key;
    EXPECT_EQ(a.passOn, c.passOn) << c.key;
  }
  EXPECT_EQ(Press(map, Qt::Key_Escape, Qt::NoModifier, true).command, ConsoleCommand::Exit);
}
