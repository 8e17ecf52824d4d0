// The creator's files: MP3 folders and play lists brought into the list, the favourites
// list read at start, and the save with its three questions and the creator's header.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

#include "songs/ClipLoader.h"
#include "songs/RememberedFolders.h"

class Dialogs;

namespace creator {

class CreatorList;

class CreatorFiles {
 public:
  // folders: "Def Audio Folder" and "Def Play List Folder", where the dialogs start; they
  // are only read. today gives the save date.
  CreatorFiles(
      CreatorList& list, Dialogs& dialogs, RememberedFolders folders,
      std::function<QDate()> today = [] { return QDate::currentDate(); });

  // "favorits.prl" of the folder, when there is one, without marking the list modified.
  void ReadFavourites(const QString& startFolder);
  void InsertMp3Folder();
  void OpenPlayList();
  // 0 when the list was saved; -1 when a question was answered No, the dialog cancelled,
  // the list is empty or the file could not be written.
  int Save();
  // Reads a play list into the list at the current item (also the scanner's profile).
  int ReadPlayList(const QString& path);

 private:
  // "Clear %d clips and empty the Play List?" on a list that holds clips: false for Cancel.
  bool AskClear();

  CreatorList& list_;
  Dialogs& dialogs_;
  RememberedFolders folders_;
  std::function<QDate()> today_;
  ClipLoader loader_;
};

}  // namespace creator
