// The decks' "Open" buttons: one MP3 file straight into a deck, ready at its start. The
// songs list is not changed.
#pragma once

class DeckControl;
class Dialogs;
struct RememberedFolders;

// Pauses the deck when it plays, asks for the file (starting in the remembered MP3
// folder) and, on OK, remembers its folder and opens it into the deck. false when
// cancelled.
bool OpenIntoDeck(int deck, DeckControl& decks, Dialogs& dialogs, RememberedFolders& folders);
