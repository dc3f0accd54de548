#include "settings/controls/alpha_blend.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// Rounded division by 255, written the slow, obvious way.
int PlainMix(int source, int destination, int alpha) {
  return (2 * (source * alpha + destination * (255 - alpha)) + 255) / 510;
}

TEST(BlendRow, EqualsThePlainMixForEverySourceDestinationAndAlpha) {
  // Each call covers all 256 sources for one (destination, alpha); the three channels take
  // the sources in different orders so that each channel alone sees every triple.
  std::array<std::uint8_t, 256> red, green, blue, alpha;
  std::array<std::uint8_t, 256 * 3> pixels;
  for (int s = 0; s < 256; ++s) {
    blue[s] = static_cast<std::uint8_t>(s);
    green[s] = static_cast<std::uint8_t>(255 - s);
    red[s] = static_cast<std::uint8_t>(s ^ 0xA5);
  }
  for (int t = 0; t < 256; ++t) {
    alpha.fill(static_cast<std::uint8_t>(t));
    for (int d = 0; d < 256; ++d) {
      pixels.fill(static_cast<std::uint8_t>(d));
      BlendRow({red.data(), green.data(), blue.data(), alpha.data()}, pixels.data(), 256);
      for (int s = 0; s < 256; ++s) {
        if (pixels[3 * s] != PlainMix(blue[s], d, t) || pixels[3 * s + 1] != PlainMix(green[s], d, t) ||
            pixels[3 * s + 2] != PlainMix(red[s], d, t))
          FAIL() << "source " << s << ", destination " << d << ", alpha " << t;
      }
    }
  }
}

TEST(BlendRow, AnyWidthAndAlignmentTouchesExactlyItsPixels) {
  constexpr int kMaxWidth = 67;
  constexpr int kSlack = 16;
  std::vector<std::uint8_t> planes[4];
  for (int plane = 0; plane < 4; ++plane) {
    planes[plane].resize(kMaxWidth + kSlack);
    for (int i = 0; i < kMaxWidth + kSlack; ++i)
      planes[plane][i] = static_cast<std::uint8_t>(i * (37 + plane * 16) + plane * 91);
  }
  // Alpha in runs: whole chunks of 0 and of 255 as well as mixed ones, wherever they start.
  for (int i = 0; i < kMaxWidth + kSlack; ++i) {
    const int run = i / 11 % 4;
    planes[3][i] = run == 0 ? 0 : run == 1 ? 255 : planes[3][i];
  }
  std::vector<std::uint8_t> pixels((kMaxWidth + kSlack) * 3 + 2 * kSlack);
  for (int width = 1; width <= kMaxWidth; ++width)
    for (int from = 0; from < kSlack; ++from)
      for (int to = 0; to < kSlack; ++to) {
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7 + width);
        const std::vector<std::uint8_t> before = pixels;
        const PlanarRow source{planes[0].data() + from, planes[1].data() + from, planes[2].data() + from,
                               planes[3].data() + from};
        BlendRow(source, pixels.data() + kSlack + to, width);
        for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
          const int pixel = (i - kSlack - to) / 3;
          int expected = before[i];
          if (i >= kSlack + to && pixel < width) {
            const std::uint8_t* channel = (i - kSlack - to) % 3 == 0 ? source.blue
                                          : (i - kSlack - to) % 3 == 1 ? source.green
                                                                       : source.red;
            expected = PlainMix(channel[pixel], before[i], source.alpha[pixel]);
          }
          if (pixels[i] != expected) FAIL() << "width " << width << ", from " << from << ", to " << to << ", byte " << i;
        }
      }
}

}  // namespace
