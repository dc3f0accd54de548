// Gradients set as pixels must look exactly as GradientFill draws them.
#include "settings/controls/gradient_fill.h"

#include <gtest/gtest.h>

#include "tests/support/canvas.h"

namespace {

void Gradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, ULONG mode) {
  TRIVERTEX vertices[2] = {
      {rect.left, rect.top, static_cast<COLOR16>(GetRValue(from) << 8), static_cast<COLOR16>(GetGValue(from) << 8),
       static_cast<COLOR16>(GetBValue(from) << 8), 0},
      {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(to) << 8), static_cast<COLOR16>(GetGValue(to) << 8),
       static_cast<COLOR16>(GetBValue(to) << 8), 0},
  };
  GRADIENT_RECT mesh = {0, 1};
  GradientFill(dc, vertices, 2, &mesh, 1, mode);
}

TEST(GradientFillTest, ColumnsAndRowsMatchGradientFill) {
  const COLORREF pairs[][2] = {{RGB(0, 0, 0), RGB(255, 255, 255)}, {RGB(255, 10, 128), RGB(3, 250, 127)},
                               {RGB(49, 106, 197), RGB(12, 26, 49)}, {RGB(7, 7, 7), RGB(7, 7, 7)}};
  for (const auto& pair : pairs) {
    for (const int length : {1, 2, 3, 7, 80, 255, 256, 641, 2370}) {
      Canvas surface(4, length);
      Gradient(surface.Dc(), RECT{0, 0, 1, length}, pair[0], pair[1], GRADIENT_FILL_RECT_V);
      FillColumnGradient(surface.Dc(), 1, 0, length, pair[0], pair[1]);
      // Part of a longer gradient that starts above the bitmap, as a scrolled list paints it.
      Gradient(surface.Dc(), RECT{2, -37, 3, length + 11}, pair[0], pair[1], GRADIENT_FILL_RECT_V);
      FillColumnGradient(surface.Dc(), 3, -37, length + 11, pair[0], pair[1]);
      for (int y = 0; y < length; ++y) {
        ASSERT_EQ(surface.Pixel(0, y), surface.Pixel(1, y)) << length << " row " << y;
        ASSERT_EQ(surface.Pixel(2, y), surface.Pixel(3, y)) << length << " row " << y;
      }
      Canvas wide(length, 4);
      Gradient(wide.Dc(), RECT{0, 0, length, 2}, pair[0], pair[1], GRADIENT_FILL_RECT_H);
      FillRowGradient(wide.Dc(), RECT{0, 2, length, 4}, pair[0], pair[1]);
      for (int x = 0; x < length; ++x) ASSERT_EQ(wide.Pixel(x, 1), wide.Pixel(x, 3)) << length << " column " << x;
    }
  }
}

TEST(GradientFillTest, CopyingTheColumnAcrossFillsEveryColumnAndNothingElse) {
  for (const int width : {1, 2, 5, 64, 479}) {
    Canvas surface(width + 2, 6);
    RECT all = {0, 0, width + 2, 6};
    FillRect(surface.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillColumnGradient(surface.Dc(), 1, 1, 5, RGB(200, 100, 50), RGB(20, 40, 60));
    CopyColumnAcross(surface.Dc(), 1, 1, width + 1, 5);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < width + 2; ++x) {
        const bool inside = x >= 1 && x <= width && y >= 1 && y <= 4;
        ASSERT_EQ(inside ? surface.Pixel(1, y) : RGB(0, 0, 0), surface.Pixel(x, y)) << width << " at " << x << "," << y;
      }
  }
}

}  // namespace
