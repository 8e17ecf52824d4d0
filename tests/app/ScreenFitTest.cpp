#include "app/ScreenFit.h"

#include <gtest/gtest.h>

TEST(ScreenFit, PlacesTheWindowByScreenWidth) {
  struct Case {
    QSize screen;
    std::optional<QRect> expected;
  };
  const Case cases[] = {
      {{640, 480}, QRect(0, 0, 640, 480)},
      {{800, 600}, QRect(0, 0, 800, 600)},
      {{1024, 768}, QRect(112, 84, 800, 600)},
      {{1152, 864}, QRect(112, 84, 800, 600)},
      {{1280, 1024}, QRect(112, 84, 800, 600)},
      {{720, 576}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FitToScreen(c.screen), c.expected) << c.screen.width();
}
