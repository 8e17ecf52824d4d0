#include "formats/StyleTableFile.h"

#include <QFile>

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/StationText.h"

namespace stylefile {

namespace {

// A style table is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

}  // namespace

QString StyleFilePath(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(u'/')) return folder + QString::fromLatin1(kFileName);
  return folder + u'/' + QString::fromLatin1(kFileName);
}

StyleTable ParseStyles(QByteArrayView data) {
  QList<MixStyle> rows;
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  int field = 0;
  quoted::ForEachValue(data, [&](QByteArrayView value) {
    if (field == 0) rows.append(MixStyle{});
    rows.last().fields[field] = stationtext::Decode(value, encoding).left(MixStyle::kMaxFieldChars);
    field = (field + 1) % MixStyle::kFieldCount;
    return true;
  });
  return StyleTable(std::move(rows));
}

int ReadStyleFile(const QString& folder, StyleTable& table) {
  QByteArray data;
  if (!stationfile::ReadWhole(StyleFilePath(folder), kMaxFileBytes, data)) return kReadFailed;
  table = ParseStyles(data);
  return int(table.Size());
}

QByteArray DefaultStylesBytes() {
  return QByteArrayLiteral(
      "\"ADVS\",\"1\",\"0\",\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
      "\"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n");
}

bool WriteDefaultStyles(const QString& folder) { return stationfile::WriteWhole(StyleFilePath(folder), DefaultStylesBytes()); }

QByteArray StyleTableBytes(const StyleTable& table) {
  QByteArray out;
  for (qsizetype r = 0; r < table.Size(); ++r) {
    const MixStyle& style = table.Row(r);
    for (int f = 0; f < MixStyle::kFieldCount; ++f) {
      out += '"';
      out += quoted::EncodeValue(QString(style.fields[f]).remove(u'"'));
      out += '"';
      out += f + 1 < MixStyle::kFieldCount ? "," : "\r\n";
    }
  }
  return out;
}

bool WriteStyleFile(const QString& folder, const StyleTable& table) {
  return stationfile::WriteWhole(StyleFilePath(folder), StyleTableBytes(table));
}

}  // namespace stylefile
