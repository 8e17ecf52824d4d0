#include "playlist/OpenIntoDeck.h"

#include "platform/Dialogs.h"
#include "playlist/ClipEntry.h"
#include "playlist/DeckAccess.h"
#include "playlist/RememberedFolders.h"

bool OpenIntoDeck(int deck, DeckAccess& decks, Dialogs& dialogs, RememberedFolders& folders) {
  if (decks.DeckState(deck) == DeckAccess::State::Playing) decks.Pause(deck);
  const QStringList chosen = dialogs.OpenFiles(QStringLiteral("Open"), folders.mp3Folder,
                                               QStringLiteral("MPEG Audio Files (*.mp3);;All Files (*)"), false);
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  folders.mp3Folder = FolderOfPath(chosen.first());
  decks.OpenReady(deck, chosen.first());
  return true;
}
