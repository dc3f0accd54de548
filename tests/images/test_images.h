#pragma once
// What the image tests share: the pixels of the embedded test images (make_test_images.py
// draws the same formulas), TGA files built in memory, and
// the canvas to draw on.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "settings/controls/planar_image.h"
#include "tests/support/canvas.h"

struct Rgba {
  int red;
  int green;
  int blue;
  int alpha;
  bool operator==(const Rgba&) const = default;
};

// Pixel (x, y) of data/odd_width.png (5 x 3) and data/wide.png (37 x 4).
Rgba PngPixel(int x, int y);
// Pixel (x, y) of data/fallback.tga (3 x 2).
Rgba TgaPixel(int x, int y);
// Pixel (x, y) of a loaded image.
Rgba ImagePixel(const PlanarImage& image, int x, int y);

struct TgaLayout {
  int imageType = 2;
  int width = 1;
  int height = 1;
  int depth = 24;
  int descriptor = 0;
  int colourMapType = 0;
  int idLength = 0;
};

// An 18-byte header and the ID field (filled with 0xEE).
std::vector<std::uint8_t> TgaHeader(const TgaLayout& layout);
// Header, ID field and uncompressed pixels in file order (blue, green, red[, alpha]):
// colour(column, file row) for every pixel.
std::vector<std::uint8_t> RawTga(const TgaLayout& layout, const std::function<Rgba(int, int)>& colour);
void AppendPixel(std::vector<std::uint8_t>& bytes, const Rgba& colour, int depth);

// A copy of some bytes that ends right before an inaccessible page: reading one byte past
// the end faults instead of passing unnoticed.
class GuardedBytes {
 public:
  explicit GuardedBytes(std::span<const std::uint8_t> bytes);
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;
  ~GuardedBytes();
  std::span<const std::uint8_t> Bytes() const { return {start_, size_}; }

 private:
  void* block_ = nullptr;
  const std::uint8_t* start_ = nullptr;
  std::size_t size_ = 0;
};

// The bytes of a resource of this test binary.
std::span<const std::uint8_t> TestResource(const wchar_t* name, const wchar_t* type);
// A file in the device's temporary folder with the given contents; its path.
std::wstring WriteTempFile(const wchar_t* name, std::span<const std::uint8_t> bytes);
