// Reading M3U lists for import into the songs list: one path a line; comment lines
// (#EXTM3U, #EXTINF...) and blank lines are skipped, a CR before the LF is dropped, and
// the last line ends at the end of the file whether or not it has a line feed.
#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace m3u {

inline constexpr int kReadFailed = -6;

// The path lines as written.
QStringList ParseM3u(QByteArrayView data);

// 0 with paths replaced by the file's paths as native paths (relative ones taken against
// the M3U file's folder, Windows ones mapped); kReadFailed (paths unchanged) when the file
// cannot be opened or read.
int ReadM3u(const QString& path, QStringList& paths);

}  // namespace m3u
