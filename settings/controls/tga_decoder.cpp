#include "settings/controls/tga_decoder.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
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

// Places pixels, given in file order, into the rows they belong to, a row's run at a time.
class PixelWriter {
 public:
  PixelWriter(PlanarImage& image, bool topFirst)
      : image_(image), width_(image.Width()), rowsLeft_(image.Height()), topFirst_(topFirst) {
    row_ = topFirst ? 0 : static_cast<std::size_t>(image.Height() - 1) * static_cast<std::size_t>(width_);
  }

  bool Full() const { return rowsLeft_ == 0; }
  // How many pixels fit before the current row ends.
  std::size_t Room() const { return static_cast<std::size_t>(width_ - column_); }

  // count (at most Room()) pixels of bytesPerPixel bytes each: blue, green, red and, with
  // four bytes, alpha.
  void PutPixels(const std::uint8_t* data, std::size_t count, std::size_t bytesPerPixel) {
    const std::size_t at = row_ + static_cast<std::size_t>(column_);
    if (bytesPerPixel == 4)
      SplitFour(data, count, image_.Blue() + at, image_.Green() + at, image_.Red() + at, image_.Alpha() + at);
    else
      SplitThree(data, count, image_.Blue() + at, image_.Green() + at, image_.Red() + at, image_.Alpha() + at);
    Advance(count);
  }

  // count (at most Room()) copies of one pixel.
  void RepeatPixel(const std::uint8_t* pixel, std::size_t count, std::size_t bytesPerPixel) {
    const std::size_t at = row_ + static_cast<std::size_t>(column_);
    std::memset(image_.Blue() + at, pixel[0], count);
    std::memset(image_.Green() + at, pixel[1], count);
    std::memset(image_.Red() + at, pixel[2], count);
    std::memset(image_.Alpha() + at, bytesPerPixel == 4 ? pixel[3] : 255, count);
    Advance(count);
  }

 private:
  static void SplitFour(const std::uint8_t* __restrict data, std::size_t count, std::uint8_t* __restrict blue,
                        std::uint8_t* __restrict green, std::uint8_t* __restrict red, std::uint8_t* __restrict alpha) {
    for (std::size_t i = 0; i < count; ++i) {
      blue[i] = data[4 * i];
      green[i] = data[4 * i + 1];
      red[i] = data[4 * i + 2];
      alpha[i] = data[4 * i + 3];
    }
  }

  static void SplitThree(const std::uint8_t* __restrict data, std::size_t count, std::uint8_t* __restrict blue,
                         std::uint8_t* __restrict green, std::uint8_t* __restrict red, std::uint8_t* __restrict alpha) {
    for (std::size_t i = 0; i < count; ++i) {
      blue[i] = data[3 * i];
      green[i] = data[3 * i + 1];
      red[i] = data[3 * i + 2];
    }
    std::memset(alpha, 255, count);
  }

  void Advance(std::size_t count) {
    column_ += static_cast<int>(count);
    if (column_ < width_) return;
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
    const std::size_t count = writer.Room();
    writer.PutPixels(data, count, bytesPerPixel);
    data += count * bytesPerPixel;
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
      while (count > 0 && !writer.Full()) {
        const std::size_t run = count < writer.Room() ? count : writer.Room();
        writer.RepeatPixel(pixel, run, bytesPerPixel);
        count -= run;
      }
    } else {
      while (count > 0 && !writer.Full()) {
        const std::size_t run = count < writer.Room() ? count : writer.Room();
        if ((size - at) / bytesPerPixel < run) return false;
        writer.PutPixels(data + at, run, bytesPerPixel);
        at += run * bytesPerPixel;
        count -= run;
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
  // The image keeps its planes until the header is accepted: Allocate reuses them when the
  // size is unchanged.
  const auto fail = [&image] {
    image.Free();
    return E_FAIL;
  };
  if (data.size() < kHeaderSize) return fail();
  const TgaHeader header = ReadHeader(data.data());
  if (header.colourMapType != 0) return fail();
  if (header.imageType != kTypeTrueColour && header.imageType != kTypeRunLength) return fail();
  // Other depths would be read as three bytes per pixel and come out as noise.
  if (header.depth != 24 && header.depth != 32) return fail();
  const std::size_t bytesPerPixel = header.depth == 32 ? 4 : 3;

  if (data.size() - kHeaderSize < header.idLength) return fail();
  const std::span<const std::uint8_t> pixels = data.subspan(kHeaderSize + header.idLength);
  if (!PlausibleSize(header, pixels.size(), bytesPerPixel)) return fail();
  if (!image.Allocate(header.width, header.height)) return fail();

  PixelWriter writer(image, (header.descriptor & kDescriptorTopFirst) != 0);
  const bool complete = header.imageType == kTypeTrueColour
                            ? DecodeRaw(writer, pixels.data(), bytesPerPixel)
                            : DecodeRunLength(writer, pixels.data(), pixels.size(), bytesPerPixel);
  return complete ? S_OK : fail();
}

HRESULT LoadTgaFile(PlanarImage& image, const wchar_t* path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) {
    image.Free();
    return E_FAIL;
  }
  return DecodeTga(image, bytes);
}
