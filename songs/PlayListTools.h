// Clearing and saving the songs list as a whole.
#pragma once

#include <QString>

#include <functional>

class Dialogs;
class PlayLog;
class SongsList;
struct RememberedFolders;

class PlayListTools {
 public:
  using StatusSink = std::function<void(const QString&)>;

  // releaseAutoButtons lets go of "LOAD NEXT" and "MIX NEXT" after a clear.
  PlayListTools(SongsList& list, Dialogs& dialogs, PlayLog& log, RememberedFolders& folders, StatusSink status,
                std::function<void()> releaseAutoButtons);

  // Asks first; 0 when cleared, -1 otherwise.
  int ClearPlayList();
  // Asks for the file; 0 when written, -1 for an empty list, a cancel or a write failure.
  // Clips that a play list cannot hold (a double quote in the path) are left out of the
  // file, logged ("ERR" / "Clips Not Saved: %d" / path) and named in a warning.
  int SavePlayList();

 private:
  SongsList& list_;
  Dialogs& dialogs_;
  PlayLog& log_;
  RememberedFolders& folders_;
  StatusSink status_;
  std::function<void()> releaseAutoButtons_;
};
