#include "tests/e2e/main_window_driver.h"

#include "settings/base/scale.h"
#include "tests/support/program_driver.h"

POINT BarSlot(HWND window, int slot, int dpi) {
  RECT client;
  GetClientRect(window, &client);
  int barHeight = ScaleValue(40, dpi, false, true);
  int width = client.right / 5;
  return POINT{width / 2 + slot * width, client.bottom - barHeight / 2};
}

POINT ListRow(HWND window, int row, int dpi) {
  RECT client;
  GetClientRect(window, &client);
  int height = ScaleValue(42, dpi, false, false);
  return POINT{client.right / 2, row * height + height / 2};
}

void TapBar(HWND window, int slot, int dpi) {
  POINT at = BarSlot(window, slot, dpi);
  Tap(window, at.x, at.y);
}

void TapRow(HWND window, int row, int dpi) {
  POINT at = ListRow(window, row, dpi);
  Tap(window, at.x, at.y);
}
