// "Add to favorites": appends the clip on air to "favorits.prl" in the start folder.
#pragma once

#include <QString>

class DeckControl;
class Dialogs;
class SongsList;

class Favourites {
 public:
  Favourites(SongsList& list, DeckControl& decks, Dialogs& dialogs, QString startFolder);

  QString FilePath() const;
  // 0 when a clip line was appended; -1 otherwise (nothing on air, no such clip in the
  // list, answered No, or the file can't be written).
  int AddToFavourites();

 private:
  SongsList& list_;
  DeckControl& decks_;
  Dialogs& dialogs_;
  QString startFolder_;
};
