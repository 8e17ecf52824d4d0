#include "songs/SongsList.h"

#include "formats/TimeText.h"
#include "platform/PlayLog.h"

SongsList::SongsList(PlayLog& log, QObject* parent)
    : QObject(parent), log_(log), listDuration_(QString::fromLatin1(timetext::kUnmeasured)) {
  header_.Reset();
  // The selection follows its clip as rows come and go, as a list control's does.
  connect(&model_, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex&, int first, int last) { OnRowsInserted(first, last); });
  connect(&model_, &QAbstractItemModel::rowsRemoved, this,
          [this](const QModelIndex&, int first, int last) { OnRowsRemoved(first, last); });
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
    selected_ = -1;
    emit selectionChanged(-1);
  });
}

void SongsList::OnRowsInserted(int first, int last) {
  if (selected_ >= first) selected_ += last - first + 1;
}

void SongsList::OnRowsRemoved(int first, int last) {
  if (selected_ < first) return;
  if (selected_ > last) {
    selected_ -= last - first + 1;
  } else {
    selected_ = -1;
    emit selectionChanged(-1);
  }
}

int SongsList::SelectedRow() const { return selected_ >= 0 && selected_ < Count() ? selected_ : -1; }

int SongsList::CurrentItem() {
  if (Count() == 0) return -1;
  int row = SelectedRow();
  if (row < 0) {
    row = topRow_ ? topRow_() : 0;
    // A view that was never laid out has no visible rows; its top is the first row.
    if (row < 0 || row >= Count()) row = 0;
  }
  SelectItem(row);
  return row;
}

void SongsList::SelectItem(int row) {
  if (row < 0 || row >= Count()) return;
  selected_ = row;
  emit selectionChanged(row);
}

void SongsList::NoteSelected(int row) { selected_ = row >= 0 && row < Count() ? row : -1; }

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
