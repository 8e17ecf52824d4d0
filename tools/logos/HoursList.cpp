#include "tools/logos/HoursList.h"

#include <algorithm>

QStringList HourPickerTimes() {
  QStringList times;
  for (int m = 0; m < 24 * 60; m += 5) times << QString::asprintf("%02d:%02d", m / 60, m % 60);
  return times;
}

QStringList BlockCriteria() {
  QStringList criteria;
  for (int m = 0; m < 60; m += 5) criteria << QString::asprintf("%02d", m);
  criteria << QStringLiteral("ALL");
  return criteria;
}

bool IsBlockTime(const QString& text) {
  if (text.size() != 5 || text[2] != u':') return false;
  for (int i : {0, 1, 3, 4})
    if (!text[i].isDigit() || text[i].unicode() > u'9') return false;
  return text.left(2).toInt() < 24 && text.mid(3).toInt() < 60;
}

int HoursList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant HoursList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role == Qt::DisplayRole) return TimeAt(index.row());
  if (role == Qt::CheckStateRole) return TickedAt(index.row()) ? Qt::Checked : Qt::Unchecked;
  return {};
}

bool HoursList::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= Count() || role != Qt::CheckStateRole) return false;
  SetTicked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

Qt::ItemFlags HoursList::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant HoursList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 0) return QStringLiteral("Blocks");
  return {};
}

bool HoursList::Contains(const QString& time) const {
  return std::any_of(rows_.begin(), rows_.end(), [&](const Row& r) { return r.time == time; });
}

QStringList HoursList::Times() const {
  QStringList out;
  for (const Row& r : rows_) out << r.time;
  return out;
}

QStringList HoursList::TickedTimes() const {
  QStringList out;
  for (const Row& r : rows_)
    if (r.ticked) out << r.time;
  return out;
}

bool HoursList::InsertTicked(int row, const QString& time) {
  if (Contains(time)) return false;
  row = std::clamp(row, 0, Count());
  beginInsertRows({}, row, row);
  rows_.insert(row, Row{time, true});
  endInsertRows();
  return true;
}

void HoursList::SetTicked(int row, bool on) {
  if (row < 0 || row >= Count() || rows_[row].ticked == on) return;
  rows_[row].ticked = on;
  const QModelIndex at = index(row);
  emit dataChanged(at, at, {Qt::CheckStateRole});
}

void HoursList::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}
