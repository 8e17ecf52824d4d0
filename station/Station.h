// The station without its window: owns every subsystem of the main program (decks, songs
// list and its tools, mix styles, the automatic mix), their timers and the console
// commands, and runs the start-up, timer and exit steps. The window is a view of it; a test
// or a headless program drives it through the same operations.
//
// GUI thread only.
#pragma once

#include "adverts/Adverts.h"
#include "deck/Decks.h"
#include "mix/MixSettings.h"
#include "mix/MixStyleModel.h"
#include "options/EngineInfoReport.h"
#include "options/EngineModules.h"
#include "platform/TimerTable.h"
#include "remote/RemoteControl.h"
#include "remote/RemoteModes.h"
#include "remote/RemoteSwitch.h"
#include "programs/DayProgramMaker.h"
#include "programs/EnsurePlay.h"
#include "programs/ProgramScheduler.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"
#include "station/AppContext.h"
#include "station/AutoMix.h"
#include "station/ConsoleCommands.h"
#include "station/PlayListProfile.h"
#include "station/SongsCommands.h"
#include "station/StationClipHooks.h"
#include "station/StationSettings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Station : public QObject {
  Q_OBJECT
 public:
  // What the window does between the station's start-up steps.
  struct StartUpHooks {
    std::function<void()> afterSettings;    // the settings are read (display mode)
    std::function<void()> beforeSongsList;  // the master fader is set (window placement)
  };

  explicit Station(AppContext& ctx, QObject* parent = nullptr);
  ~Station() override;

  // The start-up sequence; runs once.
  void Start(const StartUpHooks& hooks = {});
  // The exit sequence after the operator confirmed: saves the deck and folder values and
  // logs it, so a crash further down loses nothing; then closes the remote control.
  void SaveAtExit();
  // The deck and folder values into the settings, logged; also before the Options dialog
  // reads them again.
  void SaveExitSettings();
  // The last exit step: every timer stops and the exit is logged.
  void Stop();

  AppContext& Context() { return ctx_; }
  TimerTable& Timers() { return timers_; }
  const StationSettings& Settings() const { return settings_; }
  Decks& DeckSet() { return *decks_; }
  SongsList& Songs() { return songs_; }
  SongsCommands& PlayList() { return *commands_; }
  MixStyleModel& MixStyles() { return *mixStyles_; }
  MixSettings& MixInForce() { return mixSettings_; }
  AutoMix& Mix() { return *autoMix_; }
  Adverts& AdvertSet() { return *adverts_; }
  PlayListProfile& Profile() { return *profile_; }
  ProgramScheduler& Programs() { return *programs_; }
  EnsurePlay& Ensure() { return *ensurePlay_; }
  // The Day Program Maker's lists over this station's programs file; "Load" starts in and
  // moves the play-list folder saved at exit. help opens the help pages.
  std::unique_ptr<DayProgramMaker> NewDayProgramMaker(std::function<void()> help);
  ConsoleCommands& Commands() { return console_; }
  const RememberedFolders& Folders() const { return folders_; }
  RemoteControl& Remote() { return *remote_; }
  RemoteModes& RemoteButtons() { return *remoteModes_; }

  QString StatusText() const { return status_; }
  void SetStatus(const QString& text);
  QString ClockText() const { return clock_; }

  // --- Options and engine information
  // Main and monitor play on the stored devices. A stored device that is gone gives way
  // to the default device, with a message and a play-log entry: sound, never silence.
  void ApplyOutputDevices();
  // After Options APPLY: every setting read again, main and monitor on the devices chosen
  // (their list indexes).
  void ApplyOptions(int mainIndex, int monitorIndex);
  // What the engine information dialog reports.
  EngineInfoSources EngineInfo() const;
  // The engine's module lists: emptied, then filled again as Player 1's engine answers.
  void RequestEngineModules();
  const EngineModules& Modules() const { return modules_; }

 signals:
  void statusChanged(const QString& text);
  void clockChanged(const QString& text);
  // The keyboard focus goes back to the console (after a search loaded a clip).
  void focusHiddenRequested();
  // The remote's handshake is running (the busy cursor).
  void remoteBusyChanged(bool busy);

 private:
  void DefineCommands();
  void CreateDayPrograms();
  void CreateStationFolders();
  void ReadSettings();
  void LoadStartUpPlayList();
  void OnTimer(int id);
  void ShowClock();
  void CreateRemote();
  void DefineRemoteCommands();

  AppContext& ctx_;
  TimerTable timers_;
  StationSettings settings_;
  MixSettings mixSettings_;
  RememberedFolders folders_;
  SongsList songs_;
  // The decks' players report to their models until the decks go: after everything that
  // drives them.
  std::unique_ptr<Decks> decks_;
  std::unique_ptr<MixStyleModel> mixStyles_;
  std::unique_ptr<SongsCommands> commands_;
  std::unique_ptr<StationClipHooks> clipHooks_;
  std::unique_ptr<AutoMix> autoMix_;
  std::unique_ptr<Adverts> adverts_;
  std::unique_ptr<PlayListProfile> profile_;
  std::unique_ptr<ProgramScheduler> programs_;
  std::unique_ptr<EnsurePlay> ensurePlay_;
  ConsoleCommands console_;
  EngineModules modules_;
  // The remote control: its buttons run console commands, so it goes before the table does.
  std::unique_ptr<RemoteConsole> remoteConsole_;
  std::unique_ptr<RemoteModes> remoteModes_;
  std::unique_ptr<RemoteControl> remote_;
  std::unique_ptr<RemoteSwitch> remoteSwitch_;
  QString status_ = QStringLiteral("Ready");
  QString clock_ = QStringLiteral("00:00:00");
};
