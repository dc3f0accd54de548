#include "tests/images/test_images.h"

#include <algorithm>
#include <cstdio>

Rgba PngPixel(int x, int y) {
  return {(x * 40 + 10) & 255, (y * 60 + 20) & 255, (200 - x * 5 - y) & 255, (x * 50 + y * 90) & 255};
}

Rgba TgaPixel(int x, int y) { return {x * 30 + 5, y * 50 + 7, 90, 255}; }

Rgba ImagePixel(const PlanarImage& image, int x, int y) {
  const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width()) + x;
  return {image.Red()[at], image.Green()[at], image.Blue()[at], image.Alpha()[at]};
}

std::vector<std::uint8_t> TgaHeader(const TgaLayout& layout) {
  std::vector<std::uint8_t> bytes(18, 0);
  bytes[0] = static_cast<std::uint8_t>(layout.idLength);
  bytes[1] = static_cast<std::uint8_t>(layout.colourMapType);
  bytes[2] = static_cast<std::uint8_t>(layout.imageType);
  bytes[12] = static_cast<std::uint8_t>(layout.width & 255);
  bytes[13] = static_cast<std::uint8_t>(layout.width >> 8);
  bytes[14] = static_cast<std::uint8_t>(layout.height & 255);
  bytes[15] = static_cast<std::uint8_t>(layout.height >> 8);
  bytes[16] = static_cast<std::uint8_t>(layout.depth);
  bytes[17] = static_cast<std::uint8_t>(layout.descriptor);
  bytes.insert(bytes.end(), static_cast<std::size_t>(layout.idLength), 0xEE);
  return bytes;
}

void AppendPixel(std::vector<std::uint8_t>& bytes, const Rgba& colour, int depth) {
  bytes.push_back(static_cast<std::uint8_t>(colour.blue));
  bytes.push_back(static_cast<std::uint8_t>(colour.green));
  bytes.push_back(static_cast<std::uint8_t>(colour.red));
  if (depth == 32) bytes.push_back(static_cast<std::uint8_t>(colour.alpha));
}

std::vector<std::uint8_t> RawTga(const TgaLayout& layout, const std::function<Rgba(int, int)>& colour) {
  std::vector<std::uint8_t> bytes = TgaHeader(layout);
  for (int row = 0; row < layout.height; ++row)
    for (int column = 0; column < layout.width; ++column) AppendPixel(bytes, colour(column, row), layout.depth);
  return bytes;
}

GuardedBytes::GuardedBytes(std::span<const std::uint8_t> bytes) : size_(bytes.size()) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const std::size_t page = system.dwPageSize;
  const std::size_t dataPages = (bytes.size() + page - 1) / page;
  block_ = VirtualAlloc(nullptr, (dataPages + 1) * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  auto* base = static_cast<std::uint8_t*>(block_);
  DWORD old = 0;
  VirtualProtect(base + dataPages * page, page, PAGE_NOACCESS, &old);
  auto* start = base + dataPages * page - bytes.size();
  std::copy(bytes.begin(), bytes.end(), start);
  start_ = start;
}

GuardedBytes::~GuardedBytes() { VirtualFree(block_, 0, MEM_RELEASE); }

std::span<const std::uint8_t> TestResource(const wchar_t* name, const wchar_t* type) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(self, name, type);
  if (!resource) return {};
  const void* bytes = LockResource(LoadResource(self, resource));
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(self, resource)};
}

std::wstring WriteTempFile(const wchar_t* name, std::span<const std::uint8_t> bytes) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + name;
  if (std::FILE* file = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  return path;
}
