#include "tools/navbar/nav_bar_layout.h"

#include <algorithm>

int NavBarHeight(int dpi) { return NavBarScale(26, dpi); }

int NavBarScale(int value, int dpi) { return MulDiv(value, dpi, 96); }

NavBarLayout LayOutNavBar(int width, int dpi, int clockTextWidth, bool showOk) {
  const int height = NavBarHeight(dpi);
  const int gap = NavBarScale(4, dpi);
  NavBarLayout layout{};
  layout.start = RECT{0, 0, std::min(width, NavBarScale(30, dpi)), height};
  // The OK button keeps its place; the clock and then the title give way on narrow bars.
  const int okWidth = showOk ? std::min(width, NavBarScale(34, dpi)) : 0;
  layout.ok = RECT{width - okWidth, 0, width, height};
  const int clockRight = std::max<int>(layout.ok.left, layout.start.right);
  const int clockLeft = std::max<int>(layout.start.right, clockRight - clockTextWidth - 2 * gap);
  layout.clock = RECT{clockLeft, 0, clockRight, height};
  layout.title = RECT{layout.start.right, 0, std::max<int>(layout.start.right, clockLeft - gap), height};
  return layout;
}
