#include "songs/SongsListModel.h"

#include <algorithm>

SongsListModel::SongsListModel(QObject* parent) : QAbstractTableModel(parent) {}

int SongsListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int SongsListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant SongsListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  const ClipEntry& e = At(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (index.column() == kTitleColumn) return e.title;
      if (index.column() == kPathColumn) return e.path;
      if (index.column() == kDurationColumn) return e.duration;
      return {};
    case kPictureRole:
      return IsAdvertTitle(e.title) ? 1 : 0;
    case kMarkedRole:
      return index.row() == marked_;
    default:
      return {};
  }
}

QVariant SongsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kTitleColumn: return QStringLiteral("Audio Clip Title");
    case kPathColumn: return QStringLiteral("Audio Clip URL & Title");
    case kDurationColumn: return QStringLiteral("Duration");
    default: return {};
  }
}

void SongsListModel::Insert(int row, std::vector<ClipEntry> entries) {
  if (entries.empty()) return;
  row = std::clamp(row, 0, Count());
  const int n = static_cast<int>(entries.size());
  for (ClipEntry& e : entries) e.id = nextId_++;
  beginInsertRows({}, row, row + n - 1);
  rows_.insert(rows_.begin() + row, std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
  if (marked_ >= row) marked_ += n;
  endInsertRows();
}

bool SongsListModel::Remove(int row) {
  if (row < 0 || row >= Count()) return false;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  if (marked_ == row)
    marked_ = -1;
  else if (marked_ > row)
    --marked_;
  endRemoveRows();
  return true;
}

void SongsListModel::Clear() {
  beginResetModel();
  rows_.clear();
  rows_.shrink_to_fit();
  marked_ = -1;
  endResetModel();
}

void SongsListModel::Replace(std::vector<ClipEntry> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  for (ClipEntry& e : rows_)
    if (e.id == 0) e.id = nextId_++;
  marked_ = -1;
  endResetModel();
}

void SongsListModel::SetDuration(int row, const QString& duration) {
  if (row < 0 || row >= Count()) return;
  rows_[static_cast<size_t>(row)].duration = duration;
  emit dataChanged(index(row, kDurationColumn), index(row, kDurationColumn), {Qt::DisplayRole});
}

void SongsListModel::SetTitleAndPath(int row, const QString& title, const QString& path) {
  if (row < 0 || row >= Count()) return;
  ClipEntry& e = rows_[static_cast<size_t>(row)];
  e.title = title;
  e.path = path;
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

int SongsListModel::RowOfId(std::uint64_t id, int hint) const {
  // Rows shift by a few places when others are inserted or removed, so look outward from
  // the hint rather than from the top.
  const int n = Count();
  hint = std::clamp(hint, 0, std::max(0, n - 1));
  for (int d = 0; d < n; ++d) {
    const int below = hint + d, above = hint - d;
    if (below >= n && above < 0) break;
    if (below < n && At(below).id == id) return below;
    if (above >= 0 && At(above).id == id) return above;
  }
  return -1;
}

void SongsListModel::SetMarkedRow(int row) {
  if (row < -1 || row >= Count()) row = -1;
  const int old = marked_;
  marked_ = row;
  EmitRowChanged(old);
  EmitRowChanged(marked_);
}

void SongsListModel::EmitRowChanged(int row) {
  if (row >= 0 && row < Count()) emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}
