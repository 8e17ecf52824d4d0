#include "formats/LogoListFile.h"

#include <QFile>

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/StationText.h"

namespace logolist {

namespace {

// A logos list of every advert a station ever aired is a few hundred kilobytes; a file
// this large is not a list and is refused rather than buffered.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

}  // namespace

ReadResult LoadListFile(const QString& path, QStringList& values) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ReadResult::OpenFailed;
  const qint64 size = file.size();
  if (size < 0) return ReadResult::SizeFailed;
  if (size > kMaxFileBytes) return ReadResult::TooLarge;
  const QByteArray data = file.read(size);
  if (data.isEmpty()) return ReadResult::NothingRead;
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  const char* const end = data.constData() + data.size();
  QStringList out;
  quoted::ForEachValue(data, [&](QByteArrayView value) {
    // Only a value never closed reaches the end of the data: the file was cut off in it.
    if (value.data() + value.size() == end) return true;
    out.append(stationtext::Decode(value, encoding));
    return true;
  });
  values = std::move(out);
  return ReadResult::Ok;
}

int SaveListFile(const QString& path, const QStringList& values) {
  QByteArray bytes;
  for (const QString& value : values) bytes += '"' + quoted::EncodeValue(QString(value).remove(u'"')) + "\"\r\n";
  return stationfile::WriteWhole(path, bytes) ? 0 : kWriteFailed;
}

}  // namespace logolist
