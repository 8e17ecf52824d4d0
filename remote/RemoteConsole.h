// What the remote's buttons ask the station for. The station runs each one as its console
// command, the same operation a key or a button of the window reaches; tests record them.
#pragma once

enum class RemoteAction {
  Mix,
  SelectPrevious,
  SelectNext,
  LoadSelected,
  PlayPause,        // deck
  Rewind,           // deck: back by 10 + repeatCount frames, paused while held
  FastForward,      // deck: on by 10 + repeatCount frames
  ResumeAfterSeek,  // deck: the held REW or FF was let go: play on and log the clip
  SetCue,           // deck
  Cue,              // deck
  CueAndPause,      // deck
  ToggleMonitor,    // deck
  ResetEqualizers,
  MasterDown,       // by 728 + repeatCount towards attenuation
  MasterUp,         // by 728 + repeatCount towards full level
  ToggleEqualizer,  // deck
  ToggleCheckOnLoad,
  ToggleLoadNext,
  ToggleMixNext,
  Shuffle,
  Help,
};

class RemoteConsole {
 public:
  virtual ~RemoteConsole() = default;
  // deck is 1 or 2 for the actions of one deck, else 0.
  virtual void Run(RemoteAction action, int deck) = 0;
};
