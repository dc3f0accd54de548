#include "platform/aygshell.h"

#include <cstdint>
#include <initializer_list>

namespace {

constexpr wchar_t kFullScreenProp[] = L"CeShellFullScreen";

bool ValidInfo(const SHACTIVATEINFO* info) { return info && info->cbSize == sizeof(SHACTIVATEINFO); }

}  // namespace

BOOL WINAPI SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO* info, DWORD) {
  if (!ValidInfo(info) || !IsWindow(window)) return FALSE;
  if (LOWORD(wParam) == WA_INACTIVE) {
    // Remember where the focus was so that reactivation can put it back.
    HWND focus = GetFocus();
    info->hwndLastFocus = focus && IsChild(window, focus) ? focus : nullptr;
    info->fSipOnDeactivation = info->fSipUp;
    info->fActive = 0;
  } else {
    info->fActive = 1;
    info->fSipUp = 0;  // no input panel on this device
    if (info->hwndLastFocus && IsWindow(info->hwndLastFocus) && IsChild(window, info->hwndLastFocus))
      SetFocus(info->hwndLastFocus);
  }
  return TRUE;
}

BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO* info) {
  if (!ValidInfo(info) || !IsWindow(window)) return FALSE;
  // Only the input panel's own change (SPI_SETSIPINFO) concerns the window, and the panel
  // never shows here: the window keeps its size.
  return wParam == SPI_SETSIPINFO;
}

BOOL WINAPI SHFullScreen(HWND window, DWORD state) {
  if (!IsWindow(window)) return FALSE;
  auto current = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(GetPropW(window, kFullScreenProp)));
  // Each show flag cancels its hide flag and the other way round.
  for (DWORD show : {DWORD{SHFS_SHOWTASKBAR}, DWORD{SHFS_SHOWSIPBUTTON}, DWORD{SHFS_SHOWSTARTICON}}) {
    DWORD hide = show << 1;
    if (state & show) current = (current & ~hide) | show;
    if (state & hide) current = (current & ~show) | hide;
  }
  return SetPropW(window, kFullScreenProp, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(current)));
}

DWORD SHFullScreenState(HWND window) {
  return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(GetPropW(window, kFullScreenProp)));
}
