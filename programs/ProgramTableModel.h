// The rows of the Day Program Maker's list: whole ProgramEntry lines with the table's ten
// columns, the first row on top. A plain table model; widths and looks are the view's.
#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "formats/ProgramsTable.h"

class ProgramTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ProgramTableModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The dialog's column headers, letter for letter.
  static QString Header(ProgramEntry::Field field);

  int Count() const { return int(rows_.size()); }
  const ProgramEntry& At(int row) const { return rows_[row]; }
  const QList<ProgramEntry>& Rows() const { return rows_; }

  void Append(ProgramEntry entry);
  void Replace(QList<ProgramEntry> rows);
  bool Remove(int row);
  void Clear() { Replace({}); }

 private:
  QList<ProgramEntry> rows_;
};
