#include "deck/ui/KeyboardMap.h"

#include <QKeyEvent>

namespace {

// X11 key codes of the Control keys, for platforms that give no keysym.
constexpr unsigned kScanControlLeft = 37;
constexpr unsigned kScanControlRight = 105;

KeyAction Action(KeyCommand command, int deck = 0, bool moveFocus = true, bool passOn = false) {
  return KeyAction{command, deck, moveFocus, passOn};
}

}  // namespace

void KeyboardMap::FocusLost() { left_ = right_ = false; }

void KeyboardMap::TrackControl(const QKeyEvent& event, bool down) {
  const unsigned sym = event.nativeVirtualKey(), scan = event.nativeScanCode();
  const bool right = sym == kNativeControlRight || (sym != kNativeControlLeft && scan == kScanControlRight);
  (right ? right_ : left_) = down;
}

int KeyboardMap::CtrlDeck(const QKeyEvent& event) const {
  if (event.modifiers() & Qt::ShiftModifier) return 0;
  if (left_) return 1;
  if (right_) return 2;
  // Ctrl went down before the window had the focus: which one is unknown, take the left.
  return (event.modifiers() & Qt::ControlModifier) ? 1 : 0;
}

KeyAction KeyboardMap::Handle(const QKeyEvent& event, bool inSearchBox) {
  const int key = event.key();
  if (key == Qt::Key_Control) {
    TrackControl(event, event.type() == QEvent::KeyPress);
    return Action(KeyCommand::None, 0, false, inSearchBox);
  }
  if (event.type() != QEvent::KeyPress) return Action(KeyCommand::None, 0, false, inSearchBox);

  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (inSearchBox) {
    // Typing goes on to the box; only Enter, F3, F4 (and Escape, the window's Cancel) act.
    if (enter) return Action(KeyCommand::SearchTitles, 0, true, true);
    if (key == Qt::Key_F3) return Action(KeyCommand::FocusSearch, 0, false, true);
    if (key == Qt::Key_F4) return Action(KeyCommand::FocusHidden, 0, false, true);
    if (key == Qt::Key_Escape) return Action(KeyCommand::Exit, 0, false, false);
    return Action(KeyCommand::None, 0, false, true);
  }

  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (enter) return Action(KeyCommand::LoadSelected);
  switch (key) {
    case Qt::Key_Space:
      return Action(KeyCommand::Mix);
    case Qt::Key_Up:
      return Action(KeyCommand::SelectPrevious);
    case Qt::Key_Down:
      return Action(KeyCommand::SelectNext);
    case Qt::Key_Plus:
      return Action(keypad ? KeyCommand::MasterUp : KeyCommand::None);
    case Qt::Key_Minus:
      return Action(keypad ? KeyCommand::MasterDown : KeyCommand::None);
    case Qt::Key_Equal:
      return Action(keypad ? KeyCommand::None : KeyCommand::AddToFavourites);
    case Qt::Key_F2:
      return Action(KeyCommand::InfoPages);
    case Qt::Key_F3:
      return Action(KeyCommand::FocusSearch, 0, false, true);
    case Qt::Key_F4:
      return Action(KeyCommand::FocusHidden);
    case Qt::Key_F5:
      return Action(KeyCommand::ProgramsOn);
    case Qt::Key_F6:
      return Action(KeyCommand::ProgramsOff);
    case Qt::Key_F7:
      return Action(KeyCommand::AdvertsOn);
    case Qt::Key_F8:
      return Action(KeyCommand::AdvertsOff);
    default:
      break;
  }
  // The letters and page keys act only with a Control key held.
  const int deck = CtrlDeck(event);
  return deck != 0 ? MapCtrl(key, deck) : Action(KeyCommand::None);
}

KeyAction KeyboardMap::MapCtrl(int key, int deck) const {
  switch (key) {
    case Qt::Key_PageUp:
      return Action(KeyCommand::PitchDown, deck);
    case Qt::Key_PageDown:
      return Action(KeyCommand::PitchUp, deck);
    case Qt::Key_A:
      return Action(KeyCommand::About, deck, false);
    case Qt::Key_C:
      return Action(KeyCommand::ToggleAutoCue, deck);
    case Qt::Key_F:
      return Action(deck == 1 ? KeyCommand::SearchTitles : KeyCommand::SearchPaths, deck);
    case Qt::Key_G:
      return Action(KeyCommand::CueToMark, deck);
    case Qt::Key_H:
      return Action(KeyCommand::Help, deck);
    case Qt::Key_I:
      return Action(KeyCommand::EngineInfo, deck, false);
    case Qt::Key_L:
      return Action(KeyCommand::LoadClips, deck);
    case Qt::Key_M:
      return Action(KeyCommand::MixStyleEditor, deck, false);
    case Qt::Key_O:
      return Action(KeyCommand::Options, deck, false);
    case Qt::Key_P:
      return Action(KeyCommand::DayPrograms, deck, false);
    case Qt::Key_Q:
      return Action(KeyCommand::ToggleEqualizer, deck);
    case Qt::Key_S:
      return Action(KeyCommand::SavePlayList, deck);
    case Qt::Key_T:
      return Action(KeyCommand::SetCueMark, deck);
    case Qt::Key_X:
      return Action(deck == 1 ? KeyCommand::Exit : KeyCommand::None, deck);
    default:
      return Action(KeyCommand::None, deck);
  }
}
