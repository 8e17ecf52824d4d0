// Reading M3U and M3U8 lists for import into the songs list. Other players write them in
// many forms, so the reader is lenient about the form and strict about what it takes:
// - the text is UTF-16 (with its byte-order mark), UTF-8 (with or without one) or the
//   old stations' code page, decided for the whole file;
// - lines end in LF, CR LF or a lone CR; the last one may end at the end of the file;
// - comment lines (#EXTM3U, #EXTINF...) and blank lines are skipped, and blanks around a
//   path are not part of it;
// - "file:" URIs are decoded into paths; any other URI (a stream, "http://...") is not a
//   clip here and is left out and counted, as is a "file:" URI of another host.
#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace m3u {

inline constexpr int kReadFailed = -6;

struct M3uList {
  QStringList paths;
  int unusedLines = 0;  // lines that name something that is not a clip file
  bool operator==(const M3uList&) const = default;
};

// The paths as written (a decoded "file:" URI gives its path).
M3uList ParseM3u(QByteArrayView data);

// 0 with list replaced by the file's list, its paths native (relative ones taken against
// the M3U file's folder, Windows ones mapped); kReadFailed (list unchanged) when the file
// cannot be opened or read.
int ReadM3u(const QString& path, M3uList& list);

}  // namespace m3u
