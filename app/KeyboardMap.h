// The console's keyboard map: which command a key press stands for, and for which deck.
// Left Ctrl selects Player 1, Right Ctrl Player 2. Qt's modifier flags do not tell the two
// apart, so the map follows the Control keys' own press and release events.
#pragma once

#include "station/ConsoleCommand.h"

class QKeyEvent;

struct KeyAction {
  ConsoleCommand command = ConsoleCommand::None;
  int deck = 0;            // 1 or 2 for the Ctrl commands, else 0
  bool moveFocus = true;   // afterwards park the focus on the hidden focus button
  bool passOn = false;     // the key also goes on to the focused widget (F3, the search box)
};

class KeyboardMap {
 public:
  static constexpr unsigned kNativeControlLeft = 0xffe3;   // XK_Control_L
  static constexpr unsigned kNativeControlRight = 0xffe4;  // XK_Control_R

  // Feed every key press and release; returns what a press means (releases: None, no
  // focus move). inSearchBox: the search box has the keyboard focus.
  KeyAction Handle(const QKeyEvent& event, bool inSearchBox);
  // The window lost the focus: a Control key released elsewhere must not stick.
  void FocusLost();
  bool LeftCtrl() const { return left_; }
  bool RightCtrl() const { return right_; }

 private:
  void TrackControl(const QKeyEvent& event, bool down);
  // 1 for Left Ctrl, 2 for Right Ctrl, 0 when no Ctrl counts as held.
  int CtrlDeck(const QKeyEvent& event) const;
  KeyAction MapCtrl(int key, int deck) const;

  bool left_ = false;
  bool right_ = false;
};
