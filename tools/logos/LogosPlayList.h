// The advert play list under construction: one row per spot ("Time", "Tape ID",
// "Description", "Clip File Name", "Clip time"), grouped into blocks by their time, with
// its selection, the insertion point of a new spot (BlockPosition), moves that keep a
// spot in its block, and the hidden list of the block times the last EPL files brought.
// A table model; widths and looks are the view's. GUI thread only.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "formats/AdvertSpot.h"
#include "platform/ListSelection.h"

enum class InsertRule { FirstInBlock, LastInBlock, Selected };

struct InsertionRules {
  InsertRule rule = InsertRule::FirstInBlock;
  // For Selected: the new spot becomes this one of its block (1 the first).
  int position = 1;
  // A block missing from the list is made, in time order.
  bool create = true;
};

struct PlayListRow {
  AdvertSpot spot;
  // "00:00:00:00" for inserted rows, empty for rows read from an EPL file.
  QString clipTime;
  bool operator==(const PlayListRow&) const = default;
};

class LogosPlayList : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTimeColumn, kCodeColumn, kDescriptionColumn, kPathColumn, kClipTimeColumn, kColumnCount };
  // MoveUp/MoveDown: the block has only this spot.
  static constexpr int kOnlyOneSpot = -1;

  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int Count() const { return int(rows_.size()); }
  const PlayListRow& At(int row) const { return rows_[row]; }
  const QList<PlayListRow>& Rows() const { return rows_; }
  QList<AdvertSpot> Spots() const;
  // Rows whose time equals the time exactly.
  int BlockSize(const QString& time) const;

  // Where a spot of this time goes by the rules, or nothing when its block is missing and
  // may not be made. Within a block that a file left in pieces the n-th spot of the block
  // is the n-th row of that time, so a new spot never lands among another block's rows.
  std::optional<int> BlockPosition(const QString& time, const InsertionRules& rules) const;

  void Insert(int row, PlayListRow r);
  bool Remove(int row);
  // Every row whose clip path equals the path exactly; how many went.
  int RemoveWithPath(const QString& path);
  void Clear();
  // One place up or down within its block, the moved row selected: 1 when it moved, 0 at
  // the edge of its block, kOnlyOneSpot when the block holds no other spot.
  int MoveUp(int row);
  int MoveDown(int row);
  // Rows whose clip path is empty or names no readable file.
  int MissingClips() const;
  // Rows whose clip code equals that of the row.
  int References(int row) const;

  // The selected row, else the topmost visible row (which then becomes selected); -1 when
  // the list is empty.
  int TargetRow();
  int SelectedRow() const { return selection_.Row(Count()); }
  void SelectRow(int row);
  // The view's own selection moved (a click): taken without a signal back.
  void NoteSelected(int row) { selection_.Note(row, Count()); }
  void SetTopRowSource(std::function<int()> topRow) { selection_.SetTopRowSource(std::move(topRow)); }

  // The distinct block times of the EPL files read, in file order.
  const QStringList& BlockTimes() const { return blockTimes_; }
  void AddBlockTime(const QString& time);
  void ClearBlockTimes() { blockTimes_.clear(); }

 signals:
  void selectionChanged(int row);

 private:
  int Move(int row, int step);

  QList<PlayListRow> rows_;
  QStringList blockTimes_;
  ListSelection selection_;
};
