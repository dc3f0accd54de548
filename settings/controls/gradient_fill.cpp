#include "settings/controls/gradient_fill.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

namespace {

// One channel at step `at` of `steps`, with the ends taken as 16-bit values as GradientFill
// takes them.
std::uint32_t Channel(int from, int to, long long at, long long steps) {
  return static_cast<std::uint32_t>((from * 256LL * (steps - at) + to * 256LL * at) / steps / 256);
}

// A 32-bit pixel as a top-down DIB holds it: blue in the low byte.
std::uint32_t GradientPixel(COLORREF from, COLORREF to, int at, int steps) {
  return Channel(GetRValue(from), GetRValue(to), at, steps) << 16 |
         Channel(GetGValue(from), GetGValue(to), at, steps) << 8 | Channel(GetBValue(from), GetBValue(to), at, steps);
}

void SetPixels(HDC dc, int x, int y, int width, int height, const std::uint32_t* pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
}

}  // namespace

void FillColumnGradient(HDC dc, int x, int top, int bottom, COLORREF from, COLORREF to) {
  if (bottom <= top) return;
  const int steps = bottom - top;
  std::unique_ptr<std::uint32_t[]> column(new (std::nothrow) std::uint32_t[static_cast<std::size_t>(steps)]);
  if (!column) return;
  for (int at = 0; at < steps; ++at) column[at] = GradientPixel(from, to, at, steps);
  SetPixels(dc, x, top, 1, steps, column.get());
}

void FillRowGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  std::unique_ptr<std::uint32_t[]> pixels(
      new (std::nothrow) std::uint32_t[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)]);
  if (!pixels) return;
  for (int at = 0; at < width; ++at) pixels[at] = GradientPixel(from, to, at, width);
  for (int row = 1; row < height; ++row) std::copy_n(pixels.get(), width, pixels.get() + static_cast<std::size_t>(row) * width);
  SetPixels(dc, rect.left, rect.top, width, height, pixels.get());
}

void CopyColumnAcross(HDC dc, int left, int top, int right, int bottom) {
  const int width = right - left;
  for (int filled = 1; filled < width; filled *= 2)
    BitBlt(dc, left + filled, top, std::min(filled, width - filled), bottom - top, dc, left, top, SRCCOPY);
}
