#include "formats/StationFile.h"

#include <QFile>

namespace stationfile {

bool ReadWhole(const QString& path, qint64 maxBytes, QByteArray& data, Empty empty) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const qint64 size = file.size();
  if (size > maxBytes || (size <= 0 && empty == Empty::Refused)) return false;
  QByteArray bytes = file.read(size);
  // A file that claims a size but gives nothing could not be read.
  if (size > 0 && bytes.isEmpty()) return false;
  data = std::move(bytes);
  return true;
}

}  // namespace stationfile
