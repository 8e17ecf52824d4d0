// "Add to favorites": appends the clip on air to "favorits.prl" in the start folder.
#pragma once

#include <QString>

class DeckControl;
class Dialogs;
class PlayLog;
class SongsList;

class Favourites {
 public:
  // log receives the entry for a clip that cannot be added (may be null).
  Favourites(SongsList& list, DeckControl& decks, Dialogs& dialogs, QString startFolder, PlayLog* log = nullptr);

  QString FilePath() const;
  // 0 when a clip line was appended; -1 otherwise (nothing on air, no such clip in the
  // list, answered No, the clip's path holds a double quote, or the file can't be written).
  int AddToFavourites();

 private:
  SongsList& list_;
  DeckControl& decks_;
  Dialogs& dialogs_;
  QString startFolder_;
  PlayLog* log_;
};
