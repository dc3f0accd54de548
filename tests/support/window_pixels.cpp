#include "tests/support/window_pixels.h"

namespace {

// Prints the window's client into a bitmap of the screen's format and lets `look` read it.
template <typename Look>
auto Printed(HWND window, Look look) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  const auto seen = look(dc);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
  return seen;
}

}  // namespace

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

bool PrintedAreaHolds(HWND window, const RECT& area, COLORREF colour) {
  return Printed(window, [&](HDC dc) {
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (GetPixel(dc, x, y) == colour) return true;
    return false;
  });
}

COLORREF PrintedPixel(HWND window, int x, int y) {
  return Printed(window, [&](HDC dc) { return GetPixel(dc, x, y); });
}
