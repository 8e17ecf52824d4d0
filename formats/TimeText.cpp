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

}  // namespace timetext
