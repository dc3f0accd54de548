#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "settings/controls/planar_image.h"
#include "settings/controls/tga_decoder.h"
#include "tests/bench/bench.h"
#include "tests/support/canvas.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;

// Seconds per call of the fastest of many short batches: other work on the machine only
// ever slows a batch down. The mean over all of them goes to `mean` when asked.
template <typename Work>
double FastestRound(Work work, double* mean = nullptr) {
  constexpr int kBatches = 40;
  constexpr int kRounds = 10;
  double fastest = 1e9;
  double total = 0;
  for (int batch = 0; batch < kBatches; ++batch) {
    const double start = BenchNow();
    for (int i = 0; i < kRounds; ++i) work();
    const double seconds = (BenchNow() - start) / kRounds;
    total += seconds;
    if (seconds < fastest) fastest = seconds;
  }
  if (mean) *mean = total / kBatches;
  return fastest;
}

// Alpha in bands of 0, 255 and in-between values, as icons with soft edges have.
void FillTestImage(PlanarImage& image) {
  image.Allocate(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * kWidth + x;
      image.Red()[at] = static_cast<std::uint8_t>(x);
      image.Green()[at] = static_cast<std::uint8_t>(y);
      image.Blue()[at] = static_cast<std::uint8_t>(x + y);
      const int band = (x / 16) % 3;
      image.Alpha()[at] = band == 0 ? 0 : band == 1 ? 255 : static_cast<std::uint8_t>(x * 7 + y);
    }
}

std::vector<std::uint8_t> TgaHeader(int type, int width, int height, int depth) {
  std::vector<std::uint8_t> bytes(18, 0);
  bytes[2] = static_cast<std::uint8_t>(type);
  bytes[12] = static_cast<std::uint8_t>(width & 255);
  bytes[13] = static_cast<std::uint8_t>(width >> 8);
  bytes[14] = static_cast<std::uint8_t>(height & 255);
  bytes[15] = static_cast<std::uint8_t>(height >> 8);
  bytes[16] = static_cast<std::uint8_t>(depth);
  bytes[17] = 0x20;
  return bytes;
}

// 1024 x 1024, 24 bits, uncompressed.
std::vector<std::uint8_t> RawTga() {
  std::vector<std::uint8_t> bytes = TgaHeader(2, 1024, 1024, 24);
  for (int i = 0; i < 1024 * 1024; ++i) {
    bytes.push_back(static_cast<std::uint8_t>(i));
    bytes.push_back(static_cast<std::uint8_t>(i >> 8));
    bytes.push_back(static_cast<std::uint8_t>(i >> 16));
  }
  return bytes;
}

// 1024 x 1024, 32 bits, run-length encoded: alternating runs of 20 equal pixels and
// literal packets of 12, as flat artwork with detail compresses.
std::vector<std::uint8_t> RunLengthTga() {
  std::vector<std::uint8_t> bytes = TgaHeader(10, 1024, 1024, 32);
  for (int pixels = 0; pixels < 1024 * 1024;) {
    bytes.push_back(0x80 | 19);
    bytes.insert(bytes.end(), {10, 20, 30, 255});
    pixels += 20;
    bytes.push_back(11);
    for (int i = 0; i < 12; ++i) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(i), 5, 6, 128});
    pixels += 12;
  }
  return bytes;
}

// Into one image object, as a reload does, and into a new one each time, where the fresh
// planes' first touch is part of the cost.
void DecodeRate(const char* name, const std::vector<std::uint8_t>& bytes) {
  PlanarImage image;
  const int rounds = 20;
  double start = BenchNow();
  for (int i = 0; i < rounds; ++i)
    if (DecodeTga(image, bytes) != S_OK) {
      std::printf("%s: decoding failed\n", name);
      return;
    }
  double seconds = BenchNow() - start;
  std::printf("TGA decode, %s: %.1f MB/s of file (%.2f ms per %dx%d image)\n", name,
              rounds * static_cast<double>(bytes.size()) / seconds / 1e6, seconds / rounds * 1e3, image.Width(),
              image.Height());
  start = BenchNow();
  for (int i = 0; i < rounds; ++i) {
    PlanarImage fresh;
    DecodeTga(fresh, bytes);
  }
  seconds = BenchNow() - start;
  std::printf("  into a new image each time: %.1f MB/s\n", rounds * static_cast<double>(bytes.size()) / seconds / 1e6);
}

}  // namespace

// Blending a full-screen image onto a 480 x 640 surface, against copying the image's bytes.
QM_BENCH(ImageDraw) {
  PlanarImage image;
  FillTestImage(image);
  Canvas surface(kWidth, kHeight, 24);
  // The first draw makes the kept section and touches its pages.
  const double firstStart = BenchNow();
  DrawImage(image, surface.Dc(), 0, 0);
  const double firstSeconds = BenchNow() - firstStart;
  double meanSeconds = 0;
  const double drawSeconds = FastestRound([&] { DrawImage(image, surface.Dc(), 0, 0); }, &meanSeconds);

  const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * 4;
  std::vector<std::uint8_t> from(bytes, 1), to(bytes);
  std::uint8_t mark = 0;
  const double copySeconds = FastestRound([&] {
    from[0] = ++mark;
    std::memcpy(to.data(), from.data(), bytes);
  });
  const double pixels = static_cast<double>(kWidth) * kHeight;
  std::printf("draw %dx%d: %.1f Mpixel/s (%.3f ms per image)\n", kWidth, kHeight, pixels / drawSeconds / 1e6,
              drawSeconds * 1e3);
  std::printf("memcpy of the same %zu bytes: %.1f Mpixel/s (%.3f ms), %.1fx faster than drawing\n", bytes,
              pixels / copySeconds / 1e6, copySeconds * 1e3, drawSeconds / copySeconds);
  std::printf("mean of all %d draws after the first: %.1f Mpixel/s; the first draw: %.3f ms\n", 400,
              pixels / meanSeconds / 1e6, firstSeconds * 1e3);
  // Screens are 32 bits a pixel, and so are the bitmaps made for them.
  Canvas screenLike(kWidth, kHeight, 32);
  DrawImage(image, screenLike.Dc(), 0, 0);
  const double screenSeconds = FastestRound([&] { DrawImage(image, screenLike.Dc(), 0, 0); });
  std::printf("draw onto 32 bits a pixel: %.1f Mpixel/s (%.3f ms)\n", pixels / screenSeconds / 1e6,
              screenSeconds * 1e3);

  // No pixel fully transparent or opaque: every one takes the arithmetic.
  for (std::size_t at = 0; at < static_cast<std::size_t>(kWidth) * kHeight; ++at) image.Alpha()[at] |= 1;
  for (std::size_t at = 0; at < static_cast<std::size_t>(kWidth) * kHeight; ++at)
    if (image.Alpha()[at] == 255) image.Alpha()[at] = 254;
  const double softSeconds = FastestRound([&] { DrawImage(image, surface.Dc(), 0, 0); });
  std::printf("draw with every pixel partly transparent: %.1f Mpixel/s (%.3f ms)\n", pixels / softSeconds / 1e6,
              softSeconds * 1e3);
}

QM_BENCH(TgaDecode) {
  DecodeRate("raw 24-bit", RawTga());
  DecodeRate("run-length 32-bit", RunLengthTga());
}
