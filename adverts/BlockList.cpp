#include "adverts/BlockList.h"

#include <algorithm>

bool BlockList::Add(const QString& time) {
  if (Contains(time)) return false;
  // A sorted list box orders without regard to case; exact text keeps the order stable.
  const auto before = [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  };
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), time, before);
  const int row = int(at - entries_.begin());
  entries_.insert(row, time);
  if (index_ >= row) ++index_;
  return true;
}

void BlockList::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  entries_.removeAt(index);
  if (index_ == index)
    index_ = -1;
  else if (index_ > index)
    --index_;
}

void BlockList::Clear() {
  entries_.clear();
  index_ = -1;
}
