// Finding a clip by a word of its title (Find 1) or of its path (Find 2), without regard
// to case, and offering to load each match in turn.
#pragma once

#include <QString>

#include <functional>

class Dialogs;
class PlayerFeed;
class SongsList;

class ListSearch {
 public:
  enum Column { kTitles = 1, kPaths = 2 };
  using StatusSink = std::function<void(const QString&)>;

  // focusHidden moves the keyboard focus to the main window's hidden focus control.
  ListSearch(SongsList& list, PlayerFeed& feed, Dialogs& dialogs, StatusSink status, std::function<void()> focusHidden);

  void SearchPlayList(Column column, const QString& word);

 private:
  SongsList& list_;
  PlayerFeed& feed_;
  Dialogs& dialogs_;
  StatusSink status_;
  std::function<void()> focusHidden_;
};
