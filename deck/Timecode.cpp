#include "deck/Timecode.h"

QString FormatTimecode(uint64_t ms, int fps) {
  if (fps <= 0) fps = 25;
  // 64 bits: a 32-bit product of ms and fps would wrap for clips beyond about 40 hours.
  const uint64_t frames = ms * static_cast<uint64_t>(fps) / 1000;
  const uint64_t seconds = frames / fps;
  return QString::asprintf("%02d:%02d:%02d:%02d", static_cast<int>(seconds / 3600 % 60),
                           static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60),
                           static_cast<int>(frames % fps));
}

namespace {

int TwoDigits(const QString& text, qsizetype at) {
  if (at < 0 || at + 2 > text.size()) return 0;
  const QChar hi = text.at(at), lo = text.at(at + 1);
  if (!hi.isDigit() || !lo.isDigit()) return 0;
  return hi.digitValue() * 10 + lo.digitValue();
}

}  // namespace

uint32_t ParseTimecode(const QString& text, int fps) {
  if (fps <= 0) fps = 25;
  const uint32_t hh = TwoDigits(text, 0), mm = TwoDigits(text, 3), ss = TwoDigits(text, 6);
  const uint32_t ff = TwoDigits(text, text.size() - 2);
  return ff + ss * fps + mm * fps * 60 + hh * fps * 3600;
}

QString ClipTitleFromPath(const QString& path) {
  if (path.isEmpty()) return QStringLiteral("ERR");
  // A separator in the first character does not count, as for the original's drive-less
  // names; without one the name starts past a drive prefix such as "c:".
  qsizetype cut = -1;
  for (qsizetype i = path.size() - 1; i >= 1; --i) {
    if (path.at(i) == u'\\' || path.at(i) == u'/') {
      cut = i;
      break;
    }
  }
  const QString name = cut >= 0 ? path.mid(cut + 1) : path.mid(2);
  if (name.size() < 4) return QString();
  return name.left(name.size() - 4);
}
