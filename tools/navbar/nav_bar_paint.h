#pragma once
// Draws the navigation bar as Windows Mobile 6 does: a dark blue gradient, the Start flag,
// the title in white, the clock and the "ok" button.
#include <windows.h>

#include "tools/navbar/nav_bar_layout.h"
#include "tools/navbar/nav_bar_target.h"

struct NavBarFonts {
  HFONT title;
  HFONT clock;
};

struct NavBarView {
  const NavBarLayout& layout;
  const NavBarCaption& caption;
  const wchar_t* clock;
  bool okPressed;
};

void PaintNavBar(HDC dc, const RECT& bar, int dpi, const NavBarFonts& fonts, const NavBarView& view);
