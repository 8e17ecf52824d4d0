#include "formats/ProgramsTable.h"

#include <QFile>

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/StationText.h"

namespace programs {

namespace {

// A day has 48 half-hours; a table of megabytes is not one.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

constexpr std::array<int, ProgramEntry::kFieldCount> kMaxChars = {254, 14, 254, 4, 14, 254, 254, 14, 14, 1};

}  // namespace

QString ProgramsFilePath(const QString& startFolder) {
  return startFolder + QLatin1String(kFolderName) + u'/' + QLatin1String(kFileName);
}

int MaxChars(ProgramEntry::Field field) { return kMaxChars[field]; }

QList<ProgramEntry> ParsePrograms(QByteArrayView data) {
  QList<ProgramEntry> rows;
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  const char* const end = data.data() + data.size();
  ProgramEntry entry;
  int field = 0;
  quoted::ForEachValue(data, [&](QByteArrayView value) {
    // Only an unclosed value reaches the end of the data: the file was cut off inside it.
    if (value.data() + value.size() == end) return false;
    entry.fields[field] = stationtext::Decode(value, encoding);
    if (++field == ProgramEntry::kFieldCount) {
      rows.append(entry);
      entry = {};
      field = 0;
    }
    return true;
  });
  return rows;
}

int ReadProgramsFile(const QString& path, QList<ProgramEntry>& rows) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return kReadFailed;
  const qint64 size = file.size();
  if (size <= 0 || size > kMaxFileBytes) return kReadFailed;
  const QByteArray data = file.read(size);
  if (data.isEmpty()) return kReadFailed;
  rows = ParsePrograms(data);
  return 1;
}

QByteArray ProgramsBytes(const QList<ProgramEntry>& rows) {
  QByteArray out;
  for (const ProgramEntry& row : rows) {
    for (int f = 0; f < ProgramEntry::kFieldCount; ++f) {
      if (f > 0) out += ',';
      out += '"';
      out += quoted::EncodeValue(QString(row.fields[f]).remove(u'"').left(kMaxChars[f]));
      out += '"';
    }
    out += "\r\n";
  }
  return out;
}

int SaveProgramsFile(const QString& path, const QList<ProgramEntry>& rows) {
  const QByteArray bytes = ProgramsBytes(rows);
  return stationfile::WriteWhole(path, bytes) ? 0 : kWriteFailed;
}

}  // namespace programs
