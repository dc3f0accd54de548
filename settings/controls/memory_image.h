#pragma once
// An off-screen surface: a memory device context with a compatible bitmap selected into
// it. Destroying it selects back the bitmap and font that were there and deletes both.
#include <windows.h>

class MemoryImage {
 public:
  MemoryImage() = default;
  MemoryImage(const MemoryImage&) = delete;
  MemoryImage& operator=(const MemoryImage&) = delete;
  ~MemoryImage() { Destroy(); }

  bool Create(HDC compatible, int width, int height);
  void Destroy();

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
