// The chosen row of a list, kept as a list control keeps it: it follows its row as rows
// come and go and is lost with it. An operation that needs a row to act on takes the
// chosen one, else the top row the view shows, else the first.
#pragma once

#include <functional>
#include <utility>

class QAbstractItemModel;
class QObject;

class ListSelection {
 public:
  // -1 when nothing (or a row that no longer exists) is chosen.
  int Row(int count) const { return row_ >= 0 && row_ < count ? row_ : -1; }
  // Out of range chooses nothing; false then.
  bool Choose(int row, int count) {
    if (row < 0 || row >= count) return false;
    row_ = row;
    return true;
  }
  // What the view reports was chosen there; a row out of range clears the choice.
  void Note(int row, int count) { row_ = row >= 0 && row < count ? row : -1; }
  void Clear() { row_ = -1; }
  void SetTopRowSource(std::function<int()> topRow) { topRow_ = std::move(topRow); }

  // The row to act on: the chosen one, or the top row (the first when the view was never
  // laid out and has none) chosen now. -1 for an empty list.
  int RowToActOn(int count) {
    if (count <= 0) return -1;
    if (const int chosen = Row(count); chosen >= 0) return chosen;
    int row = topRow_ ? topRow_() : 0;
    if (row < 0 || row >= count) row = 0;
    row_ = row;
    return row;
  }

  void RowsInserted(int first, int last) {
    if (row_ >= first) row_ += last - first + 1;
  }
  // True when the chosen row itself went.
  bool RowsRemoved(int first, int last) {
    if (row_ < first) return false;
    if (row_ > last) {
      row_ -= last - first + 1;
      return false;
    }
    row_ = -1;
    return true;
  }

 private:
  std::function<int()> topRow_;
  int row_ = -1;
};

// Keeps the choice on its row while the model's rows come and go, until owner goes; lost
// runs when the chosen row itself went or the model was reset.
void FollowRows(ListSelection& selection, QAbstractItemModel& model, QObject* owner, std::function<void()> lost);
