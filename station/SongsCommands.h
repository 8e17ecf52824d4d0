// The songs list's operations as the console offers them (tool buttons, context menu,
// keys, the remote): owns the play-list tools over the station's songs list. GUI-free; the
// window wires the songs-list panel's buttons and entries to them.
#pragma once

#include "songs/ClipInformation.h"
#include "songs/ClipLoader.h"
#include "songs/ClipRenamer.h"
#include "songs/CrtRand.h"
#include "songs/Favourites.h"
#include "songs/ListSearch.h"
#include "songs/ListShuffler.h"
#include "songs/PlayListTools.h"
#include "songs/PlayTimeCounter.h"
#include "songs/PlayerFeed.h"

#include <QObject>

#include <functional>

class ClipAnalyzer;
class DeckControl;
class Dialogs;
class PlayLog;
class SongsList;
struct RememberedFolders;

class SongsCommands : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void(const QString&)> status;
    // Lets go of "LOAD NEXT" and "MIX NEXT" after the list was cleared.
    std::function<void()> releaseAutoButtons;
    // Parks the keyboard focus on the window's hidden focus button.
    std::function<void()> focusHidden;
    std::function<int()> fps;
    // A dropped advert play list (".epl").
    std::function<void(const QString&)> advertList;
  };

  SongsCommands(SongsList& list, DeckControl& decks, Dialogs& dialogs, PlayLog& log, const ClipAnalyzer& analyzer,
                RenamePrompt& renamePrompt, RememberedFolders& folders, const QString& startFolder, Hooks hooks);

  PlayerFeed& Feed() { return feed_; }
  ClipInformation& Information() { return information_; }
  ClipLoader& Loader() { return loader_; }
  ListShuffler& Shuffler() { return shuffler_; }
  PlayTimeCounter& Counter() { return counter_; }
  // The program's one rand generator, shared by every shuffle.
  CrtRand& Rand() { return rand_; }

  void LoadClips(ClipLoader::Kind kind) { loader_.LoadClips(kind); }
  // "Load Selected", "^", Enter and a double click: the current clip into a free deck.
  int LoadSelected();
  int RemoveClip() { return feed_.RemoveCurrentClip(); }
  void Shuffle() { shuffler_.ShufflePlayList(); }
  int Save() { return tools_.SavePlayList(); }
  int Clear() { return tools_.ClearPlayList(); }
  int CountTimes() { return counter_.CountPlayListTimes(); }
  int AddToFavourites() { return favourites_.AddToFavourites(); }
  int Rename() { return renamer_.RenameClipFile(); }
  // "Find 1" (titles) / "Find 2" (paths) with the search field's text.
  void Search(int column, const QString& text);
  // A deck's "Open" button.
  void OpenIntoDeck(int deck);

 private:
  SongsList& list_;
  DeckControl& decks_;
  Dialogs& dialogs_;
  RememberedFolders& folders_;
  Hooks hooks_;
  CrtRand rand_;
  ClipInformation information_;
  PlayerFeed feed_;
  ClipLoader loader_;
  PlayListTools tools_;
  ListShuffler shuffler_;
  ListSearch search_;
  ClipRenamer renamer_;
  Favourites favourites_;
  PlayTimeCounter counter_;
};
