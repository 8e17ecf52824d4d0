#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace fuzz {

QString InputFile(const uint8_t* data, size_t size, const char* suffix) {
  static const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                     : QDir::tempPath();
  const QString path = QStringLiteral("%1/korvo-fuzz-%2%3").arg(folder).arg(getpid()).arg(QLatin1String(suffix));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) abort();
  if (file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) abort();
  return path;
}

}  // namespace fuzz
