#pragma once
// Gradients computed here and set as pixels, a column or a row at a time: GradientFill works
// out every pixel of its rectangle, yet each row of a vertical gradient is one colour. The
// colours are GradientFill's own: at step i of n each channel is (from * (n - i) + to * i) / n.
#include <windows.h>

// A vertical gradient from `from` at row top to `to` at row bottom, one pixel wide at x; rows
// outside the device context's bitmap are clipped away.
void FillColumnGradient(HDC dc, int x, int top, int bottom, COLORREF from, COLORREF to);

// A horizontal gradient over the rectangle, `from` at its left edge to `to` at its right.
void FillRowGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to);

// Copies the column at x = left over the rows top to bottom across to x = right, the filled
// width doubling with each copy.
void CopyColumnAcross(HDC dc, int left, int top, int right, int bottom);
