#include "settings/controls/gradient_fill.h"

#include <algorithm>

void FillColumnGradient(HDC dc, int x, int top, int bottom, COLORREF from, COLORREF to) {
  if (bottom <= top) return;
  TRIVERTEX vertices[2] = {
      {x, top, static_cast<COLOR16>(GetRValue(from) << 8), static_cast<COLOR16>(GetGValue(from) << 8),
       static_cast<COLOR16>(GetBValue(from) << 8), 0},
      {x + 1, bottom, static_cast<COLOR16>(GetRValue(to) << 8), static_cast<COLOR16>(GetGValue(to) << 8),
       static_cast<COLOR16>(GetBValue(to) << 8), 0},
  };
  GRADIENT_RECT rect = {0, 1};
  GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void CopyColumnAcross(HDC dc, int left, int top, int right, int bottom) {
  const int width = right - left;
  for (int filled = 1; filled < width; filled *= 2)
    BitBlt(dc, left + filled, top, std::min(filled, width - filled), bottom - top, dc, left, top, SRCCOPY);
}
