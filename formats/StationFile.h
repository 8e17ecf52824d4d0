// Reading and writing a station file whole. A read opens the file for one read and closes
// it at once; a file larger than any real one of its kind is refused rather than buffered.
// A write goes to a temporary file beside the old one and is renamed into place, so a
// crash or a full disk never leaves a file cut short: the old one stays whole.
#pragma once

#include <QByteArray>
#include <QString>

namespace stationfile {

enum class Empty { Refused, Allowed };

// True with data holding the whole file; false (data unchanged) when it cannot be opened or
// read, is larger than maxBytes, or is empty and empty files are refused.
bool ReadWhole(const QString& path, qint64 maxBytes, QByteArray& data, Empty empty = Empty::Refused);

// True when bytes replaced the file (or made it); false with the old file untouched.
bool WriteWhole(const QString& path, const QByteArray& bytes);

}  // namespace stationfile
