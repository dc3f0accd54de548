#include <gtest/gtest.h>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/memory_image.h"
#include "settings/controls/planar_image.h"
#include "tests/images/test_images.h"

namespace {

TEST(ColourMix, IsRoundedDivisionBy255) {
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      for (int t = 0; t < 256; ++t) {
        const int exact2 = 2 * (a * t + b * (255 - t));
        ASSERT_EQ((exact2 + 255) / 510, MixChannel(a, b, t)) << a << " " << b << " " << t;
      }
  EXPECT_EQ(RGB(128, 64, 0), MixColour(RGB(255, 128, 0), RGB(0, 0, 0), 128));
  EXPECT_EQ(RGB(10, 20, 30), MixColour(RGB(200, 200, 200), RGB(10, 20, 30), 0));
}

TEST(SolidImage, FillsEveryPlane) {
  PlanarImage image;
  ASSERT_EQ(S_OK, MakeSolidImage(image, 4, 3, RGB(10, 20, 30), 77));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ((Rgba{10, 20, 30, 77}), ImagePixel(image, x, y));
  EXPECT_EQ(E_FAIL, MakeSolidImage(image, 0, 3, RGB(10, 20, 30), 77));
  EXPECT_FALSE(image.Drawable());
}

TEST(DrawImage, BlendsEachPixelByItsAlpha) {
  Canvas canvas(8, 4);
  canvas.Fill(RGB(0, 0, 0));
  PlanarImage image;
  ASSERT_TRUE(image.Allocate(3, 1));
  const std::uint8_t alphas[3] = {128, 0, 255};
  for (int x = 0; x < 3; ++x) {
    image.Red()[x] = image.Green()[x] = image.Blue()[x] = 255;
    image.Alpha()[x] = alphas[x];
  }
  canvas.SetPixelColour(3, 1, RGB(40, 50, 60));
  EXPECT_EQ(1, DrawImage(image, canvas.Dc(), 2, 1));
  EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(2, 1));
  EXPECT_EQ(RGB(40, 50, 60), canvas.Pixel(3, 1));
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(4, 1));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(1, 1));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(5, 1));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 0));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 2));
}

TEST(DrawImage, ChannelsStaySeparate) {
  Canvas canvas(1, 1);
  canvas.Fill(RGB(200, 100, 50));
  PlanarImage image;
  ASSERT_EQ(S_OK, MakeSolidImage(image, 1, 1, RGB(10, 220, 130), 64));
  DrawImage(image, canvas.Dc(), 0, 0);
  EXPECT_EQ(RGB(MixChannel(10, 200, 64), MixChannel(220, 100, 64), MixChannel(130, 50, 64)), canvas.Pixel(0, 0));
}

TEST(DrawImage, LargerAreaRepeatsTheImage) {
  Canvas canvas(48, 40);
  canvas.Fill(RGB(1, 1, 1));
  PlanarImage image;
  ASSERT_TRUE(image.Allocate(16, 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * 16 + x;
      image.Red()[at] = static_cast<std::uint8_t>(x * 10);
      image.Green()[at] = static_cast<std::uint8_t>(y * 10);
      image.Blue()[at] = 200;
      image.Alpha()[at] = 255;
    }
  // 40 x 16: two and a half copies across.
  EXPECT_EQ(1, DrawImage(image, canvas.Dc(), 3, 2, 40, 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(RGB((x % 16) * 10, y * 10, 200), canvas.Pixel(3 + x, 2 + y)) << x << "," << y;
  EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(43, 2));
  EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(3, 18));

  // Downwards as well.
  canvas.Fill(RGB(1, 1, 1));
  EXPECT_EQ(1, DrawImage(image, canvas.Dc(), 0, 0, 16, 40));
  EXPECT_EQ(RGB(50, 30, 200), canvas.Pixel(5, 35));
}

TEST(DrawImage, SmallerAreaShowsTheTopLeftPart) {
  Canvas canvas(8, 8);
  canvas.Fill(RGB(0, 0, 0));
  PlanarImage image;
  ASSERT_EQ(S_OK, MakeSolidImage(image, 6, 6, RGB(90, 90, 90), 255));
  EXPECT_EQ(1, DrawImage(image, canvas.Dc(), 0, 0, 2, 3));
  EXPECT_EQ(RGB(90, 90, 90), canvas.Pixel(1, 2));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 2));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(1, 3));
}

// A 24-bit surface beside the 32-bit Canvas: draws blend on a section of the destination's
// depth, so both kinds are drawn on.
struct Canvas24 : Canvas {
  Canvas24(int width, int height) : Canvas(width, height, 24) {}
};

// An odd-width image with runs of transparent and opaque pixels between soft ones.
void FillPattern(PlanarImage& image, int width, int height) {
  ASSERT_TRUE(image.Allocate(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      image.Red()[at] = static_cast<std::uint8_t>(x * 23 + y);
      image.Green()[at] = static_cast<std::uint8_t>(y * 41 + x * 3);
      image.Blue()[at] = static_cast<std::uint8_t>(200 - x * 5);
      const int run = (x + y * 3) / 9 % 4;
      image.Alpha()[at] = run == 0 ? 0 : run == 1 ? 255 : static_cast<std::uint8_t>(x * 29 + y * 13);
    }
}

template <typename Surface>
void ExpectPlainBlendAtEveryWidthClippedOrTiled() {
  constexpr int kWidth = 80;
  constexpr int kHeight = 20;
  Surface canvas(kWidth, kHeight);
  for (int width = 1; width <= 67; ++width) {
    PlanarImage image;
    FillPattern(image, width, 5);
    struct Place {
      int x, y, width, height;
    };
    const Place places[] = {
        {7, 6, -1, -1},                       // inside
        {-3, 6, -1, -1},                      // clipped on the left
        {kWidth - width / 2 - 1, 6, -1, -1},  // on the right
        {7, -2, -1, -1},                      // at the top
        {7, kHeight - 3, -1, -1},             // at the bottom
        {2, 3, width * 2 + 3, 12},            // repeated across and down
    };
    for (const Place& place : places) {
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) canvas.SetPixelColour(x, y, RGB(x * 3, y * 11, (x ^ y) * 5));
      ASSERT_EQ(1, DrawImage(image, canvas.Dc(), place.x, place.y, place.width, place.height));
      const int drawnWidth = place.width == -1 ? width : place.width;
      const int drawnHeight = place.height == -1 ? 5 : place.height;
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
          COLORREF expected = RGB(x * 3, y * 11, (x ^ y) * 5);
          const int column = x - place.x;
          const int row = y - place.y;
          if (column >= 0 && column < drawnWidth && row >= 0 && row < drawnHeight) {
            const Rgba source = ImagePixel(image, column % width, row % 5);
            expected = RGB(MixChannel(source.red, GetRValue(expected), source.alpha),
                           MixChannel(source.green, GetGValue(expected), source.alpha),
                           MixChannel(source.blue, GetBValue(expected), source.alpha));
          }
          if (canvas.Pixel(x, y) != expected)
            FAIL() << "width " << width << " at " << place.x << "," << place.y << ": pixel " << x << "," << y;
        }
    }
  }
}

TEST(DrawImage, MatchesThePlainBlendAtEveryWidthClippedOrTiled) {
  ExpectPlainBlendAtEveryWidthClippedOrTiled<Canvas>();
  ExpectPlainBlendAtEveryWidthClippedOrTiled<Canvas24>();
}

// Draws on two threads at once must not share one blending surface.
struct DrawJob {
  COLORREF background;
  int wrong = 0;
};

DWORD WINAPI DrawRepeatedly(void* parameter) {
  DrawJob& job = *static_cast<DrawJob*>(parameter);
  Canvas canvas(64, 64);
  PlanarImage image;
  MakeSolidImage(image, 64, 64, RGB(255, 255, 255), 128);
  const COLORREF expected = MixColour(RGB(255, 255, 255), job.background, 128);
  for (int i = 0; i < 200; ++i) {
    canvas.Fill(job.background);
    DrawImage(image, canvas.Dc(), 0, 0);
    if (canvas.Pixel(i % 64, 63 - i % 64) != expected) ++job.wrong;
  }
  return 0;
}

TEST(DrawImage, ConcurrentDrawsStayApart) {
  DrawJob jobs[2] = {{RGB(0, 0, 0)}, {RGB(0, 0, 250)}};
  HANDLE threads[2];
  for (int i = 0; i < 2; ++i) threads[i] = CreateThread(nullptr, 0, DrawRepeatedly, &jobs[i], 0, nullptr);
  WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(0, jobs[0].wrong);
  EXPECT_EQ(0, jobs[1].wrong);
}

TEST(DrawImage, ImageWithoutAlphaDrawsNothing) {
  Canvas canvas(4, 4);
  canvas.Fill(RGB(5, 6, 7));
  PlanarImage empty;
  EXPECT_EQ(0, DrawImage(empty, canvas.Dc(), 0, 0));
  EXPECT_EQ(0, DrawImage(empty, canvas.Dc(), 0, 0, 4, 4));
  EXPECT_EQ(RGB(5, 6, 7), canvas.Pixel(0, 0));
}

template <typename Surface>
void ExpectTintOverTheRectangleOnly() {
  Surface canvas(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) canvas.SetPixelColour(x, y, RGB(10, 20, 30));
  TintRect(canvas.Dc(), 1, 2, 3, 2, RGB(200, 100, 0), 64);
  const COLORREF tinted = RGB(MixChannel(200, 10, 64), MixChannel(100, 20, 64), MixChannel(0, 30, 64));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 4;
      EXPECT_EQ(inside ? tinted : RGB(10, 20, 30), canvas.Pixel(x, y)) << x << "," << y;
    }
  TintRect(canvas.Dc(), 0, 0, 1, 1, RGB(255, 255, 255), 255);
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(0, 0));
  TintRect(canvas.Dc(), 5, 5, 1, 1, RGB(255, 255, 255), 0);
  EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(5, 5));
}

TEST(TintRect, BlendsTheColourOverTheRectangleOnly) {
  ExpectTintOverTheRectangleOnly<Canvas>();
  ExpectTintOverTheRectangleOnly<Canvas24>();
}

class Shine : public ::testing::Test {
 protected:
  void TearDown() override { ScaleSetForTest(false, 96, 96); }

  // White shine over black along one row; the opacity at each distance is the red value.
  static int OpacityAt(const Canvas& canvas, int x, int y) { return GetRValue(canvas.Pixel(x, y)); }
  static int Expected(int opacity) { return MixChannel(255, 0, opacity); }
};

TEST_F(Shine, FallsFromTheCentreToTheDiamondAt80AndRisesBeyond) {
  ScaleSetForTest(false, 96, 96);
  Canvas canvas(300, 3);
  canvas.Fill(RGB(0, 0, 0));
  const RECT rect = {0, 0, 300, 3};
  ShineRect(canvas.Dc(), rect, 0, 1, RGB(255, 255, 255));
  EXPECT_EQ(Expected(53), OpacityAt(canvas, 0, 1));
  EXPECT_EQ(Expected(52), OpacityAt(canvas, 1, 1));
  EXPECT_EQ(Expected(52), OpacityAt(canvas, 0, 0));  // one step up is the same distance
  EXPECT_EQ(Expected(13), OpacityAt(canvas, 60, 1));
  EXPECT_EQ(0, OpacityAt(canvas, 80, 1));
  EXPECT_EQ(0, OpacityAt(canvas, 79, 0));  // on the diamond: 79 across plus 1 up
  EXPECT_EQ(Expected(13), OpacityAt(canvas, 100, 1));
  EXPECT_EQ(Expected(116), OpacityAt(canvas, 254, 1));
  EXPECT_EQ(Expected(53), OpacityAt(canvas, 255, 1));  // the pattern repeats every 255
}

TEST_F(Shine, CentreIsInDeviceCoordinatesAndDistanceIsIn96DpiUnits) {
  ScaleSetForTest(false, 192, 192);
  Canvas canvas(400, 2);
  canvas.Fill(RGB(0, 0, 0));
  const RECT rect = {20, 1, 400, 2};
  ShineRect(canvas.Dc(), rect, 20, 1, RGB(255, 255, 255));
  EXPECT_EQ(Expected(53), OpacityAt(canvas, 20, 1));
  EXPECT_EQ(Expected(53), OpacityAt(canvas, 21, 1));  // half a unit rounds down
  EXPECT_EQ(0, OpacityAt(canvas, 20 + 160, 1));
  EXPECT_EQ(0, OpacityAt(canvas, 19, 1));  // outside the rectangle
  EXPECT_EQ(0, OpacityAt(canvas, 20, 0));
}

// The bar blends its shine straight into its pattern's section: the same pixels as the shine
// through a copy, only inside the rectangle.
TEST_F(Shine, InPlaceOnASectionMatchesTheCopy) {
  ScaleSetForTest(false, 192, 192);
  constexpr int kWidth = 300;
  constexpr int kHeight = 40;
  Canvas copied(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) copied.SetPixelColour(x, y, RGB(x, y * 6, (x ^ y) & 0xFF));
  MemoryImage section;
  ASSERT_TRUE(section.CreateSection(copied.Dc(), kWidth, kHeight));
  BitBlt(section.Dc(), 0, 0, kWidth, kHeight, copied.Dc(), 0, 0, SRCCOPY);
  GdiFlush();
  const RECT rect = {7, 3, 290, 37};
  ShineRect(copied.Dc(), rect, 150, 11, RGB(255, 255, 255));
  ShinePixels(section.Pixels(), kWidth * 4, rect, 150, 11, RGB(255, 255, 255));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t* pixel = section.Pixels() + (y * kWidth + x) * 4;
      if (RGB(pixel[2], pixel[1], pixel[0]) != copied.Pixel(x, y)) FAIL() << "pixel " << x << "," << y;
    }
}

}  // namespace
