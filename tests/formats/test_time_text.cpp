#include <gtest/gtest.h>

#include "formats/TimeText.h"

namespace {

TEST(TimeText, FramesAndTextBothWays) {
  struct Case {
    qint64 frames;
    int fps;
    const char* text;
  } cases[] = {
      {0, 25, "00:00:00:00"},
      {24, 25, "00:00:00:24"},
      {25, 25, "00:00:01:00"},
      {29, 30, "00:00:00:29"},
      {(3 * 60 + 25) * 25 + 12, 25, "00:03:25:12"},
      {(59LL * 3600 + 59 * 60 + 59) * 30 + 29, 30, "59:59:59:29"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(timetext::FormatFrames(c.frames, c.fps), c.text) << c.frames;
    EXPECT_EQ(timetext::DurationToFrames(QString::fromLatin1(c.text), c.fps), c.frames) << c.text;
  }
}

TEST(TimeText, HoursWrapAtSixty) {
  EXPECT_EQ(timetext::FormatFrames(61LL * 3600 * 25, 25), "01:00:00:00");
  EXPECT_EQ(timetext::FormatFrames(60LL * 3600 * 30 + 30, 30), "00:00:01:00");
  EXPECT_EQ(timetext::FormatFrames(24LL * 3600 * 25, 25), "24:00:00:00");
}

TEST(TimeText, ReaderUsesItsOwnFps) {
  // Written at 30 fps, read at 25: FF is taken as it stands.
  EXPECT_EQ(timetext::DurationToFrames(u"00:00:01:29", 25), 25 + 29);
  EXPECT_EQ(timetext::DurationToFrames(u"01:00:00:00", 25), 90000);
  EXPECT_EQ(timetext::DurationToFrames(u"00:01:00:00", 25), 1500);
}

TEST(TimeText, TextsThatAreNotDurationsCountZero) {
  const char16_t* texts[] = {u"", u"00:00:01", u"00:00:01:000", u"0a:00:01:00", u"00-00-01-00", u" 0:00:01:00"};
  for (const char16_t* t : texts) {
    EXPECT_FALSE(timetext::IsDurationText(QStringView(t))) << QString::fromUtf16(t).toStdString();
    EXPECT_EQ(timetext::DurationToFrames(QStringView(t), 25), 0);
  }
  EXPECT_TRUE(timetext::IsDurationText(u"12:34:56:07"));
}

TEST(TimeText, GuardsAgainstBadFpsAndNegativeCounts) {
  EXPECT_EQ(timetext::FormatFrames(100, 0), "00:00:00:00");
  EXPECT_EQ(timetext::FormatFrames(-1, 25), "00:00:00:00");
  EXPECT_EQ(timetext::DurationToFrames(u"00:00:01:00", 0), 0);
  EXPECT_EQ(timetext::FramesFromMilliseconds(1999, 25), 49);
  EXPECT_EQ(timetext::MillisecondsFromFrames(49, 25), 1960);
  EXPECT_EQ(timetext::FramesFromMilliseconds(1000, 0), 0);
}

}  // namespace
