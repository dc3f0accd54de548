#include "settings/controls/button_bar.h"

#include <gtest/gtest.h>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"

namespace {

// Icons of this test binary (list_icons.rc): 101 is 12 x 8 opaque red, 102 is 4 x 4 green
// at alpha 128.
constexpr int kRedIcon = 101;
constexpr int kHalfGreenIcon = 102;

// A 480 x 80 bar at 192 dpi, painted at y = 100 of a larger surface. Slots are 96 wide;
// icons are centred at ScaleY(2) + (80 - ScaleY(2)) / 2 = 42.
constexpr int kBarY = 100;
constexpr int kWidth = 480;
constexpr int kHeight = 80;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class ButtonBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScaleSetForTest(false, 192, 192);
    ASSERT_TRUE(surface.Create(screen, kWidth, 300));
    ScopedBrush magenta(CreateSolidBrush(kMagenta));
    RECT all = {0, 0, kWidth, 300};
    FillRect(surface.Dc(), &all, magenta.Get());
  }
  void TearDown() override { ScaleSetForTest(false, 96, 96); }

  void Paint(int width = kWidth) { bar.Paint(surface.Dc(), 0, kBarY, width, kHeight); }
  COLORREF Pixel(int x, int y) { return GetPixel(surface.Dc(), x, kBarY + y); }

  HMODULE module = GetModuleHandleW(nullptr);
  ScopedGetDC screen{nullptr};
  MemoryImage surface;
  ButtonBar bar;
};

TEST_F(ButtonBarTest, EmptyBarHitsNothing) {
  Paint();
  for (int x = 0; x < kWidth; x += 8) EXPECT_EQ(-1, bar.HitTest(x, 42));
  EXPECT_EQ(-1, bar.HitTest(-1, -1));
}

TEST_F(ButtonBarTest, SlotRectanglesAreTheIconsAsLastPainted) {
  bar.SetSlot(0, module, kRedIcon, 0);
  bar.SetSlot(4, module, kRedIcon, 1);
  EXPECT_EQ(-1, bar.HitTest(48, 42));  // not painted yet

  Paint();
  RECT first = bar.SlotRect(0);
  EXPECT_EQ(42, first.left);  // centre 48 - 6
  EXPECT_EQ(38, first.top);   // centre 42 - 4
  EXPECT_EQ(54, first.right);
  EXPECT_EQ(46, first.bottom);
  EXPECT_EQ(0, bar.HitTest(42, 38));
  EXPECT_EQ(0, bar.HitTest(53, 45));
  EXPECT_EQ(-1, bar.HitTest(54, 45));
  EXPECT_EQ(-1, bar.HitTest(41, 38));
  EXPECT_EQ(-1, bar.HitTest(48, 46));
  EXPECT_EQ(1, bar.HitTest(432, 42));  // slot 4 centre: 48 + 4 * 96
  EXPECT_EQ(-1, bar.HitTest(240, 42));  // slot 2 is empty

  EXPECT_EQ(0, bar.X());
  EXPECT_EQ(kBarY, bar.Y());
  EXPECT_EQ(kWidth, bar.Width());
  EXPECT_EQ(kHeight, bar.Height());
}

TEST_F(ButtonBarTest, EmptiedOrUnloadableSlotsHitNothing) {
  bar.SetSlot(0, module, kRedIcon, 0);
  bar.SetSlot(4, module, kRedIcon, 1);
  Paint();
  bar.SetSlot(0, nullptr, -1, -1);
  EXPECT_EQ(-1, bar.HitTest(48, 42));
  RECT cleared = bar.SlotRect(0);
  EXPECT_TRUE(IsRectEmpty(&cleared));

  bar.SetSlot(4, module, 999, 2);
  Paint();
  EXPECT_EQ(-1, bar.HitTest(432, 42));

  bar.SetSlot(4, module, kRedIcon, 2);
  bar.SetSlot(5, module, kRedIcon, 7);  // no such slots: ignored
  bar.SetSlot(-1, module, kRedIcon, 7);
  Paint();
  EXPECT_EQ(2, bar.HitTest(432, 42));
  EXPECT_EQ(-1, bar.HitTest(48, 42));
}

TEST_F(ButtonBarTest, PaintsItsRectangleWithTheDarkTopEdgeAndBlendedIcons) {
  Paint();
  COLORREF edge = MixColour(RGB(0, 0, 0), GetSysColor(COLOR_HIGHLIGHT), 164);
  EXPECT_EQ(kMagenta, Pixel(10, -1));
  EXPECT_EQ(edge, Pixel(10, 0));
  EXPECT_EQ(edge, Pixel(kWidth - 1, 1));
  EXPECT_NE(edge, Pixel(10, 2));
  EXPECT_NE(kMagenta, Pixel(10, kHeight - 1));
  EXPECT_EQ(kMagenta, Pixel(10, kHeight));
  COLORREF under = Pixel(241, 41);

  bar.SetSlot(2, module, kHalfGreenIcon, 3);
  bar.SetSlot(0, module, kRedIcon, 0);
  Paint();
  EXPECT_EQ(MixColour(RGB(0, 255, 0), under, 128), Pixel(241, 41));  // icon at (238, 40)
  EXPECT_EQ(under, Pixel(242, 41));
  EXPECT_EQ(RGB(255, 0, 0), Pixel(42, 38));
  EXPECT_EQ(3, bar.HitTest(238, 40));
}

TEST_F(ButtonBarTest, BackgroundIsBuiltOnceForAWidth) {
  Paint();
  HBRUSH brush = bar.BackgroundBrush();
  ASSERT_NE(nullptr, brush);
  Paint();
  EXPECT_EQ(brush, bar.BackgroundBrush());
  Paint(400);
  EXPECT_NE(brush, bar.BackgroundBrush());
  EXPECT_NE(nullptr, bar.BackgroundBrush());
}

}  // namespace
