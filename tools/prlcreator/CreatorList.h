// The creator's clip list: the songs list's rows and columns, the current-item rule, the
// total time display, the modified flag and the status line, and the edits made on the
// list itself (new, delete, move up and down). GUI-free; the window shows it.
//
// Every duration of this program is counted at 25 frames a second, whatever the main
// program's FPS setting, so lists made here read the same at every station.
#pragma once

#include <QObject>
#include <QString>

#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "songs/SongsList.h"

class Dialogs;

namespace creator {

inline constexpr int kFps = 25;
inline const QString kTitle = QStringLiteral("KORVOprl");

class CreatorList : public QObject {
  Q_OBJECT

 public:
  explicit CreatorList(QObject* parent = nullptr);

  SongsList& List() { return list_; }
  const SongsList& List() const { return list_; }
  SongsListModel& Model() { return list_.Model(); }
  int Count() const { return list_.Count(); }
  // The list's play log, which stays off: the creator keeps none.
  PlayLog& Log() { return log_; }

  // Set by every change to the rows, cleared by a successful save.
  bool Modified() const { return modified_; }
  void SetModified(bool on);
  // Runs a change to the rows that does not count as an edit (the favourites read at start).
  template <typename F>
  void Unmarked(F&& change) {
    const bool was = modified_;
    change();
    SetModified(was);
  }

  QString Status() const { return status_; }
  void SetStatus(const QString& text);
  // The total time display ("00:00:00:00" when empty).
  QString Total() const { return list_.ListDuration(); }
  // The sum of the durations that are exactly 11 characters long.
  void RecomputeTotal();
  // Rows whose duration is empty or "00:00:00:00".
  int UnmeasuredCount() const;

  // "NEW": asks "Clear all items?" when the list is modified; false when answered No.
  bool New(Dialogs& dialogs);
  void DeleteClip();
  void MoveUp() { MoveCurrent(-1); }
  void MoveDown() { MoveCurrent(+1); }

 signals:
  void modifiedChanged(bool modified);
  void statusChanged(const QString& text);

 private:
  void MoveCurrent(int step);

  // The creator keeps no play log: the list's log is never switched on.
  SystemClock clock_;
  PlayLog log_;
  SongsList list_;
  bool modified_ = false;
  QString status_;
};

}  // namespace creator
