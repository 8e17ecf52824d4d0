// The pure pieces of the decks: the equaliser table and the counter.
#include <gtest/gtest.h>

#include "deck/DigitDisplay.h"
#include "deck/DigitStrip.h"
#include "deck/EqualizerTable.h"

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

TEST(DigitDisplay, MapsCharactersToStripCellsAndSizesItself) {
  EXPECT_EQ(DigitDisplay::CellFor(u'0'), 0);
  EXPECT_EQ(DigitDisplay::CellFor(u'9'), 9);
  EXPECT_EQ(DigitDisplay::CellFor(u':'), 11);
  EXPECT_EQ(DigitDisplay::CellFor(u' '), 10);
  EXPECT_EQ(DigitDisplay::CellFor(u'-'), 10);
  const QPixmap strip = MakeDigitStrip(18, 26);
  DigitDisplay display(strip, 11);
  EXPECT_EQ(display.size(), QSize(11 * 18 + 4, 26 + 4));
  display.SetNumber(42);
  EXPECT_EQ(display.Text(), QStringLiteral("         42"));
  DigitDisplay small(strip, 3);
  small.SetNumber(12345);  // only the cells it has
  EXPECT_EQ(small.Text(), QStringLiteral("345"));
}
