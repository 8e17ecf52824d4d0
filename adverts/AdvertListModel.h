// The rows of the adverts list, one AdvertSpot each: "Block", "Clip" (the clip path, a
// hidden column) and "AD Name". A plain table model; widths and looks are the view's.
#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "formats/AdvertSpot.h"

class AdvertListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kBlockColumn = 0, kClipColumn = 1, kNameColumn = 2, kColumnCount = 3 };

  explicit AdvertListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int Count() const { return int(rows_.size()); }
  const AdvertSpot& At(int row) const { return rows_[row]; }
  const QList<AdvertSpot>& Rows() const { return rows_; }

  // Inserts at row, clamped to the list.
  void Insert(int row, AdvertSpot spot);
  void Append(QList<AdvertSpot> spots);
  bool Remove(int row);
  void Clear();

 private:
  QList<AdvertSpot> rows_;
};
