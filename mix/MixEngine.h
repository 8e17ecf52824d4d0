// The automatic mix: the watch that starts a crossfade near the end of a clip, the
// crossfade tick that moves both faders, what follows a crossfade, the ensure-play tick
// and the small periodic jobs (start-up mix, load blink). Runs on the GUI thread, driven
// by the window's timer table (ids of platform/TimerIds.h). It reaches the decks only
// through DeckControl and draws nothing: each tick moves the faders' values and sends the
// levels, and the deck panels redraw from the decks in their own time.
#pragma once

#include "deck/DeckControl.h"
#include "mix/MixPorts.h"
#include "mix/MixSettings.h"

class SystemServices;
class TimerTable;

enum class MixDirection { None, Player1In, Player2In };

class MixEngine {
 public:
  MixEngine(DeckControl& decks, MixList& list, MixControls& controls, TimerTable& timers, MixSettings& settings,
            SystemServices& system);

  // Handles the mix's timers (watch, crossfade, ensure play, start-up mix, load blinks);
  // false for any other id.
  bool OnTimer(int id);

  void StartMix();
  MixDirection ChooseDirection();
  // 1 or 2 when the crossfade is complete (the deck that went out), -1 otherwise.
  int MixStep(MixDirection direction);
  void EndMix();

  void SetLoadNext(bool on);
  void SetMixNext(bool on);
  bool LoadNext() const { return loadNext_; }
  bool MixNext() const { return mixNext_; }
  bool MixNextEnabled() const { return loadNext_; }

  void SetFps(int fps) { fps_ = fps; }
  void ResetPassCount() { passCount_ = 0; }
  void StartLoadBlink(int deck);

  bool Mixing() const { return mixing_; }
  MixDirection Direction() const { return direction_; }
  int PassCount() const { return passCount_; }

 private:
  void Watch();
  void CrossfadeTick();
  void EnsurePlayTick();
  void Blink(int id);
  void ReevaluateMixNext();
  bool PastSkipPoint(int deck) const;
  bool InLastFrames(int deck) const;
  // The deck's clip ran to its end with nothing else on air: the watch's ticks missed its
  // last frames (a short clip, a skip time of 0), and waiting longer is dead air.
  bool EndedUnmixed(int deck) const;
  bool HasClip(int deck) const { return decks_.State(deck) != PlayerState::None; }
  bool IsPlaying(int deck) const { return decks_.State(deck) == PlayerState::Playing; }

  DeckControl& decks_;
  MixList& list_;
  MixControls& controls_;
  TimerTable& timers_;
  MixSettings& settings_;
  SystemServices& system_;

  bool mixing_ = false;
  MixDirection direction_ = MixDirection::None;
  int passCount_ = 0;
  int blinkPhase_ = 0;
  bool loadNext_ = false;
  bool mixNext_ = false;
  int fps_ = 30;
};
