#include "settings/controls/alpha_blend.h"

#include <cstddef>

namespace {

// Pixels go in chunks of this many; loops of a fixed count vectorize without remainders.
constexpr int kChunk = 16;

enum class Coverage { kNone, kFull, kPartial };

// Whole chunks of one alpha are common (transparent margins, opaque bodies) and need no
// arithmetic at all.
Coverage ChunkCoverage(const std::uint8_t* alpha) {
  unsigned all = 255;
  unsigned any = 0;
  for (int i = 0; i < kChunk; ++i) {
    all &= alpha[i];
    any |= alpha[i];
  }
  return any == 0 ? Coverage::kNone : all == 255 ? Coverage::kFull : Coverage::kPartial;
}

void CopyChunk(const PlanarRow& source, std::uint8_t* __restrict pixels) {
  const std::uint8_t* __restrict red = source.red;
  const std::uint8_t* __restrict green = source.green;
  const std::uint8_t* __restrict blue = source.blue;
  for (int i = 0; i < kChunk; ++i) {
    pixels[3 * i] = blue[i];
    pixels[3 * i + 1] = green[i];
    pixels[3 * i + 2] = red[i];
  }
}

// The source is first laid out as the pixels are, each alpha three times: then every byte
// blends alike and the loop maps onto vector lanes, which bytes three apart do not.
void BlendChunk(const PlanarRow& source, std::uint8_t* __restrict pixels) {
  std::uint8_t colour[3 * kChunk];
  std::uint8_t weight[3 * kChunk];
  for (int i = 0; i < kChunk; ++i) {
    colour[3 * i] = source.blue[i];
    colour[3 * i + 1] = source.green[i];
    colour[3 * i + 2] = source.red[i];
    weight[3 * i] = weight[3 * i + 1] = weight[3 * i + 2] = source.alpha[i];
  }
  for (int i = 0; i < 3 * kChunk; ++i) pixels[i] = BlendByte(colour[i], pixels[i], weight[i]);
}

PlanarRow Advance(const PlanarRow& row, int by) {
  return {row.red + by, row.green + by, row.blue + by, row.alpha + by};
}

}  // namespace

void BlendRow(const PlanarRow& source, std::uint8_t* pixels, int count) {
  int at = 0;
  for (; at + kChunk <= count; at += kChunk) {
    const PlanarRow chunk = Advance(source, at);
    std::uint8_t* chunkPixels = pixels + 3 * static_cast<std::ptrdiff_t>(at);
    switch (ChunkCoverage(chunk.alpha)) {
      case Coverage::kNone:
        break;
      case Coverage::kFull:
        CopyChunk(chunk, chunkPixels);
        break;
      case Coverage::kPartial:
        BlendChunk(chunk, chunkPixels);
        break;
    }
  }
  for (; at < count; ++at) {
    std::uint8_t* pixel = pixels + 3 * static_cast<std::ptrdiff_t>(at);
    const std::uint8_t alpha = source.alpha[at];
    pixel[0] = BlendByte(source.blue[at], pixel[0], alpha);
    pixel[1] = BlendByte(source.green[at], pixel[1], alpha);
    pixel[2] = BlendByte(source.red[at], pixel[2], alpha);
  }
}
