#include <gtest/gtest.h>

#include "formats/StyleTableFile.h"
#include "mix/MixSettings.h"

namespace {

TEST(StyleParameters, MissingFieldsCountAsZeroThenClamped) {
  QByteArray data;
  for (const char* t :
       {"A", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "0", "0", "0", "0", "B", "1", "2", "3", "4"})
    data += QByteArray("\"") + t + "\",";
  const StyleTable t = stylefile::ParseStyles(data);
  ASSERT_EQ(t.Size(), 2);
  const StyleParameters p = ParametersOf(t.Row(1));
  EXPECT_EQ(p.outSpeedStep, 0);
  EXPECT_EQ(p.mixTimerInterval, 10);
  EXPECT_EQ(p.styleStartVolume, 0);
}

TEST(StyleParameters, ClampedToTheSliderRanges) {
  MixStyle s;
  s.fields = {"X", "61", "-3", "7", "11", "4", "5", "", "", "100", "0", "0", "0", "0", "0"};
  EXPECT_EQ(ParametersOf(s), (StyleParameters{60, 0, 1, 10, 3, 10, 95}));
  s.fields = {"X", "-1", "46", "0", "-1", "-1", "51", "", "", "-5", "0", "0", "0", "0", "0"};
  EXPECT_EQ(ParametersOf(s), (StyleParameters{0, 45, 0, 0, 0, 50, 0}));
}

TEST(StyleParameters, BuiltInStyles) {
  const StyleTable table = stylefile::ParseStyles(stylefile::DefaultStylesBytes());
  ASSERT_EQ(table.Size(), 2);
  EXPECT_EQ(ParametersOf(table.Row(0)), (StyleParameters{1, 0, 1, 2, 0, 10, 0}));
  EXPECT_EQ(ParametersOf(table.Row(1)), (StyleParameters{6, 0, 1, 2, 0, 10, 95}));
}

TEST(StyleForClip, AdvertsOnAndOff) {
  struct Case {
    const char* title;
    bool advertsOn;
    const char* expected;
  } cases[] = {
      {"* Spot 1", true, "ADVS"},  {"Song", true, "SET"},   {"*Song", true, "SET"},
      {"* Spot 1", false, "MINE"}, {"Song", false, "MINE"},
  };
  for (const Case& c : cases) EXPECT_EQ(StyleForClip(c.title, c.advertsOn, "SET", "MINE"), c.expected) << c.title;
}

}  // namespace
