#include "settings/base/scale.h"

#include <windows.h>

namespace {

struct ScaleState {
  bool doubled = false;
  int dpiX = 96;
  int dpiY = 96;
  bool initialised = false;
};

ScaleState g_scale;

}  // namespace

void ScaleInit(bool doubleSize) {
  if (g_scale.initialised) return;
  g_scale.doubled = doubleSize;
  if (HDC screen = GetDC(nullptr)) {
    g_scale.dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    g_scale.dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  g_scale.initialised = true;
}

int ScaleValue(int v, int dpi, bool doubleSize, bool keepSmall) {
  if (doubleSize) return 2 * v;
  if (keepSmall && dpi < 136) return v;
  int magnitude = ((v < 0 ? -v : v) * dpi + 48) / 96;
  return v < 0 ? -magnitude : magnitude;
}

int ScaleX(int v, bool keepSmall) { return ScaleValue(v, g_scale.dpiX, g_scale.doubled, keepSmall); }
int ScaleY(int v, bool keepSmall) { return ScaleValue(v, g_scale.dpiY, g_scale.doubled, keepSmall); }

void ScaleSetForTest(bool doubleSize, int dpiX, int dpiY) {
  g_scale = ScaleState{doubleSize, dpiX, dpiY, true};
}

bool ScaleDoubled() { return g_scale.doubled; }
