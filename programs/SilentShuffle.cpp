#include "programs/SilentShuffle.h"

#include "songs/ListShuffler.h"
#include "songs/SongsList.h"

void ShuffleSilently(SongsList& list, CrtRand& rand) {
  if (list.Count() == 0) return;
  list.SetBusy(true);
  SongsListModel& model = list.Model();
  // The same draws as the work-list shuffle: every row taken out and put back at the top.
  const std::vector<int> order = ShuffleOrder(model.Count(), rand);
  std::vector<ClipEntry> rows;
  rows.reserve(order.size());
  for (int from : order) rows.push_back(model.At(from));
  model.Replace(std::move(rows));
  list.SetBusy(false);
}
