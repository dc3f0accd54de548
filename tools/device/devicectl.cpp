// Small device-side helper for scripts that drive programs from outside.
//   devicectl [--desktop NAME] wait-window CLASS [SECONDS]
//       exit 0 once a visible window of CLASS exists and has handled its pending messages;
//       --desktop looks in a named desktop (a Wine virtual desktop) instead of the default
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace {

// Windows are found only on the calling thread's desktop.
bool UseDesktop(const wchar_t* name) {
  HDESK desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL);
  return desktop && SetThreadDesktop(desktop);
}

int WaitWindow(const wchar_t* desktop, const wchar_t* className, int seconds) {
  DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  bool onDesktop = desktop == nullptr;
  do {
    // The desktop may not exist yet when its program is still starting.
    if (!onDesktop) onDesktop = UseDesktop(desktop);
    HWND window = onDesktop ? FindWindowW(className, nullptr) : nullptr;
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
  const wchar_t* desktop = nullptr;
  if (argc >= 3 && wcscmp(argv[1], L"--desktop") == 0) {
    desktop = argv[2];
    argc -= 2;
    argv += 2;
  }
  if (argc >= 3 && wcscmp(argv[1], L"wait-window") == 0)
    return WaitWindow(desktop, argv[2], argc >= 4 ? _wtoi(argv[3]) : 30);
  fwprintf(stderr, L"usage: devicectl [--desktop NAME] wait-window CLASS [SECONDS]\n");
  return 2;
}
