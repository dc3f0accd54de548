#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/base/scale.h"
#include "settings/controls/alpha_blend.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/dib_image.h"
#include "settings/controls/planar_image.h"

namespace {

// 32 when the destination's pixels are 32 bits (screens, and bitmaps made for them), else 24:
// BitBlt between a section and a destination of one depth only copies rows, across depths
// it converts every pixel, several times slower than the blend. A wrong guess costs only
// time.
int SurfaceDepth(HDC dc) {
  BITMAP facts{};
  if (GetObjectType(dc) == OBJ_MEMDC) {
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    return bitmap && GetObjectW(bitmap, sizeof facts, &facts) && facts.bmBitsPixel == 32 ? 32 : 24;
  }
  // Other device contexts draw on the display. Asking one its depth takes longer than a
  // whole blend (a round trip to the display server), so it is asked once.
  static const int displayBits = GetDeviceCaps(dc, BITSPIXEL);
  return displayBits == 32 ? 32 : 24;
}

// One kept section for each depth, and whether a draw is using it.
struct SharedSurface {
  DibImage section;
  std::atomic_flag busy;
};

SharedSurface& Shared(int depth) {
  static SharedSurface surfaces[2];
  return surfaces[depth == 32 ? 1 : 0];
}

// A copy of a rectangle of a device context to blend on, then copy back. The section is
// kept between draws: touching a fresh section's pages costs more than the blend itself.
// A draw that finds it in use (nested, or on another thread) gets a section of its own.
class BlendSurface {
 public:
  BlendSurface(HDC dc, int x, int y, int width, int rows)
      : depth_(SurfaceDepth(dc)),
        shared_(!Shared(depth_).busy.test_and_set(std::memory_order_acquire)),
        section_(shared_ ? Shared(depth_).section : own_),
        width_(width),
        rows_(rows) {
    ready_ = section_.Reserve(width, rows, depth_) && section_.CopyFromDc(dc, x, y, width, rows);
  }
  BlendSurface(const BlendSurface&) = delete;
  BlendSurface& operator=(const BlendSurface&) = delete;
  ~BlendSurface() {
    if (shared_) Shared(depth_).busy.clear(std::memory_order_release);
  }

  bool Ready() const { return ready_; }
  int Width() const { return width_; }
  int Rows() const { return rows_; }
  int PixelBytes() const { return section_.PixelBytes(); }
  std::uint8_t* Row(int row) { return section_.Row(row); }
  void CopyBack(HDC dc, int x, int y) const { section_.CopyToDc(dc, x, y, width_, rows_); }

 private:
  DibImage own_;
  int depth_;
  bool shared_;
  DibImage& section_;
  int width_;
  int rows_;
  bool ready_ = false;
};

// Rows of 32-bit pixels in memory, blended where they lie.
class PixelRows {
 public:
  PixelRows(std::uint8_t* first, std::ptrdiff_t stride, int width, int rows)
      : first_(first), stride_(stride), width_(width), rows_(rows) {}
  int Width() const { return width_; }
  int Rows() const { return rows_; }
  int PixelBytes() const { return 4; }
  std::uint8_t* Row(int row) { return first_ + row * stride_; }

 private:
  std::uint8_t* first_;
  std::ptrdiff_t stride_;
  int width_;
  int rows_;
};

// Sets every pixel of the surface to mix(colour, pixel, opacity(column, row)).
template <typename Surface, typename Opacity>
void BlendColour(Surface& surface, COLORREF colour, Opacity opacity) {
  const int red = GetRValue(colour);
  const int green = GetGValue(colour);
  const int blue = GetBValue(colour);
  const int step = surface.PixelBytes();
  for (int row = 0; row < surface.Rows(); ++row) {
    std::uint8_t* pixel = surface.Row(row);
    for (int column = 0; column < surface.Width(); ++column, pixel += step) {
      const int t = opacity(column, row);
      pixel[0] = MixChannel(blue, pixel[0], t);
      pixel[1] = MixChannel(green, pixel[1], t);
      pixel[2] = MixChannel(red, pixel[2], t);
    }
  }
}

// The opacity falls from 53 at the centre to 0 on the diamond 80 units out, then rises again;
// one unit is one 96-dpi pixel. The surface holds the rectangle.
template <typename Surface>
void Shine(Surface& surface, const RECT& rect, int cx, int cy, COLORREF colour) {
  const int unit = ScaleY(1) > 0 ? ScaleY(1) : 1;
  BlendColour(surface, colour, [&](int column, int row) {
    const int distance = (std::abs(cy - (rect.top + row)) + std::abs(cx - (rect.left + column))) / unit;
    return std::abs(80 - distance % 255) * 2 / 3;
  });
}

}  // namespace

int DrawImage(const PlanarImage& image, HDC dc, int x, int y, int width, int height) {
  if (!image.Drawable()) return 0;
  if (width == -1) width = image.Width();
  if (height == -1) height = image.Height();
  BlendSurface surface(dc, x, y, width, height);
  if (!surface.Ready()) return 0;

  // A destination larger than the image repeats it; the same walk covers the equal size.
  const int imageWidth = image.Width();
  const int step = surface.PixelBytes();
  const auto blendRow = step == 4 ? BlendRow32 : BlendRow;
  for (int row = 0; row < height; ++row) {
    const std::size_t start = static_cast<std::size_t>(row % image.Height()) * static_cast<std::size_t>(imageWidth);
    const PlanarRow source{image.Red() + start, image.Green() + start, image.Blue() + start, image.Alpha() + start};
    std::uint8_t* pixels = surface.Row(row);
    for (int column = 0; column < width; column += imageWidth)
      blendRow(source, pixels + step * static_cast<std::size_t>(column),
               width - column < imageWidth ? width - column : imageWidth);
  }
  surface.CopyBack(dc, x, y);
  return 1;
}

void TintRect(HDC dc, int x, int y, int width, int height, COLORREF colour, int opacity) {
  BlendSurface surface(dc, x, y, width, height);
  if (!surface.Ready()) return;
  const int t = opacity < 0 ? 0 : opacity > 255 ? 255 : opacity;
  BlendColour(surface, colour, [t](int, int) { return t; });
  surface.CopyBack(dc, x, y);
}

void ShineRect(HDC dc, const RECT& rect, int cx, int cy, COLORREF colour) {
  BlendSurface surface(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  if (!surface.Ready()) return;
  Shine(surface, rect, cx, cy, colour);
  surface.CopyBack(dc, rect.left, rect.top);
}

void ShinePixels(std::uint8_t* pixels, std::ptrdiff_t stride, const RECT& rect, int cx, int cy, COLORREF colour) {
  if (!pixels || rect.right <= rect.left || rect.bottom <= rect.top) return;
  PixelRows rows(pixels + rect.top * stride + static_cast<std::ptrdiff_t>(rect.left) * 4, stride,
                 rect.right - rect.left, rect.bottom - rect.top);
  Shine(rows, rect, cx, cy, colour);
}
