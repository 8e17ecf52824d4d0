#include "app/PlayListCommands.h"

#include "songs/OpenIntoDeck.h"
#include "songs/ui/SongsListPanel.h"

#include <QAction>
#include <QLineEdit>

PlayListCommands::PlayListCommands(SongsListPanel& panel, DeckControl& decks, Dialogs& dialogs, PlayLog& log,
                                   const ClipAnalyzer& analyzer, RememberedFolders& folders, const QString& startFolder, QWidget* dialogParent,
                                   Hooks hooks)
    : panel_(panel),
      decks_(decks),
      dialogs_(dialogs),
      folders_(folders),
      hooks_(std::move(hooks)),
      renamePrompt_(dialogParent),
      information_(analyzer, hooks_.fps, [this](const QString& text) { panel_.SetClipInfoText(text); }),
      feed_(panel.List(), decks, log, hooks_.status),
      loader_(panel.List(), dialogs, log, folders, hooks_.status),
      tools_(panel.List(), dialogs, log, folders, hooks_.status, hooks_.releaseAutoButtons),
      shuffler_(panel.List(), rand_, log, hooks_.status),
      search_(panel.List(), feed_, dialogs, hooks_.status, hooks_.focusHidden),
      renamer_(panel.List(), decks, renamePrompt_, hooks_.status),
      favourites_(panel.List(), decks, dialogs, startFolder),
      counter_(panel.List(), &decks, dialogs, log, analyzer, hooks_.fps, hooks_.status,
               [this](const QString& text) { panel_.SetClipInfoText(text); }) {
  ConnectPanel();
}

void PlayListCommands::ConnectPanel() {
  connect(&panel_, &SongsListPanel::loadSelectedRequested, this, &PlayListCommands::LoadSelected);
  connect(&panel_, &SongsListPanel::searchRequested, this, [this](int column, const QString&) { Search(column); });
  connect(&panel_, &SongsListPanel::filesDropped, this, [this](const QStringList& files) { loader_.DropFiles(files); });
  const auto on = [this](SongsListPanel::MenuEntry entry, auto&& slot) {
    connect(panel_.Action(entry), &QAction::triggered, this, slot);
  };
  on(SongsListPanel::kLoadMp3Clips, [this] { LoadClips(ClipLoader::kMp3); });
  on(SongsListPanel::kLoadPlayList, [this] { LoadClips(ClipLoader::kPrl); });
  on(SongsListPanel::kImportM3u, [this] { LoadClips(ClipLoader::kM3u); });
  on(SongsListPanel::kRemoveClip, [this] { RemoveClip(); });
  on(SongsListPanel::kRenameSelected, [this] { Rename(); });
  on(SongsListPanel::kSavePlayList, [this] { Save(); });
  on(SongsListPanel::kAddToFavourites, [this] { AddToFavourites(); });
}

int PlayListCommands::LoadSelected() { return feed_.LoadSelectedIntoPlayer(panel_.List().CurrentItem()); }

void PlayListCommands::Search(int column) {
  search_.SearchPlayList(column == 2 ? ListSearch::kPaths : ListSearch::kTitles, panel_.SearchField()->text());
}

void PlayListCommands::OpenIntoDeck(int deck) { ::OpenIntoDeck(deck, decks_, dialogs_, folders_); }
