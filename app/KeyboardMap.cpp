#include "app/KeyboardMap.h"

#include <QKeyEvent>

namespace {

// X11 key codes of the Control keys, for platforms that give no keysym.
constexpr unsigned kScanControlLeft = 37;
constexpr unsigned kScanControlRight = 105;

KeyAction Action(ConsoleCommand command, int deck = 0, bool moveFocus = true, bool passOn = false) {
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
    return Action(ConsoleCommand::None, 0, false, inSearchBox);
  }
  if (event.type() != QEvent::KeyPress) return Action(ConsoleCommand::None, 0, false, inSearchBox);

  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (inSearchBox) {
    // Typing goes on to the box; only Enter, F3, F4 (and Escape, the window's Cancel) act.
    // Enter stops here: passed on, the dialog would also press its default button and load
    // a clip into a deck.
    if (enter) return Action(ConsoleCommand::SearchTitles, 0, true, false);
    if (key == Qt::Key_F3) return Action(ConsoleCommand::FocusSearch, 0, false, true);
    if (key == Qt::Key_F4) return Action(ConsoleCommand::FocusHidden, 0, false, true);
    if (key == Qt::Key_Escape) return Action(ConsoleCommand::Exit, 0, false, false);
    return Action(ConsoleCommand::None, 0, false, true);
  }

  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (enter) return Action(ConsoleCommand::LoadSelected);
  switch (key) {
    case Qt::Key_Space:
      return Action(ConsoleCommand::Mix);
    case Qt::Key_Up:
      return Action(ConsoleCommand::SelectPrevious);
    case Qt::Key_Down:
      return Action(ConsoleCommand::SelectNext);
    case Qt::Key_Plus:
      return Action(keypad ? ConsoleCommand::MasterUp : ConsoleCommand::None);
    case Qt::Key_Minus:
      return Action(keypad ? ConsoleCommand::MasterDown : ConsoleCommand::None);
    case Qt::Key_Equal:
      return Action(keypad ? ConsoleCommand::None : ConsoleCommand::AddToFavourites);
    case Qt::Key_F2:
      return Action(ConsoleCommand::InfoPages);
    case Qt::Key_F3:
      return Action(ConsoleCommand::FocusSearch, 0, false, true);
    case Qt::Key_F4:
      return Action(ConsoleCommand::FocusHidden);
    case Qt::Key_F5:
      return Action(ConsoleCommand::ProgramsOn);
    case Qt::Key_F6:
      return Action(ConsoleCommand::ProgramsOff);
    case Qt::Key_F7:
      return Action(ConsoleCommand::AdvertsOn);
    case Qt::Key_F8:
      return Action(ConsoleCommand::AdvertsOff);
    default:
      break;
  }
  // The letters and page keys act only with a Control key held.
  const int deck = CtrlDeck(event);
  return deck != 0 ? MapCtrl(key, deck) : Action(ConsoleCommand::None);
}

KeyAction KeyboardMap::MapCtrl(int key, int deck) const {
  switch (key) {
    case Qt::Key_PageUp:
      return Action(ConsoleCommand::PitchDown, deck);
    case Qt::Key_PageDown:
      return Action(ConsoleCommand::PitchUp, deck);
    case Qt::Key_A:
      return Action(ConsoleCommand::About, deck, false);
    case Qt::Key_C:
      return Action(ConsoleCommand::ToggleAutoCue, deck);
    case Qt::Key_F:
      return Action(deck == 1 ? ConsoleCommand::SearchTitles : ConsoleCommand::SearchPaths, deck);
    case Qt::Key_G:
      return Action(ConsoleCommand::CueToMark, deck);
    case Qt::Key_H:
      return Action(ConsoleCommand::Help, deck);
    case Qt::Key_I:
      return Action(ConsoleCommand::EngineInfo, deck, false);
    case Qt::Key_L:
      return Action(ConsoleCommand::LoadClips, deck);
    case Qt::Key_M:
      return Action(ConsoleCommand::MixStyleEditor, deck, false);
    case Qt::Key_O:
      return Action(ConsoleCommand::Options, deck, false);
    case Qt::Key_P:
      return Action(ConsoleCommand::DayPrograms, deck, false);
    case Qt::Key_Q:
      return Action(ConsoleCommand::ToggleEqualizer, deck);
    case Qt::Key_S:
      return Action(ConsoleCommand::SavePlayList, deck);
    case Qt::Key_T:
      return Action(ConsoleCommand::SetCueMark, deck);
    case Qt::Key_X:
      return Action(deck == 1 ? ConsoleCommand::Exit : ConsoleCommand::None, deck);
    default:
      return Action(ConsoleCommand::None, deck);
  }
}
