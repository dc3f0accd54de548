#pragma once
// An off-screen surface: a memory device context with a compatible bitmap selected into
// it. Destroying it selects back the bitmap and font that were there and deletes both.
#include <windows.h>

#include <cstdint>

class MemoryImage {
 public:
  MemoryImage() = default;
  MemoryImage(const MemoryImage&) = delete;
  MemoryImage& operator=(const MemoryImage&) = delete;
  ~MemoryImage() { Destroy(); }

  bool Create(HDC compatible, int width, int height);
  // The same over a top-down 32-bit DIB section, whose pixels can be worked on in place
  // (after GdiFlush): Pixels(), rows Width() x 4 bytes apart.
  bool CreateSection(HDC compatible, int width, int height);
  void Destroy();

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  std::uint8_t* Pixels() const { return pixels_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  bool Adopt(HBITMAP bitmap, int width, int height);

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  std::uint8_t* pixels_ = nullptr;  // a section's, else null
  int width_ = 0;
  int height_ = 0;
};
