#include "formats/M3uReader.h"

#include <QFile>
#include <QFileInfo>

#include "formats/QuotedValues.h"
#include "platform/Paths.h"

namespace m3u {

namespace {

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

}  // namespace

QStringList ParseM3u(QByteArrayView data) {
  if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);  // UTF-8 mark of .m3u8 files
  QStringList out;
  qsizetype start = 0;
  while (start < data.size()) {
    qsizetype end = data.indexOf('\n', start);
    const qsizetype next = end < 0 ? data.size() : end + 1;
    if (end < 0) end = data.size();
    QByteArrayView line = data.sliced(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    start = next;
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    out.append(quoted::DecodeValue(line));
  }
  return out;
}

int ReadM3u(const QString& path, QStringList& paths) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return kReadFailed;
  const qint64 size = file.size();
  if (size > kMaxFileBytes) return kReadFailed;
  const QByteArray data = file.read(size);
  if (size > 0 && data.isEmpty()) return kReadFailed;
  const QString folder = QFileInfo(path).absolutePath() + u'/';
  QStringList resolved;
  for (const QString& line : ParseM3u(data)) resolved.append(paths::ResolvePath(line, folder));
  paths = resolved;
  return 0;
}

}  // namespace m3u
