// Feeds the decks from the songs list: load the current clip into a free Player, load the
// next one, remove the current clip.
//
// A clip that fails its check on load is removed by the deck (through RemoveCurrentClip)
// and the clip now standing at its place is tried next. That chain runs as a loop here, so
// a list of thousands of unreadable clips cannot grow the stack.
#pragma once

#include <QString>

#include <functional>

class DeckControl;
class PlayLog;
class SongsList;

class PlayerFeed {
 public:
  using StatusSink = std::function<void(const QString&)>;

  PlayerFeed(SongsList& list, DeckControl& decks, PlayLog& log, StatusSink status);

  // 0 when the clip at row (or, if the deck rejected it, a clip after it) went into a free
  // Player; -1 for an empty list, no free Player or a load error.
  int LoadSelectedIntoPlayer(int row);
  // Selects the row after the current one (wrapping) and loads it.
  int LoadNextIntoPlayer();
  // Removes the current row and loads the row now at its place (the first row when the
  // last was removed). Called by the decks while a clip of ours is being loaded, it only
  // removes that clip; the load then goes on with the next one. 0, or -1 when nothing was
  // removed or the list became empty.
  int RemoveCurrentClip();

 private:
  bool RemoveRow(int row);

  SongsList& list_;
  DeckControl& decks_;
  PlayLog& log_;
  StatusSink status_;
  // The row of a load in progress, -1 when none; set to -1 by a removal during the load.
  int loadingRow_ = -1;
  bool loading_ = false;
};
