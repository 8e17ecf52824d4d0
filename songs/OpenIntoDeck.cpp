#include "songs/OpenIntoDeck.h"

#include "platform/Dialogs.h"
#include "songs/ClipEntry.h"
#include "deck/DeckControl.h"
#include "songs/RememberedFolders.h"

bool OpenIntoDeck(int deck, DeckControl& decks, Dialogs& dialogs, RememberedFolders& folders) {
  if (decks.State(deck) == PlayerState::Playing) decks.Pause(deck);
  const QStringList chosen = dialogs.OpenFiles(QStringLiteral("Open"), folders.mp3Folder,
                                               QStringLiteral("MPEG Audio Files (*.mp3);;All Files (*)"), false);
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  folders.mp3Folder = FolderOfPath(chosen.first());
  decks.OpenReady(deck, chosen.first());
  return true;
}
