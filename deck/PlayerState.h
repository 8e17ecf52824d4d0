// The state a deck last heard from its engine player, and the small values shared by the
// deck classes.
#pragma once

#include <QString>

enum class PlayerState : int { Playing = 1, AtEnd = 2, Stopped = 3, Paused = 4, None = -1 };

// The deck's state text for a state ("CLOSED" for None).
QString StateText(PlayerState state);

// Values that the decks read while running; the main window keeps them current (FPS and
// the main output index change with the Options dialog).
struct DeckConfig {
  int fps = 25;
  int mainOutputIndex = 0;  // the device the master fader acts on
  int windowHandle = 0;     // sent as "OUTPUT.DIRECTSOUND.WINDOW" when an engine player is ready
};

// The pictures of the deck controls, named by the numbers the operators' manuals use.
enum class DeckIcon : int {
  MonitorMain = 136,
  MonitorCue = 137,
  EqOn = 148,
  EqOff = 149,
  PitchBelow = 152,
  PitchNormal = 154,
  PitchAbove = 155,
  SetCue = 160,
};

inline constexpr char kMainOutput[] = "/dev/dsound/1";
inline constexpr char kMonitorOutput[] = "/dev/dsound/2";
inline constexpr char kPitchProperty[] = "OUTPUT.DIRECTSOUND.PITCH";
inline constexpr char kWindowProperty[] = "OUTPUT.DIRECTSOUND.WINDOW";
inline constexpr char kModuleRegistration[] = "dsound_output_module_register@xa_dsound_output.dll";
inline constexpr char kZeroTime[] = "00:00:00:00";
