// Shuffles the songs list with the program's one rand generator, so a list shuffles the
// same way after every start. The marked and the selected clip keep their marks.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class CrtRand;
class PlayLog;
class SongsList;

// The order a shuffle gives to n items: element i is the original row that ends up at
// row i. Draws exactly n numbers from rand.
std::vector<int> ShuffleOrder(int n, CrtRand& rand);

class ListShuffler {
 public:
  using StatusSink = std::function<void(const QString&)>;

  ListShuffler(SongsList& list, CrtRand& rand, PlayLog& log, StatusSink status);

  void ShufflePlayList();

 private:
  SongsList& list_;
  CrtRand& rand_;
  PlayLog& log_;
  StatusSink status_;
};
