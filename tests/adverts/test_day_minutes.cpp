// Times of day as the timed checks read them, and the minutes left until an event round
// the clock.
#include <gtest/gtest.h>

#include <QString>

#include "adverts/DayMinutes.h"

namespace {

TEST(DayMinutes, MinutesOfDayReadsFieldsAsAtolDoes) {
  struct Case {
    const char* text;
    int rows;
    int minutes;
  } cases[] = {
      {"08:00", 1, 480},     {"23:59:59", 1, 1439}, {"00:00", 1, 1440}, {"00:00:30", 1, 1440},
      {"00:01", 1, 1},       {" 8:05", 1, 485},     {"8:05 ", 1, 485},  {"ab:cd", 1, 1440},
      {"-1:00", 1, -60},     {"99:99", 1, 6039},    {"08:0", 1, -1},    {"", 1, -1},
      {"08:00", 0, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(MinutesOfDay(QString::fromLatin1(c.text), c.rows), c.minutes) << c.text;
}

TEST(DayMinutes, MinutesUntilGoesRoundMidnight) {
  struct Case {
    int event, now, until;
  } cases[] = {
      {480, 478, 2},   {480, 480, 0},  {480, 479, 1},     {478, 480, 1438},
      {1440, 1438, 2},  // 00:00 at 23:58
      {1, 1439, 2},     // 00:01 at 23:59
      {2, 1440, 2},     // 00:02 at 00:00
      {1, 1440, 1},
      {480, 0, -1},     // 0: the advert check had its hit in this tick
      {480, -1, -1},   {-1, 478, -1},  {6039, 1437, -1}, {-60, 1378, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(MinutesUntil(c.event, c.now), c.until) << c.event << " " << c.now;
}

}  // namespace
