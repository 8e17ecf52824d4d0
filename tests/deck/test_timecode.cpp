// The pure pieces of the decks: time texts, clip titles, the equaliser table.
#include <gtest/gtest.h>

#include "deck/EqualizerTable.h"
#include "deck/Timecode.h"

TEST(Timecode, FormatsHoursMinutesSecondsFrames) {
  struct Case {
    uint64_t ms;
    int fps;
    const char* text;
  } cases[] = {
      {0, 25, "00:00:00:00"},
      {3723040, 25, "01:02:03:01"},
      {10000, 25, "00:00:10:00"},
      {184000, 30, "00:03:04:00"},
      {999, 30, "00:00:00:29"},
      {3600000ull * 61, 25, "01:00:00:00"},       // hours wrap at 60
      {3600000ull * 48, 30, "48:00:00:00"},       // past where a 32-bit ms x fps would wrap
  };
  for (const Case& c : cases) EXPECT_EQ(FormatTimecode(c.ms, c.fps), QLatin1String(c.text)) << c.ms;
}

TEST(Timecode, ParsesFieldsAtTheirPositions) {
  struct Case {
    const char* text;
    int fps;
    uint32_t frames;
  } cases[] = {
      {"00:00:02:00", 25, 50},
      {"00:00:01:01", 25, 26},
      {"01:02:03:04", 30, 4 + 3 * 30 + 2 * 30 * 60 + 1 * 30 * 3600},
      {"", 25, 0},             // too short: no field read past the text
      {"0", 25, 0},
      {"xx:yy:zz:ww", 25, 0},  // not digits
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTimecode(QLatin1String(c.text), c.fps), c.frames) << c.text;
}

TEST(Timecode, RoundTripsAtBothFrameRates) {
  for (int fps : {25, 30}) {
    for (uint32_t frames : {0u, 1u, 26u, 5519u, 90000u}) {
      EXPECT_EQ(ParseTimecode(FormatTimecode(uint64_t{frames} * 1000 / fps + 1, fps), fps), frames) << fps;
    }
  }
}

TEST(ClipTitle, TakesTheNameWithoutFolderAndExtension) {
  struct Case {
    const char* path;
    const char* title;
  } cases[] = {
      {"c:\\music\\Song One.mp3", "Song One"},
      {"/home/radio/music/Song Two.mp3", "Song Two"},
      {"D:\\mixed/folders\\Three.MP3", "Three"},
      {"c:Four.mp3", "Four"},         // no separator: past the drive prefix
      {"\\Five.mp3", "ive"},          // a separator at the first character does not count
      {"c:\\x\\.mp", ""},             // fewer than four characters
      {"", "ERR"},
  };
  for (const Case& c : cases) EXPECT_EQ(ClipTitleFromPath(QString::fromLatin1(c.path)), QLatin1String(c.title)) << c.path;
}

TEST(EqualizerTable, SlidersFillTheirBandGroupsNegatedInBothChannels) {
  EqualizerSliders sliders{};
  sliders[3] = -10;  // slider 4 moved up
  sliders[5] = 70;   // slider 6 at the bottom
  const auto table = BuildEqualizerTable(sliders);
  for (int band = 0; band < 32; ++band) {
    const int expected = band >= 4 && band <= 7 ? 10 : band >= 14 ? -70 : 0;
    EXPECT_EQ(table[band], expected) << "left " << band;
    EXPECT_EQ(table[band + 32], expected) << "right " << band;
  }
}

TEST(EqualizerTable, ReportedBandsGiveBackTheSlidersWithinRange) {
  const EqualizerSliders sliders{-30, 35, -2, 50, 0, -70};
  std::array<int8_t, 32> left{};
  const auto table = BuildEqualizerTable(sliders);
  std::copy_n(table.begin(), 32, left.begin());
  EXPECT_EQ(SlidersFromBands(left), sliders);
  left.fill(-127);  // louder than any slider reaches
  EXPECT_EQ(SlidersFromBands(left), (EqualizerSliders{30, 35, 40, 50, 60, 70}));
}
