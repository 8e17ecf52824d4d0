// The rows of the songs list. A plain table model over a vector so that a list of a
// hundred thousand clips costs one vector and no widget per row. Pictures, fonts and
// colours are the view's (songs/ui).
#pragma once

#include "songs/ClipEntry.h"

#include <QAbstractTableModel>

#include <vector>

class SongsListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTitleColumn = 0, kPathColumn = 1, kDurationColumn = 2, kColumnCount = 3 };
  // Picture of a row: 0 ordinary clip, 1 advert clip.
  static constexpr int kPictureRole = Qt::UserRole + 1;
  // True for the marked (hot) row, the one on air.
  static constexpr int kMarkedRole = Qt::UserRole + 2;

  explicit SongsListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int Count() const { return static_cast<int>(rows_.size()); }
  const ClipEntry& At(int row) const { return rows_[static_cast<size_t>(row)]; }
  const std::vector<ClipEntry>& Rows() const { return rows_; }

  // Inserts the entries at row (clamped to the list), in their order; gives each an id.
  void Insert(int row, std::vector<ClipEntry> entries);
  bool Remove(int row);
  void Clear();
  // Replaces every row at once, keeping the entries' ids (a shuffle).
  void Replace(std::vector<ClipEntry> rows);
  void SetDuration(int row, const QString& duration);
  void SetTitleAndPath(int row, const QString& title, const QString& path);

  // The row whose id is id, looking at hint first; -1 when the row is gone.
  int RowOfId(std::uint64_t id, int hint = -1) const;

  // The marked (hot) row, -1 for none; it moves with its clip on inserts and removals.
  int MarkedRow() const { return marked_; }
  void SetMarkedRow(int row);

 private:
  void EmitRowChanged(int row);

  std::vector<ClipEntry> rows_;
  std::uint64_t nextId_ = 1;
  int marked_ = -1;
};
