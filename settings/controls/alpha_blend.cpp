#include "settings/controls/alpha_blend.h"

#include <bit>
#include <cstddef>
#include <cstring>

namespace {

// Pixels go in chunks of this many; loops of a fixed count vectorize without remainders.
constexpr int kChunk = 16;

using Word = std::uint64_t;
static_assert(std::endian::native == std::endian::little, "a word holds its first byte lowest");

Word LoadWord(const std::uint8_t* bytes) {
  Word word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

void StoreWord(std::uint8_t* bytes, Word word) { std::memcpy(bytes, &word, sizeof word); }

// A chunk four bytes a pixel. Four planes interleave with plain unpacking on every vector
// unit, where three need byte shuffles that some lack; so 24-bit pixels are made from these
// by dropping every fourth byte.
struct Quads {
  alignas(16) std::uint8_t bytes[4 * kChunk];
};

// The fourth byte is the alpha: a fourth plane of constants would not vectorize.
void ColourQuads(const std::uint8_t* __restrict blue, const std::uint8_t* __restrict green,
                 const std::uint8_t* __restrict red, const std::uint8_t* __restrict alpha,
                 std::uint8_t* __restrict quads) {
  for (int i = 0; i < kChunk; ++i) {
    quads[4 * i] = blue[i];
    quads[4 * i + 1] = green[i];
    quads[4 * i + 2] = red[i];
    quads[4 * i + 3] = alpha[i];
  }
}

// The chunk of a row that starts at pixel at.
void ColourQuads(const PlanarRow& row, int at, Quads& quads) {
  ColourQuads(row.blue + at, row.green + at, row.red + at, row.alpha + at, quads.bytes);
}

// Each alpha four times.
void WeightQuads(const std::uint8_t* __restrict alpha, std::uint8_t* __restrict quads) {
  for (int i = 0; i < kChunk; ++i) quads[4 * i] = quads[4 * i + 1] = quads[4 * i + 2] = quads[4 * i + 3] = alpha[i];
}

// Each alpha three times and a zero, which leaves a fourth byte as it was.
void WeightTriples(const std::uint8_t* __restrict alpha, std::uint32_t* __restrict weights) {
  for (int i = 0; i < kChunk; ++i) weights[i] = alpha[i] * 0x010101u;
}

// Two pixels of four bytes as six.
Word PackPair(Word pair) { return (pair & 0xFFFFFF) | ((pair >> 8) & 0xFFFFFF000000); }

// Writes the chunk's 3 * kChunk bytes: every word but the last whole, its two spare bytes
// overwritten by the next, and nothing past the end.
void PackQuads(const Quads& quads, std::uint8_t* out) {
  Word packed[kChunk / 2];
  for (int pair = 0; pair < kChunk / 2; ++pair) packed[pair] = PackPair(LoadWord(quads.bytes + 8 * pair));
  for (int pair = 0; pair + 1 < kChunk / 2; ++pair) StoreWord(out + 6 * pair, packed[pair]);
  std::memcpy(out + 3 * kChunk - 6, &packed[kChunk / 2 - 1], 6);
}

void BlendBytes(const std::uint8_t* __restrict colour, const std::uint8_t* __restrict weight,
                std::uint8_t* __restrict pixels, int count) {
  for (int i = 0; i < count; ++i) pixels[i] = BlendByte(colour[i], pixels[i], weight[i]);
}

enum class Coverage { kNone, kFull, kPartial };

// Whole chunks of one alpha are common (transparent margins, opaque bodies) and need no
// arithmetic at all.
Coverage ChunkCoverage(const std::uint8_t* alpha) {
  const Word low = LoadWord(alpha);
  const Word high = LoadWord(alpha + 8);
  return (low | high) == 0 ? Coverage::kNone : (low & high) == ~Word{0} ? Coverage::kFull : Coverage::kPartial;
}

// Chunks of 24-bit pixels. A blend lays colours and weights out as the pixels are, so that
// every byte blends alike.
struct Triples {
  static constexpr int kPixelBytes = 3;

  static void Copy(const PlanarRow& row, int at, std::uint8_t* pixels) {
    Quads colours;
    ColourQuads(row, at, colours);
    PackQuads(colours, pixels);
  }

  static void Blend(const PlanarRow& row, int at, std::uint8_t* pixels) {
    Quads quads;
    alignas(16) std::uint8_t colours[3 * kChunk];
    alignas(16) std::uint8_t weights[3 * kChunk];
    ColourQuads(row, at, quads);
    PackQuads(quads, colours);
    WeightQuads(row.alpha + at, quads.bytes);
    PackQuads(quads, weights);
    BlendBytes(colours, weights, pixels, 3 * kChunk);
  }
};

// Chunks of 32-bit pixels, whose fourth bytes keep their values.
struct Fours {
  static constexpr int kPixelBytes = 4;

  static void Copy(const PlanarRow& row, int at, std::uint8_t* pixels) {
    Quads colours;
    ColourQuads(row, at, colours);
    std::uint32_t merged[kChunk];
    std::uint32_t fresh[kChunk];
    std::memcpy(merged, pixels, sizeof merged);
    std::memcpy(fresh, colours.bytes, sizeof fresh);
    for (int i = 0; i < kChunk; ++i) merged[i] = (fresh[i] & 0xFFFFFF) | (merged[i] & 0xFF000000);
    std::memcpy(pixels, merged, sizeof merged);
  }

  static void Blend(const PlanarRow& row, int at, std::uint8_t* pixels) {
    Quads colours;
    std::uint32_t weights[kChunk];
    ColourQuads(row, at, colours);
    WeightTriples(row.alpha + at, weights);
    BlendBytes(colours.bytes, reinterpret_cast<const std::uint8_t*>(weights), pixels, 4 * kChunk);
  }
};

template <typename Pixels>
void BlendPixels(const PlanarRow& source, std::uint8_t* pixels, int count) {
  int at = 0;
  for (; at + kChunk <= count; at += kChunk) {
    std::uint8_t* chunkPixels = pixels + Pixels::kPixelBytes * static_cast<std::ptrdiff_t>(at);
    switch (ChunkCoverage(source.alpha + at)) {
      case Coverage::kNone:
        break;
      case Coverage::kFull:
        Pixels::Copy(source, at, chunkPixels);
        break;
      case Coverage::kPartial:
        Pixels::Blend(source, at, chunkPixels);
        break;
    }
  }
  for (; at < count; ++at) {
    std::uint8_t* pixel = pixels + Pixels::kPixelBytes * static_cast<std::ptrdiff_t>(at);
    const std::uint8_t alpha = source.alpha[at];
    pixel[0] = BlendByte(source.blue[at], pixel[0], alpha);
    pixel[1] = BlendByte(source.green[at], pixel[1], alpha);
    pixel[2] = BlendByte(source.red[at], pixel[2], alpha);
  }
}

}  // namespace

void BlendRow(const PlanarRow& source, std::uint8_t* pixels, int count) {
  BlendPixels<Triples>(source, pixels, count);
}

void BlendRow32(const PlanarRow& source, std::uint8_t* pixels, int count) {
  BlendPixels<Fours>(source, pixels, count);
}
