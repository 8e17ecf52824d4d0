#include "formats/StationFile.h"

#include <QFile>
#include <QSaveFile>

namespace stationfile {

bool ReadWhole(const QString& path, qint64 maxBytes, QByteArray& data, Empty empty) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const qint64 size = file.size();
  if (size > maxBytes || (size <= 0 && empty == Empty::Refused)) return false;
  QByteArray bytes = file.read(size);
  // Fewer bytes than the file claims (it shrank, or a read failed): not the whole file.
  if (bytes.size() != size) return false;
  data = std::move(bytes);
  return true;
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace stationfile
