// The songs list's commands as the window offers them (tool buttons, context menu, keys):
// owns the play-list operations and wires the songs-list panel's own buttons to them.
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
#include "songs/ui/RenameMp3Dialog.h"

#include <QObject>

#include <functional>

class DeckControl;
class ClipAnalyzer;
class Dialogs;
class PlayLog;
class SongsListPanel;
struct RememberedFolders;

class PlayListCommands : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void(const QString&)> status;
    // Lets go of "LOAD NEXT" and "MIX NEXT" after the list was cleared.
    std::function<void()> releaseAutoButtons;
    // Parks the keyboard focus on the window's hidden focus button.
    std::function<void()> focusHidden;
    std::function<int()> fps;
  };

  PlayListCommands(SongsListPanel& panel, DeckControl& decks, Dialogs& dialogs, PlayLog& log,
                   const ClipAnalyzer& analyzer, RememberedFolders& folders, const QString& startFolder, QWidget* dialogParent, Hooks hooks);

  PlayerFeed& Feed() { return feed_; }
  ClipInformation& Information() { return information_; }
  ClipLoader& Loader() { return loader_; }
  ListShuffler& Shuffler() { return shuffler_; }
  PlayTimeCounter& Counter() { return counter_; }

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
  void Search(int column);
  // A deck's "Open" button.
  void OpenIntoDeck(int deck);

 private:
  void ConnectPanel();

  SongsListPanel& panel_;
  DeckControl& decks_;
  Dialogs& dialogs_;
  RememberedFolders& folders_;
  Hooks hooks_;
  CrtRand rand_;
  QtRenamePrompt renamePrompt_;
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
