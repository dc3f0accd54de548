#include "settings/controls/dib_image.h"

#include <utility>

#include "settings/controls/gdi_guards.h"

namespace {

// The section must not stay selected anywhere once its owner may delete it, hence the scopes.
bool CopyBitmap(HBITMAP from, HBITMAP into, int width, int rows) {
  ScopedMemoryDc source(nullptr);
  ScopedMemoryDc target(nullptr);
  if (!source.Get() || !target.Get()) return false;
  ScopedSelectObject sourceBitmap(source.Get(), from);
  // A bitmap that is selected into another device context cannot be selected here.
  if (GetCurrentObject(source.Get(), OBJ_BITMAP) != from) return false;
  ScopedSelectObject targetBitmap(target.Get(), into);
  const bool copied = BitBlt(target.Get(), 0, 0, width, rows, source.Get(), 0, 0, SRCCOPY) != FALSE;
  // GDI may batch drawing: the bits are read directly next.
  GdiFlush();
  return copied;
}

bool CopyFromDcInto(HDC dc, int x, int y, HBITMAP into, int width, int rows) {
  ScopedMemoryDc target(dc);
  if (!target.Get()) return false;
  ScopedSelectObject targetBitmap(target.Get(), into);
  const bool copied = BitBlt(target.Get(), 0, 0, width, rows, dc, x, y, SRCCOPY) != FALSE;
  GdiFlush();
  return copied;
}

}  // namespace

DibImage::DibImage(DibImage&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      stride_(std::exchange(other.stride_, 0)),
      pixelBytes_(std::exchange(other.pixelBytes_, 3)),
      rows_(std::exchange(other.rows_, 0)),
      width_(std::exchange(other.width_, 0)) {}

DibImage& DibImage::operator=(DibImage&& other) noexcept {
  if (this != &other) {
    Free();
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    stride_ = std::exchange(other.stride_, 0);
    pixelBytes_ = std::exchange(other.pixelBytes_, 3);
    rows_ = std::exchange(other.rows_, 0);
    width_ = std::exchange(other.width_, 0);
  }
  return *this;
}

bool DibImage::Create(int width, int rows, int bitsPerPixel) {
  Free();
  if (width <= 0 || rows <= 0 || width > 0x3FFFFFF0 || (bitsPerPixel != 24 && bitsPerPixel != 32)) return false;
  const int stride = (width + 3) & ~3;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = stride;
  info.bmiHeader.biHeight = -rows;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) {
    Free();
    return false;
  }
  bits_ = static_cast<std::uint8_t*>(bits);
  stride_ = stride;
  pixelBytes_ = bitsPerPixel / 8;
  rows_ = rows;
  width_ = width;
  return true;
}

bool DibImage::CreateFromBitmap(HBITMAP bitmap) {
  Free();
  BITMAP facts{};
  if (!bitmap || GetObjectW(bitmap, sizeof facts, &facts) != sizeof facts) return false;
  if (!Create(facts.bmWidth, facts.bmHeight < 0 ? -facts.bmHeight : facts.bmHeight)) return false;
  if (!CopyBitmap(bitmap, bitmap_, width_, rows_)) {
    Free();
    return false;
  }
  return true;
}

bool DibImage::Reserve(int width, int rows, int bitsPerPixel) {
  if (width <= 0 || rows <= 0) return false;
  if (bitmap_ && width <= width_ && rows <= rows_ && bitsPerPixel == 8 * pixelBytes_) return true;
  return Create(width > width_ ? width : width_, rows > rows_ ? rows : rows_, bitsPerPixel);
}

bool DibImage::CopyFromDc(HDC dc, int x, int y, int width, int rows) {
  if (!bitmap_ || width > width_ || rows > rows_) return false;
  return CopyFromDcInto(dc, x, y, bitmap_, width, rows);
}

bool DibImage::CopyToDc(HDC dc, int x, int y, int width, int rows) const {
  if (!bitmap_ || width > width_ || rows > rows_) return false;
  ScopedMemoryDc source(dc);
  if (!source.Get()) return false;
  ScopedSelectObject sourceBitmap(source.Get(), bitmap_);
  return BitBlt(dc, x, y, width, rows, source.Get(), 0, 0, SRCCOPY) != FALSE;
}

void DibImage::Free() {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  bits_ = nullptr;
  stride_ = rows_ = width_ = 0;
  pixelBytes_ = 3;
}
