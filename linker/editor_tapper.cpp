#include "linker/editor_tapper.h"

#include "platform/ce_input.h"

namespace {

constexpr DWORD kPause = 200;
constexpr int kTries = 8;
// Absolute mouse coordinates run 0 to 65535 across the screen: about 31 % across, 9 % down.
constexpr DWORD kTapX = 20000;
constexpr DWORD kTapY = 6000;

bool EditorIsUp(HWND linkerWindow) {
  HWND foreground = GetForegroundWindow();
  wchar_t className[257] = {};
  if (!foreground || !GetClassNameW(foreground, className, 257)) return false;
  return IsWindowVisible(foreground) && GetParent(foreground) == linkerWindow &&
         CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, className, -1, L"Dialog", -1) == CSTR_EQUAL;
}

DWORD WINAPI TapperThread(LPVOID parameter) {
  HWND linkerWindow = static_cast<HWND>(parameter);
  Sleep(kPause);
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (EditorIsUp(linkerWindow)) {
      mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, kTapX, kTapY, 0, 0);
      mouse_event(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, kTapX, kTapY, 0, 0);
      return 0;
    }
    Sleep(kPause);
  }
  return 0;
}

}  // namespace

void StartEditorTapper(HWND linkerWindow) {
  HANDLE thread = CreateThread(nullptr, 0, TapperThread, linkerWindow, 0, nullptr);
  if (thread) CloseHandle(thread);
}
