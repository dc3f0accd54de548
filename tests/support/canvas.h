#pragma once
// A DIB section of 24 or 32 bits a pixel in a memory device context: what is drawn on it can
// be read back exactly, and set pixel by pixel.
#include <windows.h>

#include <cstdint>

class Canvas {
 public:
  Canvas(int width, int height, int bitsPerPixel = 32);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();

  HDC Dc() const { return dc_; }
  void Fill(COLORREF colour);
  COLORREF Pixel(int x, int y) const;
  void SetPixelColour(int x, int y, COLORREF colour);

 private:
  std::uint8_t* At(int x, int y) const;

  int width_;
  int height_;
  int pixelBytes_;
  int stride_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint8_t* bits_ = nullptr;
};
