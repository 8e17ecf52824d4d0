#include "tools/prlcreator/CreatorList.h"

#include "formats/TimeText.h"
#include "platform/Dialogs.h"
#include "songs/StatusTexts.h"

namespace creator {

CreatorList::CreatorList(QObject* parent) : QObject(parent), log_(clock_, QString()), list_(log_) {
  // Any change to the rows is an edit; no operation has to remember to say so.
  SongsListModel& m = list_.Model();
  const auto edited = [this] { SetModified(true); };
  connect(&m, &QAbstractItemModel::rowsInserted, this, edited);
  connect(&m, &QAbstractItemModel::rowsRemoved, this, edited);
  connect(&m, &QAbstractItemModel::modelReset, this, edited);
  connect(&m, &QAbstractItemModel::dataChanged, this, edited);
  status_ = texts::kReady;
}

void CreatorList::SetModified(bool on) {
  if (on == modified_) return;
  modified_ = on;
  emit modifiedChanged(on);
}

void CreatorList::SetStatus(const QString& text) {
  status_ = text;
  emit statusChanged(text);
}

void CreatorList::RecomputeTotal() {
  qint64 ms = 0;
  for (const ClipEntry& e : Model().Rows())
    if (e.duration.size() == timetext::kDurationLength)
      ms += timetext::MillisecondsFromFrames(timetext::DurationToFrames(e.duration, kFps), kFps);
  list_.SetListDuration(timetext::FormatFrames(timetext::FramesFromMilliseconds(ms, kFps), kFps));
}

int CreatorList::UnmeasuredCount() const {
  int n = 0;
  for (const ClipEntry& e : list_.Model().Rows())
    if (e.duration.isEmpty() || e.duration == QLatin1String(timetext::kUnmeasured)) ++n;
  return n;
}

bool CreatorList::New(Dialogs& dialogs) {
  if (modified_ && dialogs.Message(QStringLiteral("Clear all items?"), kTitle, Dialogs::Icon::Question,
                                   Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) != Dialogs::Answer::Yes)
    return false;
  // Emptying the list is no edit of its own: a list that was saved stays saved.
  Unmarked([this] { list_.ClearSongsList(); });
  SetStatus(texts::kReady);
  return true;
}

void CreatorList::DeleteClip() {
  const int row = list_.CurrentItem();
  if (row < 0) return;
  Model().Remove(row);
  if (Count() == 0) {
    list_.SetListDuration(QString::fromLatin1(timetext::kUnmeasured));
    return;
  }
  const int next = row < Count() ? row : Count() - 1;
  list_.SelectItem(next);
  list_.ShowRow(next);
  RecomputeTotal();
}

void CreatorList::MoveCurrent(int step) {
  const int row = list_.CurrentItem();
  if (row < 0) return;
  const int to = row + step;
  if (to < 0 || to >= Count()) return;  // first up or last down: nothing changes
  ClipEntry entry = Model().At(row);
  Model().Remove(row);
  Model().Insert(to, {entry});
  list_.SelectItem(to);
  list_.ShowRow(to);
}

}  // namespace creator
