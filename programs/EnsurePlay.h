// Ensure play as the station has it: the "EP" switch, which keeps a snapshot of the songs
// list, the advert play list and the day-programs switch in the drive C folder and runs
// the ensure-play tick (timer 4, the mix engine's), and the recovery at start-up that reads
// the snapshot back. Draws nothing: the "EP" toggle and its indicator are views of it.
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class Adverts;
class ClipLoader;
class Dialogs;
class PlayLog;
class ProgramScheduler;
class SongsList;
class TimerTable;

class EnsurePlay : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // Presses "Check On Load", "LOAD NEXT" and "MIX NEXT" and runs their handlers.
    std::function<void()> autoPlay;
    // The ensure-play tick's count of idle passes starts again.
    std::function<void()> resetPassCount;
  };

  // Everything given must outlive this object. driveC has no trailing '/'.
  EnsurePlay(SongsList& songs, ClipLoader& loader, Adverts& adverts, ProgramScheduler& programs, TimerTable& timers,
             Dialogs& dialogs, PlayLog& log, QString driveC, Hooks hooks, QObject* parent = nullptr);

  // The "EP" toggle. On: refused for an empty songs list; otherwise the snapshot is taken,
  // the automatic mix switched on and timer 4 started. Off: timer 4 stops and the three
  // files go, so a later start does not recover.
  void SetEnsurePlay(bool on);
  bool EnsurePlayOn() const { return on_; }

  // Once at start-up, before the start-up play list is considered: songs list (and ensure
  // play), then adverts, then day programs, from the files a crash or restart left.
  void RecoverAfterRestart();

  QString SongsSnapshotPath() const;
  QString AdvertsSnapshotPath() const;
  QString ProgramsMarkerPath() const;

 signals:
  // The "EP" toggle and the ensure-play indicator follow this.
  void ensurePlayChanged(bool on);

 private:
  void SaveSongsSnapshot();

  SongsList& songs_;
  ClipLoader& loader_;
  Adverts& adverts_;
  ProgramScheduler& programs_;
  TimerTable& timers_;
  Dialogs& dialogs_;
  PlayLog& log_;
  QString driveC_;
  Hooks hooks_;
  bool on_ = false;
};
