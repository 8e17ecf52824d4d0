// The pure pieces of the decks: the equaliser table.
#include <gtest/gtest.h>

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
