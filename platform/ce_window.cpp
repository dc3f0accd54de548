// The CE window manager's rules, applied on top of the desktop window manager.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>

#include "platform/device_facts.h"

HWND WINAPI CeStandInCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                     LPVOID param);
BOOL WINAPI CeStandInSetForegroundWindow(HWND window);
void CeStandInListViewRules(HWND list);

HWND WINAPI CeStandInCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                     LPVOID param) {
  if (!(style & WS_CHILD)) {
    // CE draws no frame or caption on top-level windows; the desktop would add them to
    // an overlapped window.
    if (!(style & WS_POPUP)) style |= WS_POPUP;
    RECT area = DeviceWorkArea();
    if (x == CW_USEDEFAULT) {
      x = area.left;
      y = area.top;
    }
    if (width == CW_USEDEFAULT) {
      width = area.right - x;
      height = area.bottom - y;
    }
  }
  HWND window = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu, instance, param);
  if (window && !IS_INTRESOURCE(className) && lstrcmpiW(className, WC_LISTVIEWW) == 0) CeStandInListViewRules(window);
  return window;
}

BOOL WINAPI CeStandInSetForegroundWindow(HWND window) {
  // CE's convention: the lowest bit set brings the window's owned popups forward too.
  auto bits = reinterpret_cast<std::uintptr_t>(window);
  HWND target = reinterpret_cast<HWND>(bits & ~std::uintptr_t{1});
  if (!(bits & 1)) return SetForegroundWindow(target);
  HWND top = GetLastActivePopup(target);
  BOOL ok = SetForegroundWindow(target);
  if (top && top != target) {
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ok = SetForegroundWindow(top) || ok;
  }
  return ok;
}
