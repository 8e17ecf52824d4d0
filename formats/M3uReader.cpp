#include "formats/M3uReader.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringView>

#include "formats/StationFile.h"
#include "formats/StationText.h"
#include "platform/Paths.h"

namespace m3u {

namespace {

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

// "scheme:" of two letters or more; one letter and a colon is a Windows drive.
bool HasUriScheme(const QString& line) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return scheme.match(line).hasMatch();
}

// The path of a "file:" URI of this machine, or empty. "file:///C:/x" gives the Windows
// path "C:/x", which the drive mapping then finds.
QString PathOfFileUri(const QString& uri) {
  QStringView rest = QStringView(uri).sliced(5);  // after "file:"
  if (rest.startsWith(u"//")) {
    rest = rest.sliced(2);
    const qsizetype slash = rest.indexOf(u'/');
    const QStringView host = slash < 0 ? rest : rest.first(slash);
    if (!host.isEmpty() && host.compare(u"localhost", Qt::CaseInsensitive) != 0) return {};
    rest = slash < 0 ? QStringView() : rest.sliced(slash);
  }
  // A query or fragment is no part of the file's name.
  for (qsizetype i = 0; i < rest.size(); ++i) {
    if (rest[i] == u'?' || rest[i] == u'#') {
      rest = rest.first(i);
      break;
    }
  }
  // Escapes stand for UTF-8 bytes; a URI made on an old machine may escape its code page.
  const QByteArray bytes = QByteArray::fromPercentEncoding(rest.toUtf8());
  QString path = stationtext::Decode(bytes, stationtext::EncodingOf(bytes));
  // "/C:/x" (or the old "/C|/x") is the Windows path "C:/x".
  static const QRegularExpression drive(QStringLiteral("^/[A-Za-z][:|]"));
  if (drive.match(path).hasMatch()) {
    path.remove(0, 1);
    path[1] = u':';
    return path;
  }
  return path.startsWith(u'/') ? path : QString();
}

}  // namespace

M3uList ParseM3u(QByteArrayView data) {
  const QString text = stationtext::DecodeFile(data);
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  M3uList list;
  for (const QString& raw : text.split(lineEnd)) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    if (!HasUriScheme(line)) {
      list.paths.append(line);
      continue;
    }
    const QString path = line.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ? PathOfFileUri(line) : QString();
    if (path.isEmpty())
      ++list.unusedLines;
    else
      list.paths.append(path);
  }
  return list;
}

int ReadM3u(const QString& path, M3uList& list) {
  QByteArray data;
  if (!stationfile::ReadWhole(path, kMaxFileBytes, data, stationfile::Empty::Allowed)) return kReadFailed;
  const QString folder = QFileInfo(path).absolutePath() + u'/';
  M3uList parsed = ParseM3u(data);
  for (QString& p : parsed.paths) p = paths::ResolvePath(p, folder);
  list = std::move(parsed);
  return 0;
}

}  // namespace m3u
