#include "formats/EplReader.h"

#include <QFile>
#include <QStringDecoder>

#include "formats/QuotedValues.h"

namespace epl {

namespace {

// Far more than any day's adverts; a bigger file is not an advert play list and is refused
// rather than buffered.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;

// Windows-1252 for bytes 0x80-0x9F; the rest of the code page agrees with Latin-1, and
// its five unassigned bytes keep their own code points. Kept local until the readers share
// one decoder; then this goes.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(QByteArrayView bytes) {
  QString out(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    out[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
  }
  return out;
}

// Decided for the whole file: a planner writes one encoding, and a value that happens to
// be valid UTF-8 in a Windows-1252 file must not be read differently from its neighbours.
bool IsUtf8(QByteArrayView data) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  // decode() only converts once its result is taken.
  const QString text = utf8.decode(data);
  return !utf8.hasError();
}

bool ReadWholeFile(const QString& path, QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const qint64 size = file.size();
  if (size <= 0 || size > kMaxFileBytes) return false;
  data = file.read(size);
  return !data.isEmpty();
}

}  // namespace

EplContents ParseEpl(QByteArrayView data) {
  EplContents out;
  const bool utf8 = IsUtf8(data);
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
    QString text = utf8 ? QString::fromUtf8(value) : FromCp1252(value);
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
  if (!ReadWholeFile(path, data)) return kReadFailed;
  contents = ParseEpl(data);
  return 0;
}

}  // namespace epl
