// The hours ("Blocks") list: block times HH:MM, each at most once (exact comparison), each
// with a tick that chooses it for multi insertion. A one-column list model; the view
// shows the ticks as check boxes and hands the user's clicks back through setData.
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

// The hour picker's entries: the 288 times of the day in steps of five minutes.
QStringList HourPickerTimes();
// The picker entry chosen at start, 11:55.
inline constexpr int kStartHourIndex = 143;
// The block criterion picker's entries: "00", "05" ... "55", then "ALL".
QStringList BlockCriteria();
// A time of the day as "HH:MM", two digits each.
bool IsBlockTime(const QString& text);

class HoursList : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int Count() const { return int(rows_.size()); }
  const QString& TimeAt(int row) const { return rows_[row].time; }
  bool TickedAt(int row) const { return rows_[row].ticked; }
  bool Contains(const QString& time) const;
  QStringList Times() const;
  // The ticked times from the top.
  QStringList TickedTimes() const;

  // Inserts a ticked row at the index, clamped to the list; false when the time is there.
  bool InsertTicked(int row, const QString& time);
  void SetTicked(int row, bool on);
  void Clear();

 private:
  struct Row {
    QString time;
    bool ticked = true;
  };
  QList<Row> rows_;
};
