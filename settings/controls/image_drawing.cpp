#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/dib_image.h"
#include "settings/controls/planar_image.h"

namespace {

// Sets every pixel of the copy to mix(colour, pixel, opacity(column, row)).
template <typename Opacity>
void BlendColour(DibImage& dib, COLORREF colour, Opacity opacity) {
  const int red = GetRValue(colour);
  const int green = GetGValue(colour);
  const int blue = GetBValue(colour);
  for (int row = 0; row < dib.Rows(); ++row) {
    std::uint8_t* pixel = dib.Row(row);
    for (int column = 0; column < dib.Width(); ++column, pixel += 3) {
      const int t = opacity(column, row);
      pixel[0] = MixChannel(blue, pixel[0], t);
      pixel[1] = MixChannel(green, pixel[1], t);
      pixel[2] = MixChannel(red, pixel[2], t);
    }
  }
}

}  // namespace

int DrawImage(const PlanarImage& image, HDC dc, int x, int y, int width, int height) {
  if (!image.Drawable()) return 0;
  if (width == -1) width = image.Width();
  if (height == -1) height = image.Height();
  DibImage dib;
  if (!dib.CreateFromDc(dc, x, y, width, height)) return 0;

  // A destination larger than the image repeats it; the same walk covers the equal size.
  const int imageWidth = image.Width();
  for (int row = 0; row < height; ++row) {
    const std::size_t source = static_cast<std::size_t>(row % image.Height()) * static_cast<std::size_t>(imageWidth);
    const std::uint8_t* red = image.Red() + source;
    const std::uint8_t* green = image.Green() + source;
    const std::uint8_t* blue = image.Blue() + source;
    const std::uint8_t* alpha = image.Alpha() + source;
    std::uint8_t* pixel = dib.Row(row);
    for (int column = 0, at = 0; column < width; ++column, pixel += 3) {
      const int a = alpha[at];
      if (a == 255) {
        pixel[0] = blue[at];
        pixel[1] = green[at];
        pixel[2] = red[at];
      } else if (a != 0) {
        pixel[0] = MixChannel(blue[at], pixel[0], a);
        pixel[1] = MixChannel(green[at], pixel[1], a);
        pixel[2] = MixChannel(red[at], pixel[2], a);
      }
      if (++at == imageWidth) at = 0;
    }
  }
  dib.CopyToDc(dc, x, y);
  return 1;
}

void TintRect(HDC dc, int x, int y, int width, int height, COLORREF colour, int opacity) {
  DibImage dib;
  if (!dib.CreateFromDc(dc, x, y, width, height)) return;
  const int t = opacity < 0 ? 0 : opacity > 255 ? 255 : opacity;
  BlendColour(dib, colour, [t](int, int) { return t; });
  dib.CopyToDc(dc, x, y);
}

void ShineRect(HDC dc, const RECT& rect, int cx, int cy, COLORREF colour) {
  DibImage dib;
  if (!dib.CreateFromDc(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top)) return;
  // The opacity falls from 53 at the centre to 0 on the diamond 80 units out, then rises
  // again; one unit is one 96-dpi pixel.
  const int unit = ScaleY(1) > 0 ? ScaleY(1) : 1;
  BlendColour(dib, colour, [&](int column, int row) {
    const int distance = (std::abs(cy - (rect.top + row)) + std::abs(cx - (rect.left + column))) / unit;
    return std::abs(80 - distance % 255) * 2 / 3;
  });
  dib.CopyToDc(dc, rect.left, rect.top);
}
