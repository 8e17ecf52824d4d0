#include "songs/ClipEntry.h"

#include "formats/TimeText.h"

#include <algorithm>

ClipEntry MakeClipEntry(const QString& path, const QString& duration) {
  ClipEntry e;
  e.title = ClipTitleFromPath(path);
  e.path = path;
  e.duration = duration;
  return e;
}

QString FolderOfPath(const QString& path) {
  const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return slash < 0 ? QString() : path.left(slash + 1);
}
