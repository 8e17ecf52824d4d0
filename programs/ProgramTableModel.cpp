#include "programs/ProgramTableModel.h"

ProgramTableModel::ProgramTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int ProgramTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int ProgramTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ProgramEntry::kFieldCount;
}

QVariant ProgramTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || role != Qt::DisplayRole) return {};
  return rows_[index.row()].fields[index.column()];
}

QString ProgramTableModel::Header(ProgramEntry::Field field) {
  static const char* const kHeaders[ProgramEntry::kFieldCount] = {
      "Play List", "Creation Date", "Owner",        "Clips",        "Duration",
      "Style",     "Descreption",   "Date to play", "Time to play", "Suffle On Load"};
  return QString::fromLatin1(kHeaders[field]);
}

QVariant ProgramTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ProgramEntry::kFieldCount)
    return {};
  return Header(ProgramEntry::Field(section));
}

void ProgramTableModel::Append(ProgramEntry entry) {
  beginInsertRows({}, Count(), Count());
  rows_.append(std::move(entry));
  endInsertRows();
}

void ProgramTableModel::Replace(QList<ProgramEntry> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

bool ProgramTableModel::Remove(int row) {
  if (row < 0 || row >= Count()) return false;
  beginRemoveRows({}, row, row);
  rows_.removeAt(row);
  endRemoveRows();
  return true;
}
