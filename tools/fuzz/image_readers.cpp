// TGA through its decoder and PNG through the imaging factory, both from memory.
#include "settings/controls/imaging_factory.h"
#include "settings/controls/planar_image.h"
#include "settings/controls/png_decoder.h"
#include "settings/controls/tga_decoder.h"
#include "tools/fuzz/fuzz_readers.h"

namespace {

void Append16(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// An 18-byte header of a true-colour image without identification or colour map.
Bytes TgaHeader(std::uint8_t type, unsigned width, unsigned height, std::uint8_t bits, std::uint8_t descriptor) {
  Bytes header = {0, 0, type, 0, 0, 0, 0, 0};
  Append16(header, 0);
  Append16(header, 0);
  Append16(header, width);
  Append16(header, height);
  header.push_back(bits);
  header.push_back(descriptor);
  return header;
}

bool PrepareTga() { return true; }

void ReadTga(const std::uint8_t* data, std::size_t size) {
  PlanarImage image;
  DecodeTga(image, std::span<const std::uint8_t>(data, size));
}

// Both encodings, both depths, both row orders, and packets of both kinds.
void TgaSeeds(std::vector<Bytes>& out) {
  Bytes plain = TgaHeader(2, 3, 2, 24, 0);
  for (int i = 0; i < 3 * 2 * 3; ++i) plain.push_back(static_cast<std::uint8_t>(i * 13));
  out.push_back(plain);
  Bytes topDown = TgaHeader(2, 2, 2, 32, 0x28);
  for (int i = 0; i < 2 * 2 * 4; ++i) topDown.push_back(static_cast<std::uint8_t>(255 - i * 7));
  out.push_back(topDown);
  Bytes rle = TgaHeader(10, 4, 2, 32, 8);
  rle.insert(rle.end(), {0x83, 10, 20, 30, 255, 0x01, 1, 2, 3, 4, 5, 6, 7, 8, 0x81, 9, 9, 9, 128});
  out.push_back(rle);
  Bytes rle24 = TgaHeader(10, 5, 1, 24, 0);
  rle24.insert(rle24.end(), {0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x81, 50, 60, 70});
  out.push_back(rle24);
}

std::vector<Bytes> TgaWords() {
  return {Bytes{2}, Bytes{10}, Bytes{24}, Bytes{32}, Bytes{0x20}, Bytes{0x28}, Bytes{0xFF, 0xFF}, Bytes{0x80},
          Bytes{0x7F}, Bytes{0, 0}};
}

bool PreparePng() {
  StartImagingFactory();
  return CurrentImagingFactory() != nullptr;
}

void ReadPng(const std::uint8_t* data, std::size_t size) {
  PlanarImage image;
  DecodePngBuffer(*CurrentImagingFactory(), image, data, static_cast<UINT>(size));
}

void NoSeeds(std::vector<Bytes>&) {}

std::vector<Bytes> PngWords() {
  return {NarrowWord("IHDR"), NarrowWord("IDAT"), NarrowWord("IEND"), NarrowWord("PLTE"), NarrowWord("tRNS"),
          Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, Bytes{0, 0, 0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xFF},
          Bytes{8, 6, 0, 0, 0}, Bytes{16, 2, 0, 0, 1}, Bytes{1, 3, 0, 0, 0}};
}

}  // namespace

FuzzReader TgaReader() { return {L"tga", PrepareTga, ReadTga, TgaSeeds, L".tga", 1, 64 * 1024, TgaWords}; }

FuzzReader PngReader() { return {L"png", PreparePng, ReadPng, NoSeeds, L".png", 1, 64 * 1024, PngWords}; }
