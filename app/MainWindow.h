// The main program's one window: a view of the station, which owns the station's state and
// runs its start-up, timer and exit steps. The window places the panels (decks, centre, mix
// style, songs list, status line), shows what the station reports and sends every button,
// menu entry and key through the console commands.
#pragma once

#include "app/KeyboardMap.h"
#include "station/Station.h"

#include <QDialog>
#include <QMap>

#include <memory>

class AdvertsPanel;
class AutomationToggles;
class ContextMenus;
class DeckPanels;
class ProgramsPanel;
class QLabel;
class QPushButton;
class SongsListPanel;

class MainWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence; runs once, before the window is shown.
  void Start();
  // The exit sequence; true when the operator confirmed and the window is closing.
  bool RequestExit();

  Station& StationState() { return *station_; }
  TimerTable& Timers() { return station_->Timers(); }
  const StationSettings& Settings() const { return station_->Settings(); }
  QString StatusText() const;
  void SetStatus(const QString& text) { station_->SetStatus(text); }
  QString ClockText() const;
  QPushButton* ToolButton(const QString& caption) const { return toolButtons_.value(caption); }
  QPushButton* LoadNextButton() const;
  QPushButton* MixNextButton() const;
  QPushButton* AdvertsButton() const;
  AdvertsPanel& AdvertsView() { return *advertsPanel_; }
  QPushButton* ProgramsButton() const;
  QPushButton* EnsurePlayButton() const;
  ProgramsPanel& ProgramsView() { return *programsPanel_; }
  ContextMenus& Menus() { return *menus_; }
  bool ProgramsIndicatorShown() const;
  bool EnsurePlayIndicatorShown() const;
  // The Day Program Maker ("P", Ctrl+P, "Edit Programs"), modal.
  void OpenDayProgramMaker();
  bool AdvertsIndicatorShown() const;
  bool PlayLogIndicatorShown() const;

  void ShowAbout();
  // Places the window for a screen of this size; on a 640-pixel screen it takes the whole
  // screen instead of hanging off it.
  void FitTo(QSize screen);
  // The Options dialog and the engine information dialog (modal).
  void OpenOptions();
  void OpenEngineInfo();

  Decks& DeckSet() { return station_->DeckSet(); }
  DeckPanels& DeckViews() { return *deckPanels_; }
  MixStyleModel& MixStyles() { return station_->MixStyles(); }
  MixSettings& MixInForce() { return station_->MixInForce(); }
  SongsListPanel& SongsPanel() { return *songsPanel_; }
  SongsCommands& PlayList() { return station_->PlayList(); }
  AutoMix& Mix() { return station_->Mix(); }
  const RememberedFolders& Folders() const { return station_->Folders(); }

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
  // The songs list and the adverts and programs lists below it.
  void BuildLists();
  // Places the songs list and the lists below it for the "ADVS" and "PRG" toggles.
  void LayoutLists();
  void DefineWindowCommands();
  void ConnectCommands();
  void OnSearchFocus(bool in);
  // A right click on a list chooses its pop-up; a context-menu event shows the chosen one.
  bool ContextMenuEvent(QObject* watched, QEvent* event);
  void FitWindowToScreen();
  enum BusySource : unsigned { kMixBusy = 1, kRemoteBusy = 2, kScanBusy = 4, kOptionsBusy = 8 };
  void SetBusyCursor(unsigned source, bool on);

  AppContext& ctx_;
  std::unique_ptr<Station> station_;
  std::unique_ptr<DeckPanels> deckPanels_;
  SongsListPanel* songsPanel_ = nullptr;
  AdvertsPanel* advertsPanel_ = nullptr;
  KeyboardMap keyboard_;
  QPushButton* focusHolder_ = nullptr;
  ProgramsPanel* programsPanel_ = nullptr;
  ContextMenus* menus_ = nullptr;
  AutomationToggles* toggles_ = nullptr;

  QLabel* status_ = nullptr;
  QLabel* startDir_ = nullptr;
  QLabel* playLogIndicator_ = nullptr;
  QLabel* clock_ = nullptr;
  QMap<QString, QPushButton*> toolButtons_;

  QSize screenAtStart_;
  bool displayModeChanged_ = false;
  QSize previousScreen_;
  bool exiting_ = false;
  unsigned busySources_ = 0;
};
