// Values that the decks read while running: FPS and the main output index change with the
// Options dialog, "Check On Load" with its button.
#pragma once

struct DeckConfig {
  int fps = 25;
  int mainOutputIndex = 0;  // the device the master fader acts on
  int windowHandle = 0;     // sent as "OUTPUT.DIRECTSOUND.WINDOW" when an engine player is ready
  // "Check On Load" is down: loads measure the clip first, and the measured time stands in
  // the duration text instead of the engine's whole seconds.
  bool checkOnLoad = false;
};
