#include "tests/icon_sets/icon_test_files.h"

namespace {

void Put(Bytes& out, std::uint32_t v, int size, bool bigEndian = false) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(v >> 8 * (bigEndian ? size - 1 - i : i)));
}

void Pixel(Bytes& out, COLORREF colour) { out.insert(out.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)}); }

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
  Put(out, static_cast<std::uint32_t>(data.size()), 4, true);
  Bytes typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::uint8_t byte : typed) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  out.insert(out.end(), typed.begin(), typed.end());
  Put(out, ~crc, 4, true);
}

}  // namespace

std::wstring WriteTestFile(const std::wstring& relative, const Bytes& bytes) {
  const std::wstring path = kTestRoot + relative;
  for (std::size_t slash = path.find(L'\\', 1); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

Bytes SolidPng(int width, int height, COLORREF colour) {
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) raw.insert(raw.end(), {GetRValue(colour), GetGValue(colour), GetBValue(colour), 255});
  }
  Bytes zlib{0x78, 0x01, 0x01};
  Put(zlib, static_cast<std::uint32_t>(raw.size()), 2);
  Put(zlib, static_cast<std::uint32_t>(~raw.size()), 2);
  zlib.insert(zlib.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) b = (b + (a = (a + byte) % 65521)) % 65521;
  Put(zlib, (b << 16) | a, 4, true);
  Bytes header;
  Put(header, static_cast<std::uint32_t>(width), 4, true);
  Put(header, static_cast<std::uint32_t>(height), 4, true);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", zlib);
  PngChunk(png, "IEND", {});
  return png;
}

Bytes SolidTga(int width, int height, COLORREF colour) {
  Bytes tga(18, 0);
  tga[2] = 2;
  tga[12] = static_cast<std::uint8_t>(width);
  tga[14] = static_cast<std::uint8_t>(height);
  tga[16] = 24;
  for (int i = 0; i < width * height; ++i) Pixel(tga, colour);
  return tga;
}

Bytes SolidBmp(int width, int height, COLORREF colour, COLORREF corner) {
  const int stride = (width * 3 + 3) & ~3;
  Bytes bmp{'B', 'M'};
  for (std::uint32_t field : {54u + stride * height, 0u, 54u, 40u, std::uint32_t(width), std::uint32_t(height), 0x180001u})
    Put(bmp, field, 4);
  bmp.resize(54, 0);
  for (int row = height - 1; row >= 0; --row) {
    for (int x = 0; x < width; ++x) Pixel(bmp, row == 0 && x == 0 ? corner : colour);
    bmp.resize(bmp.size() + static_cast<std::size_t>(stride - width * 3), 0);
  }
  return bmp;
}
