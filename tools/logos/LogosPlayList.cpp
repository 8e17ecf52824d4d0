#include "tools/logos/LogosPlayList.h"

#include <QFile>
#include <algorithm>

#include "platform/Paths.h"

namespace {

// Hours * 60 + minutes of "HH:MM"; fields that are not numbers count 0.
int BlockMinutes(const QString& time) { return time.left(2).toInt() * 60 + time.mid(3, 2).toInt(); }

}  // namespace

int LogosPlayList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int LogosPlayList::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant LogosPlayList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const PlayListRow& r = At(index.row());
  switch (index.column()) {
    case kTimeColumn:
      return r.spot.blockTime;
    case kCodeColumn:
      return r.spot.clipCode;
    case kDescriptionColumn:
      return r.spot.name;
    case kPathColumn:
      return r.spot.clipPath;
    case kClipTimeColumn:
      return r.clipTime;
    default:
      return {};
  }
}

QVariant LogosPlayList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeaders[kColumnCount] = {"Time", "Tape ID", "Description", "Clip File Name", "Clip time"};
  return section >= 0 && section < kColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

QList<AdvertSpot> LogosPlayList::Spots() const {
  QList<AdvertSpot> spots;
  spots.reserve(Count());
  for (const PlayListRow& r : rows_) spots.append(r.spot);
  return spots;
}

int LogosPlayList::BlockSize(const QString& time) const {
  return int(std::count_if(rows_.begin(), rows_.end(), [&](const PlayListRow& r) { return r.spot.blockTime == time; }));
}

std::optional<int> LogosPlayList::BlockPosition(const QString& time, const InsertionRules& rules) const {
  QList<int> block;
  for (int i = 0; i < Count(); ++i)
    if (rows_[i].spot.blockTime == time) block.append(i);
  if (block.isEmpty() && !rules.create) return std::nullopt;
  if (rows_.isEmpty()) return 0;
  if (!block.isEmpty()) {
    const int after = block.last() + 1;
    switch (rules.rule) {
      case InsertRule::FirstInBlock:
        return block.first();
      case InsertRule::LastInBlock:
        return after;
      case InsertRule::Selected: {
        // Before the block's first spot is as far up as a spot of the block can go.
        const int v = std::max(rules.position, 1);
        return v > block.size() ? after : block[v - 1];
      }
    }
  }
  const int minutes = BlockMinutes(time);
  for (int i = 0; i < Count(); ++i)
    if (BlockMinutes(rows_[i].spot.blockTime) > minutes) return i;
  return Count();
}

void LogosPlayList::Insert(int row, PlayListRow r) {
  row = std::clamp(row, 0, Count());
  beginInsertRows({}, row, row);
  rows_.insert(row, std::move(r));
  endInsertRows();
  selection_.RowsInserted(row, row);
}

bool LogosPlayList::Remove(int row) {
  if (row < 0 || row >= Count()) return false;
  beginRemoveRows({}, row, row);
  rows_.removeAt(row);
  endRemoveRows();
  if (selection_.RowsRemoved(row, row)) emit selectionChanged(-1);
  return true;
}

int LogosPlayList::RemoveWithPath(const QString& path) {
  // A copy: the path may be that of a row about to go.
  const QString target = path;
  int removed = 0;
  for (int i = Count() - 1; i >= 0; --i)
    if (rows_[i].spot.clipPath == target) removed += Remove(i) ? 1 : 0;
  return removed;
}

void LogosPlayList::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
  selection_.Clear();
  emit selectionChanged(-1);
}

int LogosPlayList::MoveUp(int row) { return Move(row, -1); }

int LogosPlayList::MoveDown(int row) { return Move(row, +1); }

int LogosPlayList::Move(int row, int step) {
  if (row < 0 || row >= Count()) return 0;
  const QString& time = rows_[row].spot.blockTime;
  if (BlockSize(time) == 1) return kOnlyOneSpot;
  // The neighbour must be of the same block: a spot never crosses into another one.
  const int to = row + step;
  if (to < 0 || to >= Count() || rows_[to].spot.blockTime != time) return 0;
  // Qt counts a move down as "before the row after the neighbour".
  beginMoveRows({}, row, row, {}, step > 0 ? to + 1 : to);
  rows_.move(row, to);
  endMoveRows();
  SelectRow(to);
  return 1;
}

int LogosPlayList::MissingClips() const {
  return int(std::count_if(rows_.begin(), rows_.end(), [](const PlayListRow& r) {
    if (r.spot.clipPath.isEmpty()) return true;
    QFile clip(paths::FindCaseInsensitive(r.spot.clipPath));
    return !clip.open(QIODevice::ReadOnly);
  }));
}

int LogosPlayList::References(int row) const {
  if (row < 0 || row >= Count()) return 0;
  const QString& code = rows_[row].spot.clipCode;
  return int(std::count_if(rows_.begin(), rows_.end(), [&](const PlayListRow& r) { return r.spot.clipCode == code; }));
}

int LogosPlayList::TargetRow() {
  const bool chosen = SelectedRow() >= 0;
  const int row = selection_.RowToActOn(Count());
  if (!chosen && row >= 0) emit selectionChanged(row);
  return row;
}

void LogosPlayList::SelectRow(int row) {
  if (selection_.Choose(row, Count())) emit selectionChanged(row);
}

void LogosPlayList::AddBlockTime(const QString& time) {
  if (!blockTimes_.contains(time)) blockTimes_.append(time);
}
