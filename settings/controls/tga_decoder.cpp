#include "settings/controls/tga_decoder.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr int kTypeTrueColour = 2;
constexpr int kTypeRunLength = 10;
constexpr int kDescriptorTopFirst = 0x20;
// A run-length packet is one header byte and at least one pixel and covers up to this many.
constexpr std::size_t kMaxPacketPixels = 128;

struct TgaHeader {
  std::size_t idLength;
  int colourMapType;
  int imageType;
  int width;
  int height;
  int depth;
  int descriptor;
};

TgaHeader ReadHeader(const std::uint8_t* h) {
  return {h[0], h[1], h[2], h[12] | (h[13] << 8), h[14] | (h[15] << 8), h[16], h[17]};
}

// Places pixels, given in file order, into the rows they belong to.
class PixelWriter {
 public:
  PixelWriter(PlanarImage& image, bool topFirst)
      : image_(image), width_(image.Width()), rowsLeft_(image.Height()), topFirst_(topFirst) {
    row_ = topFirst ? 0 : static_cast<std::size_t>(image.Height() - 1) * static_cast<std::size_t>(width_);
  }

  bool Full() const { return rowsLeft_ == 0; }

  // Blue, green, red and, with four bytes, alpha.
  void Put(const std::uint8_t* pixel, std::size_t bytes) {
    const std::size_t at = row_ + static_cast<std::size_t>(column_);
    image_.Blue()[at] = pixel[0];
    image_.Green()[at] = pixel[1];
    image_.Red()[at] = pixel[2];
    image_.Alpha()[at] = bytes == 4 ? pixel[3] : 255;
    if (++column_ == width_) NextRow();
  }

 private:
  void NextRow() {
    column_ = 0;
    if (--rowsLeft_ == 0) return;
    if (topFirst_)
      row_ += static_cast<std::size_t>(width_);
    else
      row_ -= static_cast<std::size_t>(width_);
  }

  PlanarImage& image_;
  int width_;
  int rowsLeft_;
  bool topFirst_;
  std::size_t row_ = 0;
  int column_ = 0;
};

// The caller has checked that the data holds every pixel.
bool DecodeRaw(PixelWriter& writer, const std::uint8_t* data, std::size_t bytesPerPixel) {
  while (!writer.Full()) {
    writer.Put(data, bytesPerPixel);
    data += bytesPerPixel;
  }
  return true;
}

// The packets form one stream across rows; it ends at the image's last pixel even when the
// last packet claims more.
bool DecodeRunLength(PixelWriter& writer, const std::uint8_t* data, std::size_t size, std::size_t bytesPerPixel) {
  std::size_t at = 0;
  while (!writer.Full()) {
    if (at >= size) return false;
    const std::uint8_t packet = data[at++];
    std::size_t count = (packet & 127u) + 1;
    if (packet & 128u) {
      if (size - at < bytesPerPixel) return false;
      const std::uint8_t* pixel = data + at;
      at += bytesPerPixel;
      for (; count > 0 && !writer.Full(); --count) writer.Put(pixel, bytesPerPixel);
    } else {
      for (; count > 0 && !writer.Full(); --count) {
        if (size - at < bytesPerPixel) return false;
        writer.Put(data + at, bytesPerPixel);
        at += bytesPerPixel;
      }
    }
  }
  return true;
}

// Whether the pixel data can describe that many pixels at all: decided before allocating,
// so that a header claiming 65535 x 65535 in a small file fails without a huge allocation.
bool PlausibleSize(const TgaHeader& header, std::size_t available, std::size_t bytesPerPixel) {
  const std::size_t pixels = static_cast<std::size_t>(header.width) * static_cast<std::size_t>(header.height);
  if (header.imageType == kTypeTrueColour) return pixels <= available / bytesPerPixel;
  const std::size_t packets = (available + bytesPerPixel) / (bytesPerPixel + 1);
  return pixels <= packets * kMaxPacketPixels;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool ReadWholeFile(const wchar_t* path, std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path, L"rb"));
  if (!file) return false;
  std::uint8_t chunk[65536];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) return !std::ferror(file.get());
  }
}

}  // namespace

HRESULT DecodeTga(PlanarImage& image, std::span<const std::uint8_t> data) {
  image.Free();
  if (data.size() < kHeaderSize) return E_FAIL;
  const TgaHeader header = ReadHeader(data.data());
  if (header.colourMapType != 0) return E_FAIL;
  if (header.imageType != kTypeTrueColour && header.imageType != kTypeRunLength) return E_FAIL;
  // Other depths would be read as three bytes per pixel and come out as noise.
  if (header.depth != 24 && header.depth != 32) return E_FAIL;
  const std::size_t bytesPerPixel = header.depth == 32 ? 4 : 3;

  if (data.size() - kHeaderSize < header.idLength) return E_FAIL;
  const std::span<const std::uint8_t> pixels = data.subspan(kHeaderSize + header.idLength);
  if (!PlausibleSize(header, pixels.size(), bytesPerPixel)) return E_FAIL;
  if (!image.Allocate(header.width, header.height)) return E_FAIL;

  PixelWriter writer(image, (header.descriptor & kDescriptorTopFirst) != 0);
  const bool complete = header.imageType == kTypeTrueColour
                            ? DecodeRaw(writer, pixels.data(), bytesPerPixel)
                            : DecodeRunLength(writer, pixels.data(), pixels.size(), bytesPerPixel);
  if (!complete) {
    image.Free();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT LoadTgaFile(PlanarImage& image, const wchar_t* path) {
  image.Free();
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) return E_FAIL;
  return DecodeTga(image, bytes);
}
