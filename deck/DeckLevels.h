// The level controls of one deck: volume fader, pitch (position, label, indicator and reset),
// monitor routing and AUTO CUE.
#pragma once

class DecoderEngine;
class DeckModel;
class Dialogs;
class Player;

class DeckLevels {
 public:
  DeckLevels(Player& player, DeckModel& model, DecoderEngine& engine, Dialogs& dialogs);

  // Moves the fader (0 full level .. 100 silent) and its label; sends the level on request.
  void SetFader(int position, bool sendLevel);
  // The operator moved the fader: the label follows, and the level goes to a deck with a
  // clip.
  void MoveFader(int position);
  int Fader() const;
  // With move: value is a step added to the pitch's position, which follows.
  void SetPitch(int value, bool move);
  // The pitch indicator: back to 1000 when the pitch is audibly off normal.
  void ResetPitch();
  // A stored pitch: position, engine and label follow it.
  void ApplyStoredPitch(int value);
  void DrawPitchIndicator();
  int Pitch() const;
  void ToggleMonitor();
  bool MonitorOut() const { return monitorOut_; }
  bool AutoCue() const;
  void SetAutoCue(bool on);

 private:
  void ShowPitch(int position);

  Player& player_;
  DeckModel& model_;
  DecoderEngine& engine_;
  Dialogs& dialogs_;
  bool monitorOut_ = false;
};
