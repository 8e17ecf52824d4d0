// The main program's one window. It owns the station's state for the life of the process
// and is composed of panels (decks, centre, mix style, songs list, status line); the
// operations that cross panels read like the station's start-up, timer and exit steps.
#pragma once

#include "app/AppContext.h"
#include "app/StationSettings.h"
#include "deck/KeyboardMap.h"
#include "mix/MixSettings.h"
#include "platform/TimerTable.h"
#include "songs/RememberedFolders.h"

#include <QDialog>
#include <QMap>

#include <memory>

class AutoMix;
class DecksPort;
class SongsList;
class Decks;
class MixStyleModel;
class PlayListCommands;
class SongsListPanel;
class StationClipHooks;
class QLabel;
class QPushButton;

class MainWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence; runs once, before the window is shown.
  void Start();
  // The exit sequence; true when the operator confirmed and the window is closing.
  bool RequestExit();

  TimerTable& Timers() { return timers_; }
  const StationSettings& Settings() const { return settings_; }
  QString StatusText() const;
  void SetStatus(const QString& text);
  QString ClockText() const;
  QPushButton* ToolButton(const QString& caption) const { return toolButtons_.value(caption); }
  bool PlayLogIndicatorShown() const;

  void ShowAbout();

  Decks& DeckSet() { return *decks_; }
  MixStyleModel& MixStyles() { return *mixStyles_; }
  MixSettings& MixInForce() { return mixSettings_; }
  SongsListPanel& SongsPanel() { return *songsPanel_; }
  PlayListCommands& PlayList() { return *commands_; }
  AutoMix& Mix() { return *autoMix_; }
  const RememberedFolders& Folders() const { return folders_; }

 public slots:
  // Enter must never close the window; Escape and the close box ask first.
  void accept() override {}
  void reject() override { RequestExit(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Files dropped anywhere on the window go to the songs list.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildToolButtons();
  void BuildSongsList();
  void ConnectCommands();
  void LoadStartUpPlayList();
  void OnSearchFocus(bool in);
  void CreateStationFolders();
  void ReadSettings();
  void OnTimer(int id);
  void ShowClock();
  void FitWindowToScreen();
  void RouteKey(const KeyAction& action);

  AppContext& ctx_;
  TimerTable timers_;
  StationSettings settings_;
  MixSettings mixSettings_;
  // Declared after the timers and before nothing that outlives it: the decks' players
  // must go before the widgets they draw into.
  std::unique_ptr<Decks> decks_;
  std::unique_ptr<MixStyleModel> mixStyles_;
  std::unique_ptr<SongsList> songsList_;
  SongsListPanel* songsPanel_ = nullptr;
  RememberedFolders folders_;
  std::unique_ptr<DecksPort> deckAccess_;
  std::unique_ptr<PlayListCommands> commands_;
  std::unique_ptr<StationClipHooks> clipHooks_;
  std::unique_ptr<AutoMix> autoMix_;
  KeyboardMap keyboard_;
  QPushButton* focusHolder_ = nullptr;

  QLabel* status_ = nullptr;
  QLabel* startDir_ = nullptr;
  QLabel* playLogIndicator_ = nullptr;
  QLabel* clock_ = nullptr;
  QMap<QString, QPushButton*> toolButtons_;

  QSize screenAtStart_;
  bool displayModeChanged_ = false;
  QSize previousScreen_;
  bool exiting_ = false;
};
