#include "settings/controls/memory_image.h"

bool MemoryImage::Create(HDC compatible, int width, int height) {
  Destroy();
  dc_ = CreateCompatibleDC(compatible);
  if (!dc_) return false;
  bitmap_ = CreateCompatibleBitmap(compatible, width > 0 ? width : 1, height > 0 ? height : 1);
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
  oldBitmap_ = oldFont_ = nullptr;
  width_ = height_ = 0;
}
