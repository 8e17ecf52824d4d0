#include "adverts/AdvertListModel.h"

#include <algorithm>

AdvertListModel::AdvertListModel(QObject* parent) : QAbstractTableModel(parent) {}

int AdvertListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int AdvertListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant AdvertListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const AdvertSpot& s = At(index.row());
  switch (index.column()) {
    case kBlockColumn: return s.blockTime;
    case kClipColumn: return s.clipPath;
    case kNameColumn: return s.name;
    default: return {};
  }
}

QVariant AdvertListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kBlockColumn: return QStringLiteral("Block");
    case kClipColumn: return QStringLiteral("Clip");
    case kNameColumn: return QStringLiteral("AD Name");
    default: return {};
  }
}

void AdvertListModel::Insert(int row, AdvertSpot spot) {
  row = std::clamp(row, 0, Count());
  beginInsertRows({}, row, row);
  rows_.insert(row, std::move(spot));
  endInsertRows();
}

void AdvertListModel::Append(QList<AdvertSpot> spots) {
  if (spots.isEmpty()) return;
  beginInsertRows({}, Count(), Count() + int(spots.size()) - 1);
  rows_.append(std::move(spots));
  endInsertRows();
}

bool AdvertListModel::Remove(int row) {
  if (row < 0 || row >= Count()) return false;
  beginRemoveRows({}, row, row);
  rows_.removeAt(row);
  endRemoveRows();
  return true;
}

void AdvertListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}
