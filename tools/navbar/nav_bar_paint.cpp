#include "tools/navbar/nav_bar_paint.h"

#include "settings/controls/gdi_guards.h"

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(colour) << 8), static_cast<COLOR16>(GetGValue(colour) << 8),
                   static_cast<COLOR16>(GetBValue(colour) << 8), 0};
}

void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  TRIVERTEX corners[2] = {Vertex(area.left, area.top, top), Vertex(area.right, area.bottom, bottom)};
  GRADIENT_RECT span{0, 1};
  GradientFill(dc, corners, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

// A gloss in the upper half over a deep blue lower half.
void PaintBackground(HDC dc, const RECT& bar) {
  const LONG middle = bar.top + (bar.bottom - bar.top) / 2;
  VerticalGradient(dc, RECT{bar.left, bar.top, bar.right, middle}, RGB(0x5A, 0x7E, 0xBE), RGB(0x24, 0x45, 0x85));
  VerticalGradient(dc, RECT{bar.left, middle, bar.right, bar.bottom}, RGB(0x12, 0x2E, 0x68), RGB(0x0A, 0x1C, 0x48));
  ScopedBrush edge(CreateSolidBrush(RGB(0x04, 0x0E, 0x2A)));
  RECT line{bar.left, bar.bottom - 1, bar.right, bar.bottom};
  FillRect(dc, &line, edge.Get());
}

// The four-colour flag of the Start button, each pane a quadrilateral that rises to the
// right so that the flag seems to wave.
void PaintStartFlag(HDC dc, const RECT& area, int dpi) {
  const int size = NavBarScale(14, dpi);
  const int gap = NavBarScale(1, dpi);
  const int rise = NavBarScale(2, dpi);
  const int left = area.left + (area.right - area.left - size) / 2;
  const int top = area.top + (area.bottom - area.top - size) / 2;
  const int half = size / 2;
  static constexpr COLORREF kPanes[4] = {RGB(0xF0, 0x48, 0x20), RGB(0x7C, 0xBC, 0x1C), RGB(0x18, 0x9C, 0xE8),
                                         RGB(0xFC, 0xBC, 0x10)};
  ScopedSelectObject noPen(dc, GetStockObject(NULL_PEN));
  for (int pane = 0; pane < 4; ++pane) {
    const int x0 = left + (pane % 2) * (half + gap);
    const int y0 = top + (pane / 2) * (half + gap);
    const int x1 = x0 + half - gap;
    const int y1 = y0 + half - gap;
    // The outer edge rises more than the inner one.
    const int riseLeft = (pane % 2) ? rise / 2 : 0;
    const int riseRight = (pane % 2) ? rise : rise / 2;
    POINT corners[4] = {{x0, y0 - riseLeft}, {x1, y0 - riseRight}, {x1, y1 - riseRight}, {x0, y1 - riseLeft}};
    ScopedBrush fill(CreateSolidBrush(kPanes[pane]));
    ScopedSelectObject brush(dc, fill.Get());
    Polygon(dc, corners, 4);
  }
}

void PaintOkButton(HDC dc, const RECT& area, int dpi, HFONT font, bool pressed) {
  const int inset = NavBarScale(4, dpi);
  RECT button{area.left + NavBarScale(2, dpi), area.top + inset, area.right - inset, area.bottom - inset};
  if (button.right <= button.left || button.bottom <= button.top) return;
  const int round = NavBarScale(8, dpi);
  ScopedGdiObject<HRGN> shape(CreateRoundRectRgn(button.left, button.top, button.right + 1, button.bottom + 1, round, round));
  SelectClipRgn(dc, shape.Get());
  if (pressed)
    VerticalGradient(dc, button, RGB(0x08, 0x18, 0x3C), RGB(0x1C, 0x3A, 0x78));
  else
    VerticalGradient(dc, button, RGB(0x6A, 0x90, 0xD0), RGB(0x1A, 0x3C, 0x80));
  SelectClipRgn(dc, nullptr);
  ScopedBrush frame(CreateSolidBrush(RGB(0xB8, 0xCC, 0xEC)));
  FrameRgn(dc, shape.Get(), frame.Get(), 1, 1);
  ScopedSelectObject selected(dc, font);
  DrawTextW(dc, L"ok", -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void PaintNavBar(HDC dc, const RECT& bar, int dpi, const NavBarFonts& fonts, const NavBarView& view) {
  PaintBackground(dc, bar);
  PaintStartFlag(dc, view.layout.start, dpi);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
  {
    ScopedSelectObject font(dc, fonts.title);
    RECT title = view.layout.title;
    DrawTextW(dc, view.caption.title.c_str(), -1, &title,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  {
    ScopedSelectObject font(dc, fonts.clock);
    RECT clock = view.layout.clock;
    DrawTextW(dc, view.clock, -1, &clock, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (view.caption.ok) PaintOkButton(dc, view.layout.ok, dpi, fonts.title, view.okPressed);
}
