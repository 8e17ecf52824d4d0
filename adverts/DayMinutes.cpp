#include "adverts/DayMinutes.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;

bool IsCSpace(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// atol over a two-character field: leading blanks, a sign, then digits up to the first
// other character.
int FieldValue(QStringView field) {
  qsizetype i = 0;
  while (i < field.size() && IsCSpace(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) negative = field[i++] == u'-';
  int value = 0;
  for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i)
    value = value * 10 + (field[i].unicode() - u'0');
  return negative ? -value : value;
}

}  // namespace

int MinutesOfDay(QStringView text, int listRows) {
  if (text.size() <= 4 || listRows <= 0) return -1;
  const int minutes = FieldValue(text.sliced(0, 2)) * 60 + FieldValue(text.sliced(3, 2));
  return minutes == 0 ? kMinutesPerDay : minutes;
}

int MinutesUntil(int eventMinutes, int nowMinutes) {
  const auto inDay = [](int m) { return m >= 1 && m <= kMinutesPerDay; };
  if (!inDay(eventMinutes) || !inDay(nowMinutes)) return -1;
  return ((eventMinutes - nowMinutes) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}
