// Every way clips get into the songs list: an MP3 folder, a PRL play list, an M3U or M3U8
// list (through the "Load clips" command) and files dropped on the window.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;
class PlayLog;
class SongsList;
struct RememberedFolders;

class ClipLoader {
 public:
  enum Kind { kMp3 = 1, kPrl = 2, kM3u = 3 };
  using StatusSink = std::function<void(const QString&)>;
  // Receives a dropped advert play list (".epl").
  using EplHandler = std::function<void(const QString& path)>;

  ClipLoader(SongsList& list, Dialogs& dialogs, PlayLog& log, RememberedFolders& folders, StatusSink status,
             EplHandler eplHandler = {});

  // The "Load clips" command; kind chooses the filter shown first.
  void LoadClips(Kind kind);
  // Inserts the play list's clips at the current item. 0, or -6 when the file can't be read.
  int LoadPrl(const QString& path);
  // The clip lines of a play list (the drive scanner's profile) that hold word, inserted at
  // the current item; no status text and no log entry. 0, or prl::kReadFailed.
  int LoadPrlFiltered(const QString& path, const QString& word);
  // Inserts the M3U list's paths at the current item; an unreadable file is ignored (-6).
  // Lines that name no clip file (streams, other hosts) are counted in the status text and
  // the play log; a list that gives no clip says so instead of "Songs List Loaded".
  int ImportM3u(const QString& path);
  // Inserts every "*.mp3" of the folder at the current item, in name order.
  void LoadFolder(const QString& folder);
  // ".mp3" clips go in after the current item; ".m3u"/".m3u8" lists are imported; a
  // ".prl" or ".epl" list only when it is the one file dropped.
  void DropFiles(const QStringList& files);

 private:
  // IsPrlFile, logging "ERR" / "File Is Not a PRL Play List" / path for a file that was
  // read but refused.
  bool IsPlayList(const QString& path);
  // Ask before adding to a list that holds clips: false when the load is cancelled.
  bool AskClearFirst();

  SongsList& list_;
  Dialogs& dialogs_;
  PlayLog& log_;
  RememberedFolders& folders_;
  StatusSink status_;
  EplHandler eplHandler_;
};
