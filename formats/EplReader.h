// Reading EPL advert play lists: a header value, then one quoted value per spot with fixed
// columns (block time 0-4, clip code 8-14, name from 18 on). The parse function is pure;
// LoadEpl reads the whole file first and leaves its output untouched when the file cannot
// be read. Clip paths, the lists the spots go into and any log entry are the caller's.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include "formats/AdvertSpot.h"

namespace epl {

inline constexpr int kReadFailed = -6;
// The longest value the format holds; longer ones are cut to it.
inline constexpr int kMaxValueChars = 255;
// Block time, separator, code, separator: a spot value is at least this long.
inline constexpr int kMinSpotChars = 18;

struct EplContents {
  // In file order, clipPath empty.
  QList<AdvertSpot> spots;
  // Values left out: never closed (a cut-off file) or too short to hold the columns.
  int unreadable = 0;
  // Spot values longer than kMaxValueChars, kept cut to it.
  int cut = 0;
};

// The first quoted value is the header and is dropped unread: no magic is checked, so a
// file without one loses its first spot. Text is UTF-8 when the whole data is, else the
// old stations' Windows-1252.
EplContents ParseEpl(QByteArrayView data);

// 0 with contents replaced by the file's; kReadFailed (contents unchanged) when the file
// cannot be opened or read, is empty or is too large to be a play list. A readable file
// always ends the header search, even one without a single quoted value, so a caller that
// empties its list on success empties it then too.
int LoadEpl(const QString& path, EplContents& contents);

}  // namespace epl
