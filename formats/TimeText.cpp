#include "formats/TimeText.h"

namespace timetext {

namespace {

int TwoDigits(QStringView text, int at) { return text[at].digitValue() * 10 + text[at + 1].digitValue(); }

}  // namespace

bool IsDurationText(QStringView text) {
  if (text.size() != kDurationLength) return false;
  for (int i = 0; i < kDurationLength; ++i) {
    const bool colon = (i % 3) == 2;
    if (colon ? text[i] != u':' : !(text[i] >= u'0' && text[i] <= u'9')) return false;
  }
  return true;
}

qint64 DurationToFrames(QStringView text, int fps) {
  if (fps < 1 || !IsDurationText(text)) return 0;
  const qint64 hh = TwoDigits(text, 0), mm = TwoDigits(text, 3), ss = TwoDigits(text, 6), ff = TwoDigits(text, 9);
  return ff + ss * fps + mm * fps * 60 + hh * fps * 3600;
}

QString FormatFrames(qint64 frames, int fps) {
  if (fps < 1 || frames < 0) return QString::fromLatin1(kUnmeasured);
  const qint64 seconds = frames / fps;
  return QString::asprintf("%02d:%02d:%02d:%02d", int(seconds / 3600 % 60), int(seconds / 60 % 60), int(seconds % 60),
                           int(frames % fps));
}

qint64 FramesFromMilliseconds(qint64 ms, int fps) { return fps < 1 ? 0 : ms * fps / 1000; }

qint64 MillisecondsFromFrames(qint64 frames, int fps) { return fps < 1 ? 0 : frames * 1000 / fps; }

QString ClockText(const QTime& time) {
  return QString::asprintf("%02d:%02d:%02d", time.hour(), time.minute(), time.second());
}

}  // namespace timetext

QString FormatTimecode(uint64_t ms, int fps) {
  if (fps <= 0) fps = 25;
  // 64 bits: a 32-bit product of ms and fps would wrap for clips beyond about 40 hours.
  const uint64_t frames = ms * static_cast<uint64_t>(fps) / 1000;
  return timetext::FormatFrames(static_cast<qint64>(frames), fps);
}

namespace {

int LenientTwoDigits(const QString& text, qsizetype at) {
  if (at < 0 || at + 2 > text.size()) return 0;
  const QChar hi = text.at(at), lo = text.at(at + 1);
  if (!hi.isDigit() || !lo.isDigit()) return 0;
  return hi.digitValue() * 10 + lo.digitValue();
}

}  // namespace

uint32_t ParseTimecode(const QString& text, int fps) {
  if (fps <= 0) fps = 25;
  const uint32_t hh = LenientTwoDigits(text, 0), mm = LenientTwoDigits(text, 3), ss = LenientTwoDigits(text, 6);
  const uint32_t ff = LenientTwoDigits(text, text.size() - 2);
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

