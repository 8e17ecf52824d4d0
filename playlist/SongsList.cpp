#include "playlist/SongsList.h"

#include "formats/TimeText.h"
#include "platform/PlayLog.h"

#include <QItemSelectionModel>
#include <QTableView>

SongsList::SongsList(SongsListModel& model, QTableView& view, PlayLog& log)
    : model_(model), view_(view), log_(log), listDuration_(QString::fromLatin1(timetext::kUnmeasured)) {
  header_.Reset();
}

int SongsList::SelectedRow() const {
  const QItemSelectionModel* sel = view_.selectionModel();
  if (!sel) return -1;
  const QModelIndex current = sel->currentIndex();
  if (current.isValid() && sel->isRowSelected(current.row(), {})) return current.row();
  const QModelIndexList rows = sel->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

int SongsList::CurrentItem() {
  if (Count() == 0) return -1;
  int row = SelectedRow();
  if (row < 0) {
    row = view_.rowAt(0);
    // A view that was never laid out has no visible rows; its top is the first row.
    if (row < 0) row = 0;
  }
  SelectItem(row);
  return row;
}

void SongsList::SelectItem(int row) {
  if (row < 0 || row >= Count()) return;
  const QModelIndex index = model_.index(row, SongsListModel::kTitleColumn);
  view_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view_.scrollTo(index);
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

void SongsList::ClearSongsList() {
  model_.Clear();
  UpdateClipCount();
  SetListDuration(QString::fromLatin1(timetext::kUnmeasured));
  header_.Reset();
  log_.WritePlayLog(QStringLiteral("APP"), QStringLiteral("Play List Initialized"), QString());
}
