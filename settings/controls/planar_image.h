#pragma once
// Images with per-pixel alpha for a GDI that has no alpha blending of its own: four byte
// planes (red, green, blue, alpha), each width x height, rows from the top.
#include <windows.h>

#include <cstdint>

class PlanarImage {
 public:
  PlanarImage() = default;
  PlanarImage(const PlanarImage&) = delete;
  PlanarImage& operator=(const PlanarImage&) = delete;
  PlanarImage(PlanarImage&& other) noexcept;
  PlanarImage& operator=(PlanarImage&& other) noexcept;
  ~PlanarImage() { Free(); }

  // Allocates the four planes of a width x height image (contents undefined). Keeps the
  // previous planes when they hold the same number of pixels, else frees them first. False
  // (and an empty image) when a plane cannot be allocated or the size is not positive.
  bool Allocate(int width, int height);
  void Free();

  bool Drawable() const { return alpha_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint8_t* Red() { return red_; }
  std::uint8_t* Green() { return green_; }
  std::uint8_t* Blue() { return blue_; }
  std::uint8_t* Alpha() { return alpha_; }
  const std::uint8_t* Red() const { return red_; }
  const std::uint8_t* Green() const { return green_; }
  const std::uint8_t* Blue() const { return blue_; }
  const std::uint8_t* Alpha() const { return alpha_; }

 private:
  std::uint8_t* red_ = nullptr;
  std::uint8_t* green_ = nullptr;
  std::uint8_t* blue_ = nullptr;
  std::uint8_t* alpha_ = nullptr;
  int height_ = 0;
  int width_ = 0;
};

// All loads return S_OK or E_FAIL (0x80004005) and leave the image empty on failure.
HRESULT LoadImageFromFile(PlanarImage& image, const wchar_t* path);
// Resource type "PNG" through the imaging factory when it runs, else type "TARGA".
HRESULT LoadImageFromResource(PlanarImage& image, HMODULE module, const wchar_t* name);
// Pixels equal to the key colour get alpha 0, all others 255.
HRESULT LoadImageFromBitmap(PlanarImage& image, HBITMAP bitmap, COLORREF key);
HRESULT MakeSolidImage(PlanarImage& image, int width, int height, COLORREF colour, std::uint8_t alpha);

// Blends the image onto the device context; width or height -1 take the image's own, a
// different size tiles it. Returns 1 when drawn, 0 for an image without alpha plane.
int DrawImage(const PlanarImage& image, HDC dc, int x, int y, int width = -1, int height = -1);
// Blends one colour over a rectangle at the given opacity (0 to 255).
void TintRect(HDC dc, int x, int y, int width, int height, COLORREF colour, int opacity);
// The diamond-shaped shine centred at (cx, cy) over a rectangle.
void ShineRect(HDC dc, const RECT& rect, int cx, int cy, COLORREF colour);
// The same shine blended straight into top-down 32-bit pixels whose rows are `stride` bytes
// apart, the rectangle in their coordinates; nothing is copied.
void ShinePixels(std::uint8_t* pixels, std::ptrdiff_t stride, const RECT& rect, int cx, int cy, COLORREF colour);

// The process-wide imaging factory: started once at program start, stopped at exit.
void StartImagingFactory();
void StopImagingFactory();
bool ImagingFactoryRunning();
