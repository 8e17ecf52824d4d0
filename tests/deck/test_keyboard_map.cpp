// Which command each key stands for, with Left and Right Ctrl told apart.
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "deck/ui/KeyboardMap.h"

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
    KeyCommand command;
    bool passOn;
  } cases[] = {
      {Qt::Key_Return, Qt::NoModifier, KeyCommand::LoadSelected, false},
      {Qt::Key_Enter, Qt::KeypadModifier, KeyCommand::LoadSelected, false},
      {Qt::Key_Space, Qt::NoModifier, KeyCommand::Mix, false},
      {Qt::Key_Up, Qt::NoModifier, KeyCommand::SelectPrevious, false},
      {Qt::Key_Down, Qt::NoModifier, KeyCommand::SelectNext, false},
      {Qt::Key_Plus, Qt::KeypadModifier, KeyCommand::MasterUp, false},
      {Qt::Key_Minus, Qt::KeypadModifier, KeyCommand::MasterDown, false},
      {Qt::Key_Minus, Qt::NoModifier, KeyCommand::None, false},
      {Qt::Key_Equal, Qt::NoModifier, KeyCommand::AddToFavourites, false},
      {Qt::Key_F2, Qt::NoModifier, KeyCommand::InfoPages, false},
      {Qt::Key_F3, Qt::NoModifier, KeyCommand::FocusSearch, true},
      {Qt::Key_F4, Qt::NoModifier, KeyCommand::FocusHidden, false},
      {Qt::Key_F5, Qt::NoModifier, KeyCommand::ProgramsOn, false},
      {Qt::Key_F6, Qt::NoModifier, KeyCommand::ProgramsOff, false},
      {Qt::Key_F7, Qt::NoModifier, KeyCommand::AdvertsOn, false},
      {Qt::Key_F8, Qt::NoModifier, KeyCommand::AdvertsOff, false},
      {Qt::Key_G, Qt::NoModifier, KeyCommand::None, false},  // letters need Ctrl
      {Qt::Key_Escape, Qt::NoModifier, KeyCommand::None, false},
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
    KeyCommand left;
    KeyCommand right;
    bool moveFocus;
  } cases[] = {
      {Qt::Key_PageUp, KeyCommand::PitchDown, KeyCommand::PitchDown, true},
      {Qt::Key_PageDown, KeyCommand::PitchUp, KeyCommand::PitchUp, true},
      {Qt::Key_A, KeyCommand::About, KeyCommand::About, false},
      {Qt::Key_C, KeyCommand::ToggleAutoCue, KeyCommand::ToggleAutoCue, true},
      {Qt::Key_F, KeyCommand::SearchTitles, KeyCommand::SearchPaths, true},
      {Qt::Key_G, KeyCommand::CueToMark, KeyCommand::CueToMark, true},
      {Qt::Key_H, KeyCommand::Help, KeyCommand::Help, true},
      {Qt::Key_I, KeyCommand::EngineInfo, KeyCommand::EngineInfo, false},
      {Qt::Key_L, KeyCommand::LoadClips, KeyCommand::LoadClips, true},
      {Qt::Key_M, KeyCommand::MixStyleEditor, KeyCommand::MixStyleEditor, false},
      {Qt::Key_O, KeyCommand::Options, KeyCommand::Options, false},
      {Qt::Key_P, KeyCommand::DayPrograms, KeyCommand::DayPrograms, false},
      {Qt::Key_Q, KeyCommand::ToggleEqualizer, KeyCommand::ToggleEqualizer, true},
      {Qt::Key_S, KeyCommand::SavePlayList, KeyCommand::SavePlayList, true},
      {Qt::Key_T, KeyCommand::SetCueMark, KeyCommand::SetCueMark, true},
      {Qt::Key_X, KeyCommand::Exit, KeyCommand::None, true},  // exit with Left Ctrl only
      {Qt::Key_Z, KeyCommand::None, KeyCommand::None, true},
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
  EXPECT_EQ(Press(map, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier).command, KeyCommand::None);
  Control(map, QEvent::KeyRelease, kRight);
  EXPECT_EQ(Press(map, Qt::Key_G).command, KeyCommand::None);
  Control(map, QEvent::KeyPress, kLeft);
  map.FocusLost();
  EXPECT_FALSE(map.LeftCtrl());
  EXPECT_EQ(Press(map, Qt::Key_G).command, KeyCommand::None);
  // Ctrl held before the window had the focus: taken as the left one.
  EXPECT_EQ(Press(map, Qt::Key_G, Qt::ControlModifier).deck, 1);
}

TEST(KeyboardMap, SearchBoxTakesOnlyEnterF3F4AndPassesEverythingOn) {
  KeyboardMap map;
  Control(map, QEvent::KeyPress, kLeft);
  struct Case {
    int key;
    KeyCommand command;
  } cases[] = {
      {Qt::Key_Return, KeyCommand::SearchTitles}, {Qt::Key_F3, KeyCommand::FocusSearch},
      {Qt::Key_F4, KeyCommand::FocusHidden},      {Qt::Key_A, KeyCommand::None},
      {Qt::Key_Space, KeyCommand::None},          {Qt::Key_F5, KeyCommand::None},
  };
  for (const Case& c : cases) {
    const KeyAction a = Press(map, c.key, Qt::ControlModifier, true);
    EXPECT_EQ(a.command, c.command) << c.key;
    EXPECT_TRUE(a.passOn) << c.key;
  }
  EXPECT_EQ(Press(map, Qt::Key_Escape, Qt::NoModifier, true).command, KeyCommand::Exit);
}
