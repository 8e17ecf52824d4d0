// Adverts as the station has them: the adverts list and block list (AdvertList), the
// "ADVS" switch with its check on timer 3, and the commands of the adverts group's
// buttons and context menu. It reaches the songs list and the decks through the songs
// list and its PlayerFeed, dialogs, time and timers through their interfaces, and draws
// nothing: the adverts panel, the "ADVS" toggle and the adverts indicator are views of it.
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "adverts/AdvertClockCheck.h"
#include "adverts/AdvertInsertion.h"
#include "adverts/AdvertList.h"

class Clock;
class Dialogs;
class PlayLog;
class PlayerFeed;
class SongsList;
class TimerTable;

class Adverts : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // A crossfade is running: the clock check waits for it to end.
    std::function<bool()> mixing;
    // The "Adverts Loading type" setting: 0 clips by code, other by name.
    std::function<int()> loadingType;
  };

  // Everything given must outlive this object.
  Adverts(SongsList& songs, PlayerFeed& feed, TimerTable& timers, Dialogs& dialogs, const Clock& clock, PlayLog& log,
          Hooks hooks, QObject* parent = nullptr);

  AdvertList& List() { return list_; }
  const AdvertList& List() const { return list_; }

  // Timer 3 runs the clock check; false for any other id.
  bool OnTimer(int id);

  // The "ADVS" toggle (also "Enable Logos" / F7 with true, "Disable Logos" / F8 with
  // false): starts or stops the clock check and logs it. The lists stay as they are.
  void SetAdvertsEnabled(bool on);
  bool AdvertsEnabled() const { return enabled_; }
  // The "Manual" toggle.
  void SetManual(bool on) { list_.SetManual(on); }

  // "..." and "Import Logos": asks for an EPL file in the advert-list folder, which then
  // becomes that file's folder, and loads it.
  void OpenAdvertList();
  // A dropped ".epl" file and the ensure-play recovery: loads it with the loading type in
  // force. The number of spots, or epl::kReadFailed.
  int LoadAdvertList(const QString& path);
  // "C" and "Clear Logos List": asks first when there is anything to clear.
  void Clear();
  // ">>": asks, then inserts the block of the current row of the adverts list. The block
  // list is left alone, so the clock still inserts the block unless its entry is gone.
  void LoadBlock();
  // "Load Block Now": Manual goes on first, then as ">>".
  void LoadBlockNow();
  // "Import AD": one clip chosen by hand joins the block of the current row, after it
  // (block "00:00" in an empty list); the block list is left alone.
  void ImportAd();
  // "Remove AD": removes the current row; the block list is left alone.
  void RemoveAd();
  int InsertAdvertBlock(const QString& blockTime) { return insertion_.InsertAdvertBlock(blockTime); }

  // "Def AD List Folder": where the EPL open dialog starts.
  QString AdListFolder() const { return adListFolder_; }
  void SetAdListFolder(const QString& folder) { adListFolder_ = folder; }

 signals:
  // The lists' layout, the adverts indicator and the "ADVS" toggle follow this.
  void advertsEnabledChanged(bool on);

 private:
  SongsList& songs_;
  TimerTable& timers_;
  Dialogs& dialogs_;
  PlayLog& log_;
  Hooks hooks_;
  AdvertList list_;
  AdvertInsertion insertion_;
  AdvertClockCheck clockCheck_;
  bool enabled_ = false;
  QString adListFolder_;
};
