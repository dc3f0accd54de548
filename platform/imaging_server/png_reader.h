#pragma once
// PNG files read by the imaging library itself: every colour type, bit depth and the
// interlaced order, into 32-bit pixels. Decoding here rather than through the desktop's
// codecs keeps an icon's decode to microseconds with nothing loaded first.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

// The largest picture the imaging library holds: 4096 x 4096, 64 MB of pixels, far more than
// a device's screen.
constexpr std::uint32_t kMaxImagePixels = 1u << 24;

struct PngImage {
  std::unique_ptr<std::uint8_t[]> pixels;  // rows top first, 4 bytes a pixel: blue, green, red, alpha (straight)
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  double dpiX = 96;  // from the pHYs chunk when it gives pixels per metre
  double dpiY = 96;
};

// Whether the bytes start with the PNG signature.
bool HasPngSignature(const std::uint8_t* bytes, std::size_t size);

// S_OK with the image filled; E_OUTOFMEMORY; E_FAIL for anything malformed, damaged (a
// critical chunk's CRC) or too large. Reads nothing outside bytes[0..size).
HRESULT DecodePng(const std::uint8_t* bytes, std::size_t size, PngImage& image);
