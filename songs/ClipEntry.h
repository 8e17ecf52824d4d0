// One row of the songs list: the title shown, the clip's path as the list holds it, and
// its duration text ("HH:MM:SS:FF", or empty while not measured).
#pragma once

#include <QString>

#include <cstdint>

struct ClipEntry {
  QString title;
  QString path;
  QString duration;
  // Given by the list when the row goes in; lets a long operation find its row again
  // after other rows were inserted or removed under it.
  std::uint64_t id = 0;
};

// A row for a path, its title derived as the decks derive theirs (ClipTitleFromPath).
ClipEntry MakeClipEntry(const QString& path, const QString& duration = {});

// Advert clips are marked by a title that starts with "* ".
inline bool IsAdvertTitle(const QString& title) { return title.startsWith(QLatin1String("* ")); }

// The folder part of a path, up to and including its last '/' or '\'; empty without one.
QString FolderOfPath(const QString& path);
