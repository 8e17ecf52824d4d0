// The level controls of one deck: volume fader, pitch (slider, label, indicator and reset),
// monitor routing and the AUTO CUE box.
#pragma once

#include <QObject>

class DecoderEngine;
class DeckPanel;
class Dialogs;
class Player;

class DeckLevels : public QObject {
  Q_OBJECT
 public:
  DeckLevels(Player& player, DeckPanel& panel, DecoderEngine& engine, Dialogs& dialogs);

  // Moves the fader (0 full level .. 100 silent) and its label; sends the level on request.
  void SetFader(int position, bool sendLevel);
  int Fader() const;
  // With move: value is a step added to the slider's position and the slider follows.
  void SetPitch(int value, bool move);
  // The pitch indicator: back to 1000 when the pitch is audibly off normal.
  void ResetPitch();
  // A stored pitch: slider, engine and label follow it.
  void ApplyStoredPitch(int value);
  void DrawPitchIndicator();
  int Pitch() const;
  void ToggleMonitor();
  bool MonitorOut() const { return monitorOut_; }
  bool AutoCue() const;
  void SetAutoCue(bool on);

 private:
  void OnFaderChanged(int position);
  void ShowPitch(int position);

  Player& player_;
  DeckPanel& panel_;
  DecoderEngine& engine_;
  Dialogs& dialogs_;
  bool monitorOut_ = false;
};
