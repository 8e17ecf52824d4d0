#include "mix/StyleFile.h"

#include <QFile>
#include <QSaveFile>

#include "formats/QuotedValues.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"

namespace stylefile {

namespace {

// A style table is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

QString FilePath(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(u'/')) return folder + QString::fromLatin1(kFileName);
  return folder + u'/' + QString::fromLatin1(kFileName);
}

}  // namespace

StyleTable ParseStyles(QByteArrayView data) {
  QList<MixStyle> rows;
  int field = 0;
  quoted::ForEachValue(data, [&](QByteArrayView value) {
    if (field == 0) rows.append(MixStyle{});
    rows.last().fields[field] = quoted::DecodeValue(value).left(MixStyle::kMaxFieldChars);
    field = (field + 1) % MixStyle::kFieldCount;
    return true;
  });
  return StyleTable(std::move(rows));
}

int ReadStyleFile(const QString& folder, StyleTable& table) {
  QFile file(FilePath(folder));
  if (!file.open(QIODevice::ReadOnly)) return kReadFailed;
  const qint64 size = file.size();
  if (size <= 0 || size > kMaxFileBytes) return kReadFailed;
  const QByteArray data = file.read(size);
  if (data.isEmpty()) return kReadFailed;
  table = ParseStyles(data);
  return int(table.Size());
}

QByteArray DefaultStylesBytes() {
  return QByteArrayLiteral(
      "\"ADVS\",\"1\",\"0\",\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
      "\"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n");
}

bool WriteDefaultStyles(const QString& folder, PlayLog* log, Dialogs* dialogs) {
  const QString path = FilePath(folder);
  const QByteArray bytes = DefaultStylesBytes();
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
  if (!written) {
    if (log) log->WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Can't create default mix styles"), path);
    return false;
  }
  if (dialogs) {
    dialogs->Message(QStringLiteral("Default Mix Styles created!"), QStringLiteral("KORVO XA"),
                     Dialogs::Icon::Information);
  }
  return true;
}

}  // namespace stylefile
