// The block list: the distinct block times still to come, sorted, each at most once
// (compared exactly), and the entry it shows as chosen.
#pragma once

#include <QString>
#include <QStringList>

class BlockList {
 public:
  const QStringList& Entries() const { return entries_; }
  int Count() const { return int(entries_.size()); }
  const QString& At(int index) const { return entries_[index]; }
  bool Contains(const QString& time) const { return entries_.contains(time); }

  // Adds the time in its sorted place unless an entry equals it; true when added.
  bool Add(const QString& time);
  void RemoveAt(int index);
  void Clear();

  // The chosen entry, -1 for none; it stays on its entry as others come and go.
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index >= 0 && index < Count() ? index : -1; }

 private:
  QStringList entries_;
  int index_ = -1;
};
