#include "platform/imaging_server/png_reader.h"

#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "platform/imaging_server/zlib_inflate.h"

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate cannot expand data more than about 1032 to 1: a picture larger than that many
// times its compressed data cannot be complete, and is refused before anything is allocated.
constexpr std::uint64_t kMaxExpansion = 1032;

// Table k advances the CRC over a byte followed by k zero bytes, so that eight bytes are
// folded in at once instead of one after another (slicing by eight).
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr CrcTables MakeCrcTables() {
  CrcTables tables{};
  for (std::uint32_t index = 0; index < 256; ++index) {
    std::uint32_t value = index;
    for (int bit = 0; bit < 8; ++bit) value = value & 1 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    tables[0][index] = value;
  }
  for (std::size_t k = 1; k < 8; ++k)
    for (std::size_t index = 0; index < 256; ++index)
      tables[k][index] = (tables[k - 1][index] >> 8) ^ tables[0][tables[k - 1][index] & 255];
  return tables;
}
constexpr CrcTables kCrcTables = MakeCrcTables();

std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
  return bytes[0] | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
}

std::uint32_t Crc(const std::uint8_t* bytes, std::size_t size) {
  const CrcTables& t = kCrcTables;
  std::uint32_t crc = 0xFFFFFFFFu;
  for (; size >= 8; bytes += 8, size -= 8) {
    const std::uint32_t low = crc ^ LittleEndian32(bytes);
    const std::uint32_t high = LittleEndian32(bytes + 4);
    crc = t[7][low & 255] ^ t[6][(low >> 8) & 255] ^ t[5][(low >> 16) & 255] ^ t[4][low >> 24] ^ t[3][high & 255] ^
          t[2][(high >> 8) & 255] ^ t[1][(high >> 16) & 255] ^ t[0][high >> 24];
  }
  for (; size > 0; ++bytes, --size) crc = t[0][(crc ^ *bytes) & 255] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

std::uint16_t BigEndian16(const std::uint8_t* bytes) { return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]); }

bool IsType(const std::uint8_t* type, const char* name) { return std::memcmp(type, name, 4) == 0; }

struct Header {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int depth = 0;
  int colourType = 0;
  bool interlaced = false;

  int Channels() const {
    switch (colourType) {
      case 2: return 3;
      case 4: return 2;
      case 6: return 4;
      default: return 1;
    }
  }
  int BitsPerPixel() const { return Channels() * depth; }
  std::uint64_t RowBytes(std::uint32_t pixels) const {
    return (static_cast<std::uint64_t>(pixels) * static_cast<std::uint64_t>(BitsPerPixel()) + 7) / 8;
  }
};

bool ReadHeader(const std::uint8_t* data, std::uint32_t length, Header& header) {
  if (length != 13) return false;
  header.width = BigEndian32(data);
  header.height = BigEndian32(data + 4);
  header.depth = data[8];
  header.colourType = data[9];
  if (header.width == 0 || header.height == 0 || header.width > 0x7FFFFFFF || header.height > 0x7FFFFFFF)
    return false;
  if (data[10] != 0 || data[11] != 0 || data[12] > 1) return false;
  header.interlaced = data[12] == 1;
  const int depth = header.depth;
  switch (header.colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

// What the chunks before the image data say about it.
struct Chunks {
  Header header;
  std::uint8_t palette[256][4] = {};  // blue, green, red, alpha
  int paletteSize = 0;
  bool hasKey = false;                  // tRNS of a grey or colour image: one sample value is transparent
  std::uint16_t key[3] = {};            // grey, or red, green, blue
  std::size_t compressedSize = 0;       // all IDAT chunks together
  std::size_t firstImageData = 0;       // offset of the first IDAT chunk
  double dpiX = 96;
  double dpiY = 96;
};

// Images with an alpha channel have no use for the chunk.
void ReadTransparency(const std::uint8_t* data, std::uint32_t length, Chunks& chunks) {
  switch (chunks.header.colourType) {
    case 3:
      for (std::uint32_t index = 0; index < length && index < 256; ++index) chunks.palette[index][3] = data[index];
      break;
    case 0:
      if (length < 2) break;
      chunks.hasKey = true;
      chunks.key[0] = BigEndian16(data);
      break;
    case 2:
      if (length < 6) break;
      chunks.hasKey = true;
      for (int channel = 0; channel < 3; ++channel) chunks.key[channel] = BigEndian16(data + 2 * channel);
      break;
    default:
      break;
  }
}

// Walks every chunk up to IEND, checking lengths and CRCs. A damaged ancillary chunk is
// passed over; a damaged critical one, or one not known, makes the file unreadable.
bool ReadChunks(const std::uint8_t* bytes, std::size_t size, Chunks& chunks) {
  std::size_t at = sizeof kSignature;
  bool haveHeader = false;
  while (size - at >= 12) {
    const std::uint32_t length = BigEndian32(bytes + at);
    if (length > 0x7FFFFFFF || length > size - at - 12) return false;
    const std::uint8_t* type = bytes + at + 4;
    const std::uint8_t* data = type + 4;
    const bool critical = (type[0] & 0x20) == 0;
    const bool intact = Crc(type, length + 4) == BigEndian32(data + length);
    if (!haveHeader && !IsType(type, "IHDR")) return false;
    if (!intact && critical) return false;
    if (IsType(type, "IHDR")) {
      if (haveHeader || !ReadHeader(data, length, chunks.header)) return false;
      haveHeader = true;
    } else if (IsType(type, "PLTE")) {
      if (length % 3 != 0 || length == 0 || length > 768 || chunks.paletteSize) return false;
      chunks.paletteSize = static_cast<int>(length / 3);
      for (int index = 0; index < chunks.paletteSize; ++index) {
        chunks.palette[index][0] = data[3 * index + 2];
        chunks.palette[index][1] = data[3 * index + 1];
        chunks.palette[index][2] = data[3 * index];
        chunks.palette[index][3] = 255;
      }
    } else if (IsType(type, "IDAT")) {
      if (chunks.compressedSize == 0) chunks.firstImageData = at;
      chunks.compressedSize += length;
    } else if (IsType(type, "IEND")) {
      break;
    } else if (critical) {
      return false;
    } else if (intact && IsType(type, "tRNS")) {
      ReadTransparency(data, length, chunks);
    } else if (intact && IsType(type, "pHYs") && length == 9 && data[8] == 1) {
      const double x = BigEndian32(data) * 0.0254;
      const double y = BigEndian32(data + 4) * 0.0254;
      if (x > 0 && y > 0) {
        chunks.dpiX = x;
        chunks.dpiY = y;
      }
    }
    at += std::size_t{length} + 12;
  }
  if (!haveHeader || chunks.compressedSize == 0) return false;
  return chunks.header.colourType != 3 || chunks.paletteSize > 0;
}

// The IDAT chunks' data, joined.
bool GatherImageData(const std::uint8_t* bytes, std::size_t size, const Chunks& chunks, std::uint8_t* out) {
  std::size_t at = chunks.firstImageData;
  std::size_t gathered = 0;
  while (gathered < chunks.compressedSize && size - at >= 12) {
    const std::uint32_t length = BigEndian32(bytes + at);
    if (IsType(bytes + at + 4, "IDAT")) {
      std::memcpy(out + gathered, bytes + at + 8, length);
      gathered += length;
    }
    at += std::size_t{length} + 12;
  }
  return gathered == chunks.compressedSize;
}

struct Pass {
  std::uint32_t x, y, stepX, stepY;
};
constexpr Pass kWholeImage[1] = {{0, 0, 1, 1}};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

std::uint32_t PassSize(std::uint32_t size, std::uint32_t start, std::uint32_t step) {
  return size > start ? (size - start + step - 1) / step : 0;
}

std::uint8_t Paeth(int left, int above, int aboveLeft) {
  const int toLeft = above > aboveLeft ? above - aboveLeft : aboveLeft - above;
  const int toAbove = left > aboveLeft ? left - aboveLeft : aboveLeft - left;
  const int sum = left + above - 2 * aboveLeft;
  const int toAboveLeft = sum < 0 ? -sum : sum;
  if (toLeft <= toAbove && toLeft <= toAboveLeft) return static_cast<std::uint8_t>(left);
  return static_cast<std::uint8_t>(toAbove <= toAboveLeft ? above : aboveLeft);
}

// Undoes a row's filter in place; above is the previous row of the pass, already unfiltered,
// or null for the first, which filters as if above it were a row of zeros. The first pixel
// has no left neighbour (zero) and is done apart, so the loops test nothing per byte.
bool Unfilter(int filter, std::uint8_t* row, const std::uint8_t* above, std::size_t length, std::size_t pixelBytes) {
  const std::size_t first = pixelBytes < length ? pixelBytes : length;
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (std::size_t at = pixelBytes; at < length; ++at) row[at] = static_cast<std::uint8_t>(row[at] + row[at - pixelBytes]);
      return true;
    case 2:
      if (above)
        for (std::size_t at = 0; at < length; ++at) row[at] = static_cast<std::uint8_t>(row[at] + above[at]);
      return true;
    case 3:
      if (!above) {
        for (std::size_t at = pixelBytes; at < length; ++at)
          row[at] = static_cast<std::uint8_t>(row[at] + (row[at - pixelBytes] >> 1));
        return true;
      }
      for (std::size_t at = 0; at < first; ++at) row[at] = static_cast<std::uint8_t>(row[at] + (above[at] >> 1));
      for (std::size_t at = pixelBytes; at < length; ++at)
        row[at] = static_cast<std::uint8_t>(row[at] + ((row[at - pixelBytes] + above[at]) >> 1));
      return true;
    case 4:
      // With zeros above, the predictor is always the left neighbour; with no left
      // neighbour, always the one above.
      if (!above) {
        for (std::size_t at = pixelBytes; at < length; ++at)
          row[at] = static_cast<std::uint8_t>(row[at] + row[at - pixelBytes]);
        return true;
      }
      for (std::size_t at = 0; at < first; ++at) row[at] = static_cast<std::uint8_t>(row[at] + above[at]);
      for (std::size_t at = pixelBytes; at < length; ++at)
        row[at] = static_cast<std::uint8_t>(row[at] + Paeth(row[at - pixelBytes], above[at], above[at - pixelBytes]));
      return true;
    default:
      return false;
  }
}

// Sample `index` of a row of samples of `depth` bits, packed from the high bits down.
std::uint32_t Sample(const std::uint8_t* row, std::uint32_t index, int depth) {
  if (depth == 8) return row[index];
  if (depth == 16) return BigEndian16(row + 2 * std::size_t{index});
  const std::size_t bit = std::size_t{index} * static_cast<std::size_t>(depth);
  return (row[bit / 8] >> (8 - depth - static_cast<int>(bit % 8))) & ((1u << depth) - 1);
}

// A sample as 8 bits: small depths stretched over 0..255, 16 bits by their high byte.
std::uint8_t Eight(std::uint32_t sample, int depth) {
  switch (depth) {
    case 1: return static_cast<std::uint8_t>(sample * 255);
    case 2: return static_cast<std::uint8_t>(sample * 85);
    case 4: return static_cast<std::uint8_t>(sample * 17);
    case 16: return static_cast<std::uint8_t>(sample >> 8);
    default: return static_cast<std::uint8_t>(sample);
  }
}

// Eight-bit colour with or without alpha, the common icon formats, without a look at each
// sample's depth.
bool ConvertEightBitRow(const Chunks& chunks, const std::uint8_t* row, std::uint32_t count, std::uint8_t* out,
                        std::size_t outStep) {
  const Header& header = chunks.header;
  if (header.depth != 8 || (header.colourType != 2 && header.colourType != 6)) return false;
  if (header.colourType == 6) {
    for (std::uint32_t index = 0; index < count; ++index, row += 4, out += outStep) {
      out[0] = row[2];
      out[1] = row[1];
      out[2] = row[0];
      out[3] = row[3];
    }
    return true;
  }
  for (std::uint32_t index = 0; index < count; ++index, row += 3, out += outStep) {
    out[0] = row[2];
    out[1] = row[1];
    out[2] = row[0];
    out[3] = chunks.hasKey && row[0] == chunks.key[0] && row[1] == chunks.key[1] && row[2] == chunks.key[2] ? 0 : 255;
  }
  return true;
}

void ConvertRow(const Chunks& chunks, const std::uint8_t* row, std::uint32_t count, std::uint8_t* out,
                std::size_t outStep) {
  if (ConvertEightBitRow(chunks, row, count, out, outStep)) return;
  const Header& header = chunks.header;
  const int depth = header.depth;
  for (std::uint32_t index = 0; index < count; ++index, out += outStep) {
    switch (header.colourType) {
      case 0: {
        const std::uint32_t grey = Sample(row, index, depth);
        out[0] = out[1] = out[2] = Eight(grey, depth);
        out[3] = chunks.hasKey && grey == chunks.key[0] ? 0 : 255;
        break;
      }
      case 2: {
        const std::uint32_t red = Sample(row, 3 * index, depth);
        const std::uint32_t green = Sample(row, 3 * index + 1, depth);
        const std::uint32_t blue = Sample(row, 3 * index + 2, depth);
        out[0] = Eight(blue, depth);
        out[1] = Eight(green, depth);
        out[2] = Eight(red, depth);
        out[3] = chunks.hasKey && red == chunks.key[0] && green == chunks.key[1] && blue == chunks.key[2] ? 0 : 255;
        break;
      }
      case 3: {
        const std::uint32_t entry = Sample(row, index, depth);
        if (entry < static_cast<std::uint32_t>(chunks.paletteSize)) {
          std::memcpy(out, chunks.palette[entry], 4);
        } else {  // an index past the palette shows black
          out[0] = out[1] = out[2] = 0;
          out[3] = 255;
        }
        break;
      }
      case 4:
        out[0] = out[1] = out[2] = Eight(Sample(row, 2 * index, depth), depth);
        out[3] = Eight(Sample(row, 2 * index + 1, depth), depth);
        break;
      default:
        out[0] = Eight(Sample(row, 4 * index + 2, depth), depth);
        out[1] = Eight(Sample(row, 4 * index + 1, depth), depth);
        out[2] = Eight(Sample(row, 4 * index, depth), depth);
        out[3] = Eight(Sample(row, 4 * index + 3, depth), depth);
        break;
    }
  }
}

}  // namespace

bool HasPngSignature(const std::uint8_t* bytes, std::size_t size) {
  return bytes && size >= sizeof kSignature && std::memcmp(bytes, kSignature, sizeof kSignature) == 0;
}

HRESULT DecodePng(const std::uint8_t* bytes, std::size_t size, PngImage& image) {
  image = PngImage{};
  if (!HasPngSignature(bytes, size)) return E_FAIL;
  Chunks chunks;
  if (!ReadChunks(bytes, size, chunks)) return E_FAIL;
  const Header& header = chunks.header;
  if (std::uint64_t{header.width} * header.height > kMaxImagePixels) return E_FAIL;

  const Pass* passes = header.interlaced ? kAdam7 : kWholeImage;
  const int passCount = header.interlaced ? 7 : 1;
  std::uint64_t rawSize = 0;
  for (int pass = 0; pass < passCount; ++pass) {
    const std::uint32_t columns = PassSize(header.width, passes[pass].x, passes[pass].stepX);
    const std::uint32_t rows = PassSize(header.height, passes[pass].y, passes[pass].stepY);
    if (columns && rows) rawSize += rows * (1 + header.RowBytes(columns));
  }
  if (rawSize > std::uint64_t{chunks.compressedSize} * kMaxExpansion + 64) return E_FAIL;
  // Below 2^28 with the pixel count bounded, so it fits a 32-bit device's sizes.
  const auto rawBytes = static_cast<std::size_t>(rawSize);

  std::unique_ptr<std::uint8_t[]> compressed(new (std::nothrow) std::uint8_t[chunks.compressedSize]);
  std::unique_ptr<std::uint8_t[]> raw(new (std::nothrow) std::uint8_t[rawBytes]);
  const std::size_t pixelCount = std::size_t{header.width} * header.height;
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[pixelCount * 4]);
  if (!compressed || !raw || !pixels) return E_OUTOFMEMORY;
  if (!GatherImageData(bytes, size, chunks, compressed.get())) return E_FAIL;
  if (!ZlibInflate(compressed.get(), chunks.compressedSize, raw.get(), rawBytes)) return E_FAIL;

  const std::size_t pixelBytes = header.BitsPerPixel() >= 8 ? static_cast<std::size_t>(header.BitsPerPixel() / 8) : 1;
  std::uint8_t* row = raw.get();
  for (int pass = 0; pass < passCount; ++pass) {
    const Pass& geometry = passes[pass];
    const std::uint32_t columns = PassSize(header.width, geometry.x, geometry.stepX);
    const std::uint32_t rows = PassSize(header.height, geometry.y, geometry.stepY);
    if (!columns || !rows) continue;
    const std::size_t rowBytes = header.RowBytes(columns);
    const std::uint8_t* above = nullptr;
    for (std::uint32_t line = 0; line < rows; ++line) {
      if (!Unfilter(row[0], row + 1, above, rowBytes, pixelBytes)) return E_FAIL;
      const std::size_t y = geometry.y + std::size_t{line} * geometry.stepY;
      std::uint8_t* out = pixels.get() + (y * header.width + geometry.x) * 4;
      ConvertRow(chunks, row + 1, columns, out, std::size_t{geometry.stepX} * 4);
      above = row + 1;
      row += 1 + rowBytes;
    }
  }

  image.pixels = std::move(pixels);
  image.width = header.width;
  image.height = header.height;
  image.dpiX = chunks.dpiX;
  image.dpiY = chunks.dpiY;
  return S_OK;
}
