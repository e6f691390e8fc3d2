#include "ui/dpi_scale.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(DpiScale, KeepsEveryFigureAt96) {
  for (int value : {-10, 0, 1, 8, 11, 65, 449, 529}) EXPECT_EQ(ScaleForDpi(value, 96), value);
}

TEST(DpiScale, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
  struct Case { int value, dpi, want; };
  const Case cases[] = {
      {11, 144, 17},    // 16.5: the message font's height at 150 %
      {10, 120, 13},    // 12.5
      {1, 144, 2},      // 1.5
      {-11, 144, -17},  // a font height, negative as GDI takes it
      {-10, 120, -13},
      {449, 120, 561},  // 561.25
      {529, 144, 794},  // 793.5
      {15, 120, 19},    // 18.75
      {7, 120, 9},      // 8.75
      {3, 120, 4},      // 3.75
      {2, 120, 3},      // 2.5
      {8, 192, 16},
      {65, 72, 49},     // 48.75: below 96 too
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.want) << c.value << " at " << c.dpi;
  }
}

TEST(DpiScale, ANonPositiveDpiCountsAsTheDesignDpi) {
  EXPECT_EQ(ScaleForDpi(449, 0), 449);
  EXPECT_EQ(ScaleForDpi(449, -144), 449);
}

TEST(DpiScale, ScalesEachSideOfAPlaceAlike) {
  const Bounds scaled = ScaleForDpi(Bounds{8, 26, 65, 21}, 144);
  EXPECT_EQ(scaled.left, 12);
  EXPECT_EQ(scaled.top, 39);
  EXPECT_EQ(scaled.width, 98);  // 97.5
  EXPECT_EQ(scaled.height, 32);  // 31.5
}

}  // namespace
}  // namespace ui
