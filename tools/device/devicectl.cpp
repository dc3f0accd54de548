// Small device-side helper for scripts that drive programs from outside.
//   devicectl wait-window CLASS [SECONDS]   exit 0 once a visible window of CLASS exists
//                                           and has handled its pending messages
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace {

int WaitWindow(const wchar_t* className, int seconds) {
  DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  do {
    HWND window = FindWindowW(className, nullptr);
    DWORD_PTR result = 0;
    // A window shown with UpdateWindow has painted before its loop answers anything.
    if (window && IsWindowVisible(window) &&
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
      return 0;
    Sleep(50);
  } while (static_cast<LONG>(deadline - GetTickCount()) > 0);
  fwprintf(stderr, L"devicectl: no window of class %ls after %d s\n", className, seconds);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && wcscmp(argv[1], L"wait-window") == 0)
    return WaitWindow(argv[2], argc >= 4 ? _wtoi(argv[3]) : 30);
  fwprintf(stderr, L"usage: devicectl wait-window CLASS [SECONDS]\n");
  return 2;
}
