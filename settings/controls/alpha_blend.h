#pragma once
// The alpha blend of planar images over 24-bit and 32-bit pixels, written so that the
// compiler turns its loops into vector code on any target. Results equal MixChannel's, bit
// for bit.
#include <cstdint>

// MixChannel(source, destination, alpha) in 16-bit arithmetic: s*t + d*(255-t) equals
// (s-d)*t + 255*d, whose sum with the rounding term stays below 65536, so every step may
// wrap modulo 2^16 and still give the exact value.
inline std::uint8_t BlendByte(std::uint8_t source, std::uint8_t destination, std::uint8_t alpha) {
  const auto v = static_cast<std::uint16_t>(static_cast<std::uint16_t>((source - destination) * alpha) +
                                            static_cast<std::uint16_t>(destination * 255 + 128));
  return static_cast<std::uint8_t>((v + (v >> 8)) >> 8);
}

// One row of a planar image: the planes' pointers at its first pixel.
struct PlanarRow {
  const std::uint8_t* red;
  const std::uint8_t* green;
  const std::uint8_t* blue;
  const std::uint8_t* alpha;
};

// Blends count source pixels over count pixels of blue, green, red bytes.
void BlendRow(const PlanarRow& source, std::uint8_t* pixels, int count);
// The same over pixels of blue, green, red and a fourth byte, which keeps its value.
void BlendRow32(const PlanarRow& source, std::uint8_t* pixels, int count);
