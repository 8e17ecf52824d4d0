#include "adverts/AdvertInsertion.h"

#include <vector>

#include "adverts/AdvertList.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"

AdvertInsertion::AdvertInsertion(AdvertList& adverts, SongsList& songs, PlayerFeed& feed)
    : adverts_(adverts), songs_(songs), feed_(feed) {}

int AdvertInsertion::InsertAdvertBlock(const QString& blockTime) {
  std::vector<ClipEntry> clips;
  for (int row = 0; row < adverts_.Count(); ++row) {
    const AdvertSpot& spot = adverts_.At(row);
    if (spot.blockTime != blockTime) continue;
    if (clips.empty()) adverts_.SelectRow(row);
    ClipEntry clip;
    clip.title = QStringLiteral("* ") + blockTime + u' ' + spot.name;
    clip.path = spot.clipPath;
    clips.push_back(std::move(clip));
  }
  const bool inserted = !clips.empty();
  const int at = songs_.InsertAtCurrent(std::move(clips));
  if (inserted) songs_.UpdateClipCount();
  songs_.SelectItem(at);
  feed_.LoadSelectedIntoPlayer(at);
  return 1;
}
