// The main window's programs list: the day programs of the table that have not fired yet,
// one row each, with the columns "Play List" and "---" (hidden), "Time", "Suffle"
// (hidden) and "Program Name". A plain table model; widths and looks are the view's.
#pragma once

#include <QAbstractTableModel>
#include <QList>

struct ProgramRow {
  QString playList;
  QString dateToPlay;
  QString time;     // "HH:MM"
  QString shuffle;  // "1" shuffle when loaded
  QString name;     // the table's style
  bool operator==(const ProgramRow&) const = default;
};

class ProgramsListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kPlayListColumn, kDateColumn, kTimeColumn, kShuffleColumn, kNameColumn, kColumnCount };

  explicit ProgramsListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int Count() const { return int(rows_.size()); }
  const ProgramRow& At(int row) const { return rows_[row]; }
  const QList<ProgramRow>& Rows() const { return rows_; }

  void Replace(QList<ProgramRow> rows);
  bool Remove(int row);
  void Clear();

 private:
  QList<ProgramRow> rows_;
};
