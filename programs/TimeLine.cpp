#include "programs/TimeLine.h"

#include <algorithm>

namespace timeline {

namespace {

// A two-digit field as atoi reads it: digits up to the first other character.
int Number(const QString& text, int from) {
  int value = 0;
  for (int i = from; i < from + 2 && i < text.size() && text[i].isDigit(); ++i)
    value = value * 10 + text[i].digitValue();
  return value;
}

}  // namespace

QString SlotMask(const QList<ProgramEntry>& rows) {
  QString mask(kSlots + 1, u'0');
  for (const ProgramEntry& row : rows) {
    const QString& duration = row[ProgramEntry::kDuration];
    const QString& time = row[ProgramEntry::kTimeToPlay];
    const int dh = Number(duration, 0), dm = Number(duration, 3);
    const int th = Number(time, 0), tm = Number(time, 3) == 30 ? 1 : 0;
    const int start = 2 * th + tm;
    const int end = std::min(kSlots, start + 2 * dh + (dm >= 31 ? 1 : 0));
    for (int s = std::max(0, start); s < end; ++s) mask[s] = u'1';
  }
  return mask;
}

QString LabelAt(int x) {
  const int offset = std::max(0, x - kLeft);
  int hour = offset / 22;
  int minutes = offset % 22 < 11 ? 0 : 30;
  if (hour >= 24) {
    hour = 23;
    minutes = 30;
  }
  return QString::asprintf("%02d:%02d", hour, minutes);
}

bool InStrip(int x, int y) { return x >= kLeft && x <= kRight && y >= kTop && y <= kBottom; }

int TimeIndexAt(int x) { return std::clamp((x - kLeft) / 11, 0, kSlots - 1); }

QStringList TimeTexts() {
  QStringList out;
  for (int h = 0; h < 24; ++h) out << QString::asprintf("%02d:00", h) << QString::asprintf("%02d:30", h);
  return out;
}

}  // namespace timeline
