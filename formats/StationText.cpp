#include "formats/StationText.h"

#include <QStringDecoder>
#include <array>

namespace stationtext {

namespace {

// 0x80 to 0x9F of Windows-1252; the undefined ones keep their own code.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> MakeTable() {
  std::array<char16_t, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b);
  return table;
}

constexpr std::array<char16_t, 256> kWindows1252 = MakeTable();

bool StartsWith(QByteArrayView data, const char* mark, qsizetype n) {
  return data.size() >= n && QByteArrayView(data.data(), n) == QByteArrayView(mark, n);
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

bool IsValidUtf8(QByteArrayView bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int more = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      more = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2;
      if (c == 0xE0) low = 0xA0;   // no overlong forms
      if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (n - i <= more) return false;
    if (p[i + 1] < low || p[i + 1] > high) return false;
    for (int k = 2; k <= more; ++k)
      if (!IsContinuation(p[i + k])) return false;
    i += more + 1;
  }
  return true;
}

QString FromWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = QChar(kWindows1252[static_cast<unsigned char>(bytes[i])]);
  return text;
}

Encoding EncodingOf(QByteArrayView data) { return IsValidUtf8(data) ? Encoding::Utf8 : Encoding::Windows1252; }

QString Decode(QByteArrayView bytes, Encoding encoding) {
  return encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : FromWindows1252(bytes);
}

QString DecodeFile(QByteArrayView data) {
  const bool le = StartsWith(data, "\xFF\xFE", 2), be = StartsWith(data, "\xFE\xFF", 2);
  if (le || be) {
    QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
    return decoder.decode(data.sliced(2));
  }
  // A UTF-8 mark is never text, even in a file that turns out not to be UTF-8 after all.
  if (StartsWith(data, "\xEF\xBB\xBF", 3)) data = data.sliced(3);
  return Decode(data, EncodingOf(data));
}

}  // namespace stationtext
