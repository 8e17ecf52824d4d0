// Reading a station file whole: opened for one read and closed at once. A file larger than
// any real one of its kind is refused rather than buffered.
#pragma once

#include <QByteArray>
#include <QString>

namespace stationfile {

enum class Empty { Refused, Allowed };

// True with data holding the whole file; false (data unchanged) when it cannot be opened or
// read, is larger than maxBytes, or is empty and empty files are refused.
bool ReadWhole(const QString& path, qint64 maxBytes, QByteArray& data, Empty empty = Empty::Refused);

}  // namespace stationfile
