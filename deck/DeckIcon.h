// The pictures of the deck controls, named by the numbers the operators' manuals use.
#pragma once

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
