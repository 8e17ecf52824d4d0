// The two decks and the controls between them, without any widget: owns both Players,
// their models and the logic over them (transport, levels, equaliser, master fader), and
// implements the one deck-control interface that the mix, the songs list, the remote
// control, the keyboard and the station object drive them through. The panels are views of
// Model(deck) and Centre() and send the operator's actions to the operations below.
//
// Decks 1 and 2; any other deck number is ignored (LoadClip: 3 also means Player 1).
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <memory>

#include "deck/CentreModel.h"
#include "deck/ClipLoadHooks.h"
#include "deck/DeckConfig.h"
#include "deck/DeckControl.h"
#include "deck/DeckModel.h"

class DecoderEngine;
class DeckLevels;
class DeckTransport;
class Dialogs;
class Equalizer;
class MasterFader;
class Player;
class PlayLog;
class SettingsStore;
class TimerTable;

class Decks : public QObject, public DeckControl {
  Q_OBJECT
 public:
  // Creates both Players and routes both to the main output.
  Decks(DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, TimerTable& timers, QObject* parent = nullptr);
  ~Decks() override;

  // Settings that change while running.
  void SetFps(int fps);
  int Fps() const { return config_.fps; }
  void SetMainOutputIndex(int index) { config_.mainOutputIndex = index; }
  void SetWindowHandle(int handle) { config_.windowHandle = handle; }
  // The main window's own hooks (null: the default ones). Not owned.
  void SetClipLoadHooks(ClipLoadHooks* hooks);

  // What the panels show: null / the centre for a bad deck number.
  const DeckModel* Model(int deck) const;
  const CentreModel& Centre() const { return centre_; }

  // --- DeckControl
  int LoadClip(int deck, const QString& title, const QString& path) override;
  void OpenReady(int deck, const QString& path) override;
  bool CheckOnLoad() const override { return config_.checkOnLoad; }
  void SetCheckOnLoad(bool down) override;
  void PlayPause(int deck) override;
  void Play(int deck) override;
  void Pause(int deck) override;
  void Reset(int deck) override;
  void LogPlayerClip(int deck) override;
  void CueToMark(int deck, bool pause) override;
  void SetCueMark(int deck) override;
  int Fader(int deck) const override;
  void SetFader(int deck, int position, bool sendLevel) override;
  void SendLevel(int deck) override;
  void SetPitch(int deck, int value, bool move) override;
  void ToggleEqualizer(int deck) override;
  void ToggleMonitor(int deck) override;
  void ToggleAutoCue(int deck) override;
  void SetMasterVolume(int position, bool move) override;
  int MasterPosition() const override;
  void ShowLoadPicture(int deck, int picture) override;
  PlayerState State(int deck) const override;
  uint32_t PositionFrames(int deck) const override;
  uint32_t LengthFrames(int deck) const override;
  QString Title(int deck) const override;
  QString ClipPath(int deck) const override;

  // --- The operator's actions on the panels
  // "Check On Load" clicked: the new state, and the clip information box emptied.
  void ClickCheckOnLoad(bool down);
  // "<<" (-1) and ">>" (+1).
  void Step(int deck, int frames);
  // The position slider: thumb pressed, dragged, released; a line or page step.
  void PressPosition(int deck);
  void DragPosition(int deck, int frame);
  void ReleasePosition(int deck);
  void StepPosition(int deck, int frame);
  // The fader moved by hand: label, and the level to a deck with a clip.
  void MoveFader(int deck, int position);
  // The pitch indicator: back to normal when audibly off.
  void ResetPitch(int deck);
  void SetAutoCue(int deck, bool on);
  // Shared equaliser slider n (0 to 5) moved; "eq =".
  void MoveEqualizerSlider(int n, int value);
  void ResetEqualizer();
  void ApplyEqualizer();

  // --- More of what the decks hold
  bool EqOn(int deck) const;
  bool MonitorOut(int deck) const;
  bool AutoCue(int deck) const;
  int Pitch(int deck) const;
  QString StateText(int deck) const;
  QString InputName(int deck) const;
  QString ElapsedText(int deck) const;
  QString RemainingText(int deck) const;
  QString DurationText(int deck) const;
  QString CueMarkText(int deck) const;
  // The crossfade bar of a deck (1 or 2): its level while a mix runs, 0 otherwise.
  void SetCrossfade(int deck, int level);
  // Any command to the deck's engine player (the window stops both at exit).
  void Send(int deck, int code, int a = 0, int b = 0, int c = 0);


  // Settings values of the decks (EQ1-6, EQ PLAYER n STATUS, PITCH n, AUTO CUE ...).
  void ReadDeckSettings(const SettingsStore& store);
  void SaveDeckSettings(SettingsStore& store) const;
  // Start-up after the settings: each equaliser toggled twice, pitch indicators drawn.
  void StartupAfterSettings();
  // Start-up: the master fader from the engine when there is an output device, else the
  // no-device warning; the main output index becomes 0.
  void StartupMasterVolume();

 signals:
  void CheckOnLoadChanged(bool down);
  // Input / output module names reported to Player 1 (engine information dialog).
  void ModuleReported(int code, const QString& text);
  // The engine refused the clip loaded into the deck (missing, unreadable, not MPEG audio).
  void ClipOpenFailed(int deck);
  void ClipOpened(int deck);

 private:
  // Opens the clip into deck index i, plays it to set level and equaliser, and parks it
  // paused at its start.
  void OpenParked(int i, const QString& title, const QString& path, int startVolume);
  int Index(int deck) const { return deck == 1 || deck == 2 ? deck - 1 : -1; }

  DecoderEngine& engine_;
  Dialogs& dialogs_;
  DeckConfig config_;
  DefaultClipLoadHooks defaultHooks_;
  ClipLoadHooks* hooks_;
  CentreModel centre_;
  std::array<std::unique_ptr<DeckModel>, 2> models_;
  std::array<std::unique_ptr<Player>, 2> players_;
  std::array<std::unique_ptr<DeckTransport>, 2> transports_;
  std::array<std::unique_ptr<DeckLevels>, 2> levels_;
  std::unique_ptr<Equalizer> equalizer_;
  std::unique_ptr<MasterFader> master_;
};
