// The automatic mix's view of the songs list.
#pragma once

#include "mix/MixPorts.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"

class SongsListMixPort final : public MixList {
 public:
  SongsListMixPort(SongsList& list, PlayerFeed& feed) : list_(list), feed_(feed) {}

  int Count() const override { return list_.Count(); }
  int CurrentIndex() override { return list_.CurrentItem(); }
  void MarkHot(int index) override { list_.Model().SetMarkedRow(index); }
  void LoadNextIntoPlayer() override { feed_.LoadNextIntoPlayer(); }

 private:
  SongsList& list_;
  PlayerFeed& feed_;
};
