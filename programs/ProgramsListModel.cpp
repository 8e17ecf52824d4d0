#include "programs/ProgramsListModel.h"

ProgramsListModel::ProgramsListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ProgramsListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int ProgramsListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ProgramsListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || role != Qt::DisplayRole) return {};
  const ProgramRow& r = rows_[index.row()];
  switch (index.column()) {
    case kPlayListColumn:
      return r.playList;
    case kDateColumn:
      return r.dateToPlay;
    case kTimeColumn:
      return r.time;
    case kShuffleColumn:
      return r.shuffle;
    case kNameColumn:
      return r.name;
    default:
      return {};
  }
}

QVariant ProgramsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeaders[kColumnCount] = {"Play List", "---", "Time", "Suffle", "Program Name"};
  return section >= 0 && section < kColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

void ProgramsListModel::Replace(QList<ProgramRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

bool ProgramsListModel::Remove(int row) {
  if (row < 0 || row >= Count()) return false;
  beginRemoveRows({}, row, row);
  rows_.removeAt(row);
  endRemoveRows();
  return true;
}

void ProgramsListModel::Clear() {
  if (rows_.isEmpty()) return;
  Replace({});
}
