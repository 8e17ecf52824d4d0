#include "songs/ListShuffler.h"

#include "platform/PlayLog.h"
#include "songs/CrtRand.h"
#include "songs/SongsList.h"


namespace {

// Which items are still in the work list, with the r-th remaining one found in log n
// steps; taking items out of a plain list one by one costs n squared moves on a large list.
class RemainingItems {
 public:
  explicit RemainingItems(int n) : tree_(static_cast<size_t>(n) + 1, 0) {
    for (int i = 1; i <= n; ++i) {
      tree_[static_cast<size_t>(i)] += 1;
      const int parent = i + (i & -i);
      if (parent <= n) tree_[static_cast<size_t>(parent)] += tree_[static_cast<size_t>(i)];
    }
    for (step_ = 1; step_ * 2 <= n; step_ *= 2) {}
  }

  // Removes and returns the position (0-based) of the r-th remaining item (0-based).
  int Take(int r) {
    const int n = static_cast<int>(tree_.size()) - 1;
    int pos = 0;
    int left = r + 1;
    for (int step = step_; step > 0; step /= 2) {
      const int next = pos + step;
      if (next <= n && tree_[static_cast<size_t>(next)] < left) {
        pos = next;
        left -= tree_[static_cast<size_t>(next)];
      }
    }
    for (int i = pos + 1; i <= n; i += i & -i) tree_[static_cast<size_t>(i)] -= 1;
    return pos;
  }

 private:
  std::vector<int> tree_;
  int step_ = 1;
};

}  // namespace

std::vector<int> ShuffleOrder(int n, CrtRand& rand) {
  // The work list holds the items in reverse order; each draw takes one of its remaining
  // items and puts it at the top of the list, so the last one taken ends up first.
  std::vector<int> order(static_cast<size_t>(n));
  RemainingItems work(n);
  for (int left = n; left > 0; --left) {
    const int workPos = work.Take(rand.Next() % left);
    order[static_cast<size_t>(left - 1)] = n - 1 - workPos;
  }
  return order;
}

ListShuffler::ListShuffler(SongsList& list, CrtRand& rand, PlayLog& log, StatusSink status)
    : list_(list), rand_(rand), log_(log), status_(std::move(status)) {}

void ListShuffler::ShufflePlayList() {
  if (list_.Count() == 0) {
    status_(QStringLiteral("Nothing to suffle"));
    return;
  }
  list_.SetBusy(true);

  SongsListModel& model = list_.Model();
  const int marked = model.MarkedRow();
  const std::uint64_t markedId = marked >= 0 ? model.At(marked).id : 0;
  const std::uint64_t currentId = model.At(list_.CurrentItem()).id;

  const std::vector<int> order = ShuffleOrder(model.Count(), rand_);
  std::vector<ClipEntry> rows;
  rows.reserve(order.size());
  int newMarked = -1, newCurrent = -1;
  for (int from : order) {
    const ClipEntry& e = model.At(from);
    if (e.id == markedId) newMarked = static_cast<int>(rows.size());
    if (e.id == currentId) newCurrent = static_cast<int>(rows.size());
    rows.push_back(e);
  }
  model.Replace(std::move(rows));

  status_(QStringLiteral("Ready - Play List Suffled"));
  model.SetMarkedRow(newMarked);
  list_.SelectItem(newCurrent);
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Play List Suffle"), QString());
  list_.SetBusy(false);
}
