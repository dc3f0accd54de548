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
  // the sources in different orders so that each channel alone sees every triple. Pixels of
  // four bytes keep their fourth.
  std::array<std::uint8_t, 256> red, green, blue, alpha;
  std::array<std::uint8_t, 256 * 3> pixels;
  std::array<std::uint8_t, 256 * 4> pixels32;
  for (int s = 0; s < 256; ++s) {
    blue[s] = static_cast<std::uint8_t>(s);
    green[s] = static_cast<std::uint8_t>(255 - s);
    red[s] = static_cast<std::uint8_t>(s ^ 0xA5);
  }
  for (int t = 0; t < 256; ++t) {
    alpha.fill(static_cast<std::uint8_t>(t));
    for (int d = 0; d < 256; ++d) {
      pixels.fill(static_cast<std::uint8_t>(d));
      pixels32.fill(static_cast<std::uint8_t>(d));
      BlendRow({red.data(), green.data(), blue.data(), alpha.data()}, pixels.data(), 256);
      BlendRow32({red.data(), green.data(), blue.data(), alpha.data()}, pixels32.data(), 256);
      for (int s = 0; s < 256; ++s) {
        if (pixels[3 * s] != PlainMix(blue[s], d, t) || pixels[3 * s + 1] != PlainMix(green[s], d, t) ||
            pixels[3 * s + 2] != PlainMix(red[s], d, t))
          FAIL() << "source " << s << ", destination " << d << ", alpha " << t;
        if (pixels32[4 * s] != pixels[3 * s] || pixels32[4 * s + 1] != pixels[3 * s + 1] ||
            pixels32[4 * s + 2] != pixels[3 * s + 2] || pixels32[4 * s + 3] != d)
          FAIL() << "32 bits: source " << s << ", destination " << d << ", alpha " << t;
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
  const std::vector<std::uint8_t> mixed = planes[3];
  // Alpha in runs of 0, of 255 and of mixed values: short runs put every kind of pixel at
  // every place in a chunk, long ones make whole chunks of one kind wherever they start.
  for (const int runLength : {11, 24}) {
    for (int i = 0; i < kMaxWidth + kSlack; ++i) {
      const int run = i / runLength % 4;
      planes[3][i] = run == 0 ? 0 : run == 1 ? 255 : mixed[i];
    }
    for (const int pixelBytes : {3, 4}) {
      std::vector<std::uint8_t> pixels((kMaxWidth + kSlack) * pixelBytes + 2 * kSlack);
      for (int width = 1; width <= kMaxWidth; ++width)
        for (int from = 0; from < kSlack; ++from)
          for (int to = 0; to < kSlack; ++to) {
            for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7 + width);
            const std::vector<std::uint8_t> before = pixels;
            const PlanarRow source{planes[0].data() + from, planes[1].data() + from, planes[2].data() + from,
                                   planes[3].data() + from};
            (pixelBytes == 3 ? BlendRow : BlendRow32)(source, pixels.data() + kSlack + to, width);
            for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
              const int offset = i - kSlack - to;
              const int pixel = offset / pixelBytes;
              const int channel = offset % pixelBytes;
              int expected = before[i];
              if (offset >= 0 && pixel < width && channel < 3) {
                const std::uint8_t* plane = channel == 0 ? source.blue : channel == 1 ? source.green : source.red;
                expected = PlainMix(plane[pixel], before[i], source.alpha[pixel]);
              }
              if (pixels[i] != expected)
                FAIL() << "runs of " << runLength << ", " << pixelBytes << " bytes a pixel, width " << width
                       << ", from " << from << ", to " << to << ", byte " << i;
            }
          }
    }
  }
}

}  // namespace
