#include "formats/EplWriter.h"

#include "formats/EplReader.h"
#include "formats/QuotedValues.h"
#include "formats/StationFile.h"

namespace epl {

namespace {

constexpr qsizetype kBlockTimeChars = 5;
constexpr qsizetype kClipCodeChars = 7;

QByteArray Line(const QString& text) { return '"' + quoted::EncodeValue(text) + "\"\r\n"; }

}  // namespace

QByteArray HeaderBytes(const QDate& exportDate) {
  return Line(QString::asprintf("Spotwright0116 Play List of: %02d/%02d/%04d", exportDate.day(), exportDate.month(),
                                exportDate.year()));
}

QByteArray SpotLineBytes(const AdvertSpot& spot) {
  const QString text = spot.blockTime + QStringLiteral("   ") + spot.clipCode + QStringLiteral("   ") + spot.name;
  if (spot.blockTime.size() != kBlockTimeChars || spot.clipCode.size() != kClipCodeChars ||
      text.size() > kMaxValueChars || text.contains(u'"'))
    return {};
  return Line(text);
}

int SaveEpl(const QString& path, const QDate& exportDate, const QList<AdvertSpot>& spots, QList<int>* leftOut) {
  QByteArray bytes = HeaderBytes(exportDate);
  if (leftOut) leftOut->clear();
  for (qsizetype i = 0; i < spots.size(); ++i) {
    const QByteArray line = SpotLineBytes(spots[i]);
    if (line.isEmpty() && leftOut) leftOut->append(int(i));
    bytes += line;
  }
  return stationfile::WriteWhole(path, bytes) ? 0 : kWriteFailed;
}

}  // namespace epl
