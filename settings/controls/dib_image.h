#pragma once
// A top-down DIB section of 24 or 32 bits: the scratch surface on which images are blended,
// since the device's GDI blends nothing itself. Pixels are blue, green, red (and a fourth
// byte at 32 bits); rows are Stride() pixels apart (at 24 bits the width rounded up to a
// multiple of 4, so that rows need no padding bytes).
#include <windows.h>

#include <cstddef>
#include <cstdint>

class DibImage {
 public:
  DibImage() = default;
  DibImage(const DibImage&) = delete;
  DibImage& operator=(const DibImage&) = delete;
  DibImage(DibImage&& other) noexcept;
  DibImage& operator=(DibImage&& other) noexcept;
  ~DibImage() { Free(); }

  // An uninitialised width x rows section of 24 or 32 bits a pixel; frees the previous one
  // first.
  bool Create(int width, int rows, int bitsPerPixel = 24);
  // Keeps the section when it holds width x rows at that depth already, else makes one
  // (uninitialised) that holds both the old and the new size.
  bool Reserve(int width, int rows, int bitsPerPixel = 24);
  // A copy of a whole bitmap (SRCCOPY).
  bool CreateFromBitmap(HBITMAP bitmap);
  // Copies width x rows between (x, y) of a device context and the section's top left
  // (SRCCOPY); false when the section is smaller.
  bool CopyFromDc(HDC dc, int x, int y, int width, int rows);
  bool CopyToDc(HDC dc, int x, int y, int width, int rows) const;
  void Free();

  int Width() const { return width_; }
  int Rows() const { return rows_; }
  int Stride() const { return stride_; }
  int PixelBytes() const { return pixelBytes_; }
  std::uint8_t* Pixel(int x, int y) { return bits_ + (static_cast<std::ptrdiff_t>(y) * stride_ + x) * pixelBytes_; }
  std::uint8_t* Row(int y) { return Pixel(0, y); }

 private:
  HBITMAP bitmap_ = nullptr;
  std::uint8_t* bits_ = nullptr;
  int stride_ = 0;
  int pixelBytes_ = 3;
  int rows_ = 0;
  int width_ = 0;
};
