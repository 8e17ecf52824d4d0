// Renames the current clip's file in its folder and updates its row. Decks that hold the
// clip are paused and reset first, so the file is not in use while it moves.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class DeckControl;
class SongsList;

// The "Rename MP3" dialog as the renamer sees it: the new name without ".mp3", or nothing
// when cancelled.
class RenamePrompt {
 public:
  virtual ~RenamePrompt() = default;
  virtual std::optional<QString> AskNewName(const QString& folder, const QString& name) = 0;
};

class ClipRenamer {
 public:
  using StatusSink = std::function<void(const QString&)>;

  ClipRenamer(SongsList& list, DeckControl& decks, RenamePrompt& prompt, StatusSink status);

  // 0 when renamed; -1 when nothing was selected, cancelled or the file could not be moved
  // (an existing file of the new name is never replaced).
  int RenameClipFile();

 private:
  SongsList& list_;
  DeckControl& decks_;
  RenamePrompt& prompt_;
  StatusSink status_;
};
