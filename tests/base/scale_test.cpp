#include "settings/base/scale.h"

#include <gtest/gtest.h>

TEST(Scale, RoundsToNearestPixelWithSign) {
  EXPECT_EQ(-5, ScaleValue(-3, 144, false, false));
  EXPECT_EQ(1, ScaleValue(1, 96, false, false));
  EXPECT_EQ(1, ScaleValue(1, 131, false, false));
  EXPECT_EQ(2, ScaleValue(1, 144, false, false));
  EXPECT_EQ(2, ScaleValue(1, 192, false, false));
  EXPECT_EQ(320, ScaleValue(160, 192, false, false));
  EXPECT_EQ(0, ScaleValue(0, 192, false, false));
}

TEST(Scale, KeepSmallOnlyBelow136Dpi) {
  EXPECT_EQ(40, ScaleValue(40, 131, false, true));
  EXPECT_EQ(55, ScaleValue(40, 131, false, false));
  EXPECT_EQ(80, ScaleValue(40, 192, false, true));
}

TEST(Scale, DoubleSizeDoublesWhateverTheDpi) {
  EXPECT_EQ(24, ScaleValue(12, 96, true, false));
  EXPECT_EQ(24, ScaleValue(12, 96, true, true));
  EXPECT_EQ(-6, ScaleValue(-3, 192, true, false));
}

TEST(Scale, GlobalStateUsesEachAxisOwnDpi) {
  ScaleSetForTest(false, 96, 192);
  EXPECT_EQ(12, ScaleX(12));
  EXPECT_EQ(24, ScaleY(12));
  ScaleInit(true);  // already initialised: no effect
  EXPECT_EQ(12, ScaleX(12));
  ScaleSetForTest(false, 96, 96);
}
