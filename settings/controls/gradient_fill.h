#pragma once
// Vertical gradients drawn a column at a time. GradientFill works out every pixel, yet each
// row of a vertical gradient is one colour: one column is filled, then copied across.
#include <windows.h>

// A vertical gradient from `from` at row top to `to` at row bottom, one pixel wide at x; rows
// outside the device context's bitmap are clipped away.
void FillColumnGradient(HDC dc, int x, int top, int bottom, COLORREF from, COLORREF to);

// Copies the column at x = left over the rows top to bottom across to x = right, the filled
// width doubling with each copy.
void CopyColumnAcross(HDC dc, int left, int top, int right, int bottom);
