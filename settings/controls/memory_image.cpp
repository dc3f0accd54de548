#include "settings/controls/memory_image.h"

bool MemoryImage::Create(HDC compatible, int width, int height) {
  Destroy();
  dc_ = CreateCompatibleDC(compatible);
  if (!dc_) return false;
  return Adopt(CreateCompatibleBitmap(compatible, width > 0 ? width : 1, height > 0 ? height : 1), width, height);
}

bool MemoryImage::CreateSection(HDC compatible, int width, int height) {
  Destroy();
  dc_ = CreateCompatibleDC(compatible);
  if (!dc_) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -(height > 0 ? height : 1);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  if (!Adopt(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0), width, height)) return false;
  pixels_ = static_cast<std::uint8_t*>(bits);
  return true;
}

// Takes the new bitmap into the device context, or gives the context up without one.
bool MemoryImage::Adopt(HBITMAP bitmap, int width, int height) {
  bitmap_ = bitmap;
  if (!bitmap_) {
    DeleteDC(dc_);
    dc_ = nullptr;
    return false;
  }
  oldBitmap_ = SelectObject(dc_, bitmap_);
  oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
  width_ = width;
  height_ = height;
  return true;
}

void MemoryImage::Destroy() {
  if (!dc_) return;
  SelectObject(dc_, oldFont_);
  SelectObject(dc_, oldBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  pixels_ = nullptr;
  oldBitmap_ = oldFont_ = nullptr;
  width_ = height_ = 0;
}
