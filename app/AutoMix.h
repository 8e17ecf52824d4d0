// The automatic mix as the window has it: the mix engine, the "LOAD NEXT" and "MIX NEXT"
// toggles, and the ports through which the engine reaches the decks, the songs list and
// the mixing controls. Also keeps the station on air past clips the engine refuses.
// The toggles are children of the parent widget, which places them.
#pragma once

#include "app/SongsListMixPort.h"
#include "mix/MixEngine.h"

#include <QObject>

#include <functional>

class Decks;
class DeckControl;
class MixStyleModel;
class QPushButton;
class QWidget;

class AutoMix : public QObject, private MixControls {
  Q_OBJECT
 public:
  AutoMix(Decks& decks, DeckControl& control, SongsList& list, PlayerFeed& feed, MixStyleModel& styles,
          MixSettings& settings,
          TimerTable& timers, SystemServices& system, PlayLog& log, std::function<void(const QString&)> status,
          QWidget* parent);
  ~AutoMix() override;

  MixEngine& Engine() { return engine_; }
  // The mix's timers; the crossfade bars follow each crossfade tick. False for other ids.
  bool OnTimer(int id);
  QPushButton* LoadNextButton() const { return loadNext_; }
  QPushButton* MixNextButton() const { return mixNext_; }
  void SetLoadNext(bool on);
  void SetMixNext(bool on);

  // The engine could not open a clip loaded into a deck. While LOAD NEXT is on the next
  // clip of the list is loaded in its place, at most once for every clip of the list in
  // a row, so a list of nothing but bad files cannot keep the engine busy for ever.
  void OnClipOpenFailed(int deck);
  // A clip opened: the run of refused clips is over.
  void OnClipOpened() { refusedInARow_ = 0; }

 private:
  void CaptureMixSettings() override;
  void SetStatus(const QString& text) override;
  void ShowMixNextPicture(bool on) override;
  void SetBusyCursor(bool on) override;
  void ShowToggles();
  void ShowCrossfadeBars();

  Decks& decks_;
  DeckControl& control_;
  SongsListMixPort listPort_;
  MixStyleModel& styles_;
  std::function<void(const QString&)> status_;
  MixEngine engine_;
  QPushButton* loadNext_;
  QPushButton* mixNext_;
  bool busy_ = false;
  int refusedInARow_ = 0;
};
