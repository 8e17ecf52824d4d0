// Puts an advert block into the running songs list: its spots go in at the list's current
// item, ahead of the clip that was current, and the first of them into a free Player, so
// the automatic mix plays them next.
#pragma once

#include <QString>

class AdvertList;
class PlayerFeed;
class SongsList;

class AdvertInsertion {
 public:
  AdvertInsertion(AdvertList& adverts, SongsList& songs, PlayerFeed& feed);

  // Every row of the adverts list whose block equals blockTime exactly, in list order,
  // becomes a songs-list row titled "* <block> <name>" (the advert mark) with the spot's
  // clip path and no duration; the first such row of the adverts list is selected. The
  // row now at the insertion point is selected and loaded into a free Player, even when
  // the block had no spots left. Clips missing on disk go in all the same: the loader
  // passes over them when their turn comes. Returns 1.
  int InsertAdvertBlock(const QString& blockTime);

 private:
  AdvertList& adverts_;
  SongsList& songs_;
  PlayerFeed& feed_;
};
