// Writing EPL advert play lists: the dated header, then one spot a line, each line a
// quoted value ending in CR LF, as the outside advert planners write them.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>

#include "formats/AdvertSpot.h"

namespace epl {

inline constexpr int kWriteFailed = -1;

// "Spotwright0116 Play List of: DD/MM/YYYY", quoted, CR LF.
QByteArray HeaderBytes(const QDate& exportDate);
// "HH:MM   CODE-I   name", quoted, CR LF. Empty for a spot that would not read back as
// itself: a block time other than 5 or a code other than 7 characters shifts the columns,
// a double quote ends the value early, and a name past 237 characters would be cut.
QByteArray SpotLineBytes(const AdvertSpot& spot);

// Writes the whole list into place atomically (an old file stays whole when the save
// fails). Spots that cannot be written are left out and their indexes put in leftOut
// (when given), so the caller can name them. 0, or kWriteFailed.
int SaveEpl(const QString& path, const QDate& exportDate, const QList<AdvertSpot>& spots,
            QList<int>* leftOut = nullptr);

}  // namespace epl
