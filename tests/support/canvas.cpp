#include "tests/support/canvas.h"

#include <cstddef>

Canvas::Canvas(int width, int height, int bitsPerPixel)
    : width_(width), height_(height), pixelBytes_(bitsPerPixel / 8), stride_((width * pixelBytes_ + 3) & ~3) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint8_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

std::uint8_t* Canvas::At(int x, int y) const {
  return bits_ + static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) * pixelBytes_;
}

void Canvas::Fill(COLORREF colour) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) SetPixelColour(x, y, colour);
}

COLORREF Canvas::Pixel(int x, int y) const {
  GdiFlush();
  const std::uint8_t* pixel = At(x, y);
  return RGB(pixel[2], pixel[1], pixel[0]);
}

void Canvas::SetPixelColour(int x, int y, COLORREF colour) {
  GdiFlush();
  std::uint8_t* pixel = At(x, y);
  pixel[0] = GetBValue(colour);
  pixel[1] = GetGValue(colour);
  pixel[2] = GetRValue(colour);
  if (pixelBytes_ == 4) pixel[3] = 0;
}
