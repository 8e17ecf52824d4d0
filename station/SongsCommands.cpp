#include "station/SongsCommands.h"

#include "songs/OpenIntoDeck.h"
#include "songs/SongsList.h"

SongsCommands::SongsCommands(SongsList& list, DeckControl& decks, Dialogs& dialogs, PlayLog& log,
                             const ClipAnalyzer& analyzer, RenamePrompt& renamePrompt, RememberedFolders& folders,
                             const QString& startFolder, Hooks hooks)
    : list_(list),
      decks_(decks),
      dialogs_(dialogs),
      folders_(folders),
      hooks_(std::move(hooks)),
      information_(analyzer, hooks_.fps, [this](const QString& text) { list_.SetClipInfoText(text); }),
      feed_(list, decks, log, hooks_.status),
      loader_(list, dialogs, log, folders, hooks_.status, hooks_.advertList),
      tools_(list, dialogs, log, folders, hooks_.status, hooks_.releaseAutoButtons),
      shuffler_(list, rand_, log, hooks_.status),
      search_(list, feed_, dialogs, hooks_.status, hooks_.focusHidden),
      renamer_(list, decks, renamePrompt, hooks_.status),
      favourites_(list, decks, dialogs, startFolder, &log),
      counter_(list, &decks, dialogs, log, analyzer, hooks_.fps, hooks_.status,
               [this](const QString& text) { list_.SetClipInfoText(text); }) {}

int SongsCommands::LoadSelected() { return feed_.LoadSelectedIntoPlayer(list_.CurrentItem()); }

void SongsCommands::Search(int column, const QString& text) {
  search_.SearchPlayList(column == 2 ? ListSearch::kPaths : ListSearch::kTitles, text);
}

void SongsCommands::OpenIntoDeck(int deck) { ::OpenIntoDeck(deck, decks_, dialogs_, folders_); }
