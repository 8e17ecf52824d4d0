// The time line: the half-hours a program takes, and what the strip says of the mouse.
#include <gtest/gtest.h>

#include "programs/TimeLine.h"

namespace {

ProgramEntry At(const char* time, const char* duration) {
  ProgramEntry e;
  e[ProgramEntry::kTimeToPlay] = QString::fromLatin1(time);
  e[ProgramEntry::kDuration] = QString::fromLatin1(duration);
  return e;
}

// The slots set, as indexes.
QList<int> Taken(const QString& mask) {
  QList<int> out;
  for (int i = 0; i < mask.size(); ++i)
    if (mask[i] == u'1') out << i;
  return out;
}

TEST(TimeLine, ProgramsTakeWholeHalfHoursFromTheirStart) {
  struct Case {
    const char* time;
    const char* duration;
    QList<int> expected;
  };
  const Case cases[] = {
      {"10:00", "00:20:00:00", {}},       {"10:00", "00:45:00:00", {20}},
      {"10:00", "01:00:00:00", {20, 21}}, {"10:30", "01:31:00:00", {21, 22, 23}},
      {"23:30", "02:00:00:00", {47}},     {"10:00", "", {}},
      {"", "01:00:00:00", {0, 1}},
  };
  for (const Case& c : cases) {
    const QString mask = timeline::SlotMask({At(c.time, c.duration)});
    ASSERT_EQ(mask.size(), 49);
    EXPECT_EQ(Taken(mask), c.expected) << c.time << " " << c.duration;
  }
  EXPECT_EQ(Taken(timeline::SlotMask({At("00:00", "01:00:00:00"), At("23:00", "05:00:00:00")})),
            (QList<int>{0, 1, 46, 47}));
}

TEST(TimeLine, TheStripNamesTheHalfHourUnderTheMouse) {
  struct Case {
    int x;
    const char* label;
    int index;
  };
  const Case cases[] = {{19, "00:00", 0},   {29, "00:00", 0},   {30, "00:30", 1},  {41, "01:00", 2},
                        {250, "10:30", 21}, {546, "23:30", 47}, {547, "23:30", 47}};
  for (const Case& c : cases) {
    EXPECT_EQ(timeline::LabelAt(c.x), c.label) << c.x;
    EXPECT_EQ(timeline::TimeIndexAt(c.x), c.index) << c.x;
  }
  EXPECT_TRUE(timeline::InStrip(19, 207));
  EXPECT_FALSE(timeline::InStrip(18, 210));
  EXPECT_FALSE(timeline::InStrip(100, 228));
  EXPECT_EQ(timeline::TimeTexts().size(), 48);
  EXPECT_EQ(timeline::TimeTexts()[47], "23:30");
}

}  // namespace
