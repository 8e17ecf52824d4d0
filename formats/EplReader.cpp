#include "formats/EplReader.h"

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/StationText.h"

namespace epl {

namespace {

// Far more than any day's adverts; a bigger file is not an advert play list and is refused
// rather than buffered.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

}  // namespace

EplContents ParseEpl(QByteArrayView data) {
  EplContents out;
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  const char* const end = data.data() + data.size();
  bool header = true;
  quoted::ForEachValue(data, [&](QByteArrayView value) {
    if (header) {
      header = false;
      return true;
    }
    // A closed value ends before its closing quote, so only an unclosed one reaches the
    // end of the data: the file was cut off inside it.
    if (value.data() + value.size() == end) {
      ++out.unreadable;
      return true;
    }
    QString text = stationtext::Decode(value, encoding);
    if (text.size() < kMinSpotChars) {
      ++out.unreadable;
      return true;
    }
    if (text.size() > kMaxValueChars) {
      text.truncate(kMaxValueChars);
      ++out.cut;
    }
    out.spots.append({text.first(5), text.sliced(8, 7), text.sliced(kMinSpotChars), QString()});
    return true;
  });
  return out;
}

int LoadEpl(const QString& path, EplContents& contents) {
  QByteArray data;
  if (!stationfile::ReadWhole(path, kMaxFileBytes, data)) return kReadFailed;
  contents = ParseEpl(data);
  return 0;
}

}  // namespace epl
