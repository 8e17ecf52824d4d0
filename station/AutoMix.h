// The automatic mix as the station has it: the mix engine, the "LOAD NEXT" and "MIX NEXT"
// toggles, and the ports through which the engine reaches the songs list and the status
// line. Also keeps the station on air past clips the engine refuses. GUI-free: the window
// shows the toggles and the busy cursor from the signals.
#pragma once

#include "mix/MixEngine.h"
#include "mix/MixPorts.h"

#include <QObject>

#include <functional>

class Decks;
class MixStyleModel;
class PlayerFeed;
class SongsList;

class AutoMix : public QObject, private MixControls {
  Q_OBJECT
 public:
  AutoMix(Decks& decks, SongsList& list, PlayerFeed& feed, MixStyleModel& styles, MixSettings& settings,
          TimerTable& timers, SystemServices& system, std::function<void(const QString&)> status);
  ~AutoMix() override;

  MixEngine& Engine() { return engine_; }
  // The mix's timers; the crossfade bars follow each crossfade tick. False for other ids.
  bool OnTimer(int id);
  void SetLoadNext(bool on);
  void SetMixNext(bool on);
  bool LoadNext() const { return engine_.LoadNext(); }
  // The MIX NEXT lamp (it may be lit by the mix without the toggle being set).
  bool MixNextShown() const { return mixNextShown_; }
  bool MixNextEnabled() const { return engine_.MixNextEnabled(); }
  bool Busy() const { return busy_; }

  // The engine could not open a clip loaded into a deck. While LOAD NEXT is on the next
  // clip of the list is loaded in its place, at most once for every clip of the list in
  // a row, so a list of nothing but bad files cannot keep the engine busy for ever.
  void OnClipOpenFailed(int deck);
  // A clip opened: the run of refused clips is over.
  void OnClipOpened() { refusedInARow_ = 0; }

 signals:
  // LOAD NEXT, MIX NEXT or MIX NEXT's enabled state changed.
  void togglesChanged();
  void busyChanged(bool busy);

 private:
  // The mix's view of the songs list.
  class ListPort final : public MixList {
   public:
    ListPort(SongsList& list, PlayerFeed& feed) : list_(list), feed_(feed) {}
    int Count() const override;
    int CurrentIndex() override;
    void MarkHot(int index) override;
    void LoadNextIntoPlayer() override;

   private:
    SongsList& list_;
    PlayerFeed& feed_;
  };

  void CaptureMixSettings() override;
  void SetStatus(const QString& text) override;
  void ShowMixNextPicture(bool on) override;
  void SetBusyCursor(bool on) override;
  void ShowCrossfadeBars();

  Decks& decks_;
  ListPort listPort_;
  MixStyleModel& styles_;
  std::function<void(const QString&)> status_;
  MixEngine engine_;
  bool mixNextShown_ = false;
  bool busy_ = false;
  int refusedInARow_ = 0;
};
