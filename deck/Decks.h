// The two decks and the controls between them, as the rest of the main window sees them:
// owns both Players, both DeckPanels and the CentrePanel, and offers the deck operations
// that the mix engine, the songs list, the remote control and the keyboard call.
//
// Decks 1 and 2; any other deck number is ignored (LoadClip: 3 also means Player 1).
// The panels are created as children of the parent given; the main window places them.
// Destroy the Decks before that parent (keep it as a member of the window): the Players
// write to the panels while notifications arrive.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

#include "deck/ClipLoadHooks.h"
#include "deck/KeyboardMap.h"
#include "deck/PlayerState.h"

class CentrePanel;
class DecoderEngine;
class DeckLevels;
class DeckPanel;
class DeckTransport;
class Dialogs;
class Equalizer;
class MasterFader;
class Player;
class PlayLog;
class QPushButton;
class QWidget;
class SettingsStore;
class TimerTable;

class Decks : public QObject {
  Q_OBJECT
 public:
  // Creates both Players and routes both to the main output.
  Decks(DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, TimerTable& timers, QWidget* parent = nullptr);
  ~Decks() override;

  // Settings that change while running.
  void SetFps(int fps);
  int Fps() const { return config_.fps; }
  void SetMainOutputIndex(int index) { config_.mainOutputIndex = index; }
  void SetWindowHandle(int handle) { config_.windowHandle = handle; }
  // The main window's own hooks (null: the default ones). Not owned.
  void SetClipLoadHooks(ClipLoadHooks* hooks);

  // Widgets for the main window to place.
  DeckPanel* Panel(int deck) const;
  CentrePanel* Centre() const { return centre_; }
  QPushButton* CheckOnLoadButton() const { return checkOnLoad_; }
  bool CheckOnLoad() const;
  void SetCheckOnLoad(bool down);

  // 1 or 2 for the deck loaded, -2 when the clip failed its check, -1 for a bad deck.
  int LoadClip(int deck, const QString& title, const QString& path);
  // "Open": the file straight into the deck, ready at its start with the fader at
  // startVolume; no clip check, no style, the songs list untouched.
  void OpenReady(int deck, const QString& path, int startVolume);
  void PlayPause(int deck);
  void ResetPlayer(int deck);
  void CueToMark(int deck, bool pause);
  void SetCueMark(int deck);
  void SetPitch(int deck, int value, bool move);
  void SetMasterVolume(int position, bool move);
  int MasterPosition() const;
  void ToggleEqualizer(int deck);
  bool EqOn(int deck) const;
  void ToggleMonitor(int deck);
  bool MonitorOut(int deck) const;
  void ToggleAutoCue(int deck);
  bool AutoCue(int deck) const;
  void ApplyEqualizer();
  void ResetEqualizer();
  void SetFader(int deck, int position, bool sendLevel);
  int Fader(int deck) const;
  int Pitch(int deck) const;
  // Sends the deck's level from its fader (command 48).
  void SendLevel(int deck);
  // Any command to the deck's engine player (the mix engine's play/pause).
  void Send(int deck, int code, int a = 0, int b = 0, int c = 0);
  // The deck's load lamp (0 dark, 1 lit).
  void ShowLoadPicture(int deck, int picture);

  PlayerState State(int deck) const;
  uint32_t PositionFrames(int deck) const;
  uint32_t LengthFrames(int deck) const;
  QString StateText(int deck) const;
  QString Title(int deck) const;
  QString InputName(int deck) const;
  QString ClipPath(int deck) const;
  QString ElapsedText(int deck) const;
  QString RemainingText(int deck) const;
  QString DurationText(int deck) const;
  QString CueMarkText(int deck) const;

  // Runs a deck command of the keyboard map; false for commands the main window routes.
  bool HandleKeyCommand(const KeyAction& action);

  // Settings values of the decks (EQ1-6, EQ PLAYER n STATUS, PITCH n, AUTO CUE ...).
  void ReadDeckSettings(const SettingsStore& store);
  void SaveDeckSettings(SettingsStore& store) const;
  // Start-up after the settings: each equaliser toggled twice, pitch indicators drawn.
  void StartupAfterSettings();
  // Start-up: the master fader from the engine when there is an output device, else the
  // no-device warning; the main output index becomes 0.
  void StartupMasterVolume();

 signals:
  void OpenRequested(int deck);
  void MixClicked();
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
  QPushButton* checkOnLoad_;
  std::array<DeckPanel*, 2> panels_{};
  CentrePanel* centre_;
  std::array<std::unique_ptr<Player>, 2> players_;
  std::array<std::unique_ptr<DeckTransport>, 2> transports_;
  std::array<std::unique_ptr<DeckLevels>, 2> levels_;
  std::unique_ptr<Equalizer> equalizer_;
  std::unique_ptr<MasterFader> master_;
  // What the destructor deletes unless a window adopted it (or already deleted it).
  std::array<QPointer<QWidget>, 4> widgets_;
};
