#include "songs/SongsList.h"

#include "formats/TimeText.h"
#include "platform/PlayLog.h"

SongsList::SongsList(PlayLog& log, QObject* parent)
    : QObject(parent), log_(log), listDuration_(QString::fromLatin1(timetext::kUnmeasured)) {
  header_.Reset();
  FollowRows(selection_, model_, this, [this] { emit selectionChanged(-1); });
}

int SongsList::SelectedRow() const { return selection_.Row(Count()); }

int SongsList::CurrentItem() {
  const int row = selection_.RowToActOn(Count());
  // Shown as chosen again even when it was: the view scrolls to it.
  if (row >= 0) emit selectionChanged(row);
  return row;
}

void SongsList::SelectItem(int row) {
  if (selection_.Choose(row, Count())) emit selectionChanged(row);
}

void SongsList::NoteSelected(int row) { selection_.Note(row, Count()); }

void SongsList::ShowRow(int row) {
  if (row >= 0 && row < Count()) emit showRowRequested(row);
}

void SongsList::SelectNext() {
  if (Count() == 0) return;
  const int row = CurrentItem();
  SelectItem(row + 1 >= Count() ? 0 : row + 1);
}

void SongsList::SelectPrevious() {
  if (Count() == 0) return;
  const int row = CurrentItem();
  SelectItem(row <= 0 ? Count() - 1 : row - 1);
}

int SongsList::InsertAtCurrent(std::vector<ClipEntry> entries) {
  const int at = Count() == 0 ? 0 : CurrentItem();
  model_.Insert(at, std::move(entries));
  return at;
}

void SongsList::UpdateClipCount() { emit clipCountChanged(Count()); }

void SongsList::SetListDuration(const QString& text) {
  listDuration_ = text;
  emit listDurationChanged(listDuration_);
}

void SongsList::SetClipInfoText(const QString& text) {
  if (text == clipInfo_) return;
  clipInfo_ = text;
  emit clipInfoTextChanged(clipInfo_);
}

void SongsList::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  emit busyChanged(busy_);
}

void SongsList::ClearSongsList() {
  model_.Clear();
  UpdateClipCount();
  SetListDuration(QString::fromLatin1(timetext::kUnmeasured));
  header_.Reset();
  log_.WritePlayLog(QStringLiteral("APP"), QStringLiteral("Play List Initialized"), QString());
}
