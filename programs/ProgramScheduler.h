// Day programs as the station has them: the programs list read from the programs table,
// the "PRG" switch with its check on timer 5, which replaces the songs list by a
// program's play list three minutes before the program's time, and the programs list's
// commands. It reaches the songs list through the list, its loader and its PlayerFeed,
// and draws nothing: the programs panel, the "PRG" toggle and the programs indicator are
// views of it. GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "programs/ProgramsListModel.h"

class ClipLoader;
class Clock;
class CrtRand;
class PlayLog;
class PlayerFeed;
class SongsList;
class TimerTable;

class ProgramScheduler : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // A crossfade is running: the check waits for it to end.
    std::function<bool()> mixing;
    // "LOAD NEXT" is on.
    std::function<bool()> loadNext;
    std::function<void(const QString&)> status;
  };

  // The program loads a clip this many minutes before its time.
  static constexpr int kLeadMinutes = 3;

  // Everything given must outlive this object. startFolder ends with '/'.
  ProgramScheduler(SongsList& songs, ClipLoader& loader, PlayerFeed& feed, CrtRand& rand, TimerTable& timers,
                   const Clock& clock, PlayLog& log, QString startFolder, Hooks hooks, QObject* parent = nullptr);

  ProgramsListModel& List() { return list_; }
  const ProgramsListModel& List() const { return list_; }

  // Reads the programs table into the list, each record at the top (so the list shows the
  // file's lines in reverse order), dropping records without a path or a time. 1, or
  // programs::kReadFailed with the list unchanged.
  int LoadProgramsTable();

  // The "PRG" toggle (also "Enable Programs" / F5 with true, "Disable Programs" / F6 with
  // false). Switching on loads the table and stays on only when it holds programs.
  void SetProgramsEnabled(bool on);
  bool ProgramsEnabled() const { return enabled_; }

  // Timer 5 runs the check; false for any other id.
  bool OnTimer(int id);
  void CheckPrograms();

  // Replaces the songs list by the row's play list (shuffled when the row says so),
  // removes the row and selects the songs list's topmost visible row.
  void LoadProgramNow(int row);
  // "Load Program Now": the selected row, then the first clip into a free deck while
  // "LOAD NEXT" is on. Nothing without a selected row.
  void LoadSelectedProgramNow();
  // "Clear Programs": the rows only; the switch and its timer stay as they are.
  void ClearPrograms() { list_.Clear(); }

  int SelectedRow() const { return selected_ >= 0 && selected_ < list_.Count() ? selected_ : -1; }
  // The view's own selection moved (a click).
  void NoteSelected(int row) { selected_ = row; }

 signals:
  // The "PRG" toggle, the programs indicator and the lists' layout follow this.
  void programsEnabledChanged(bool on);

 private:
  SongsList& songs_;
  ClipLoader& loader_;
  PlayerFeed& feed_;
  CrtRand& rand_;
  TimerTable& timers_;
  const Clock& clock_;
  PlayLog& log_;
  QString startFolder_;
  Hooks hooks_;
  ProgramsListModel list_;
  int selected_ = -1;
  bool enabled_ = false;
};
