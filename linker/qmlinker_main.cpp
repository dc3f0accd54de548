// QMLinker: the PIM item service of the Quillmere Today-screen plug-in. The plug-in starts
// it and sends it requests; it runs until its window is destroyed from outside.
#include <windows.h>

#include "linker/linker_window.h"
#include "platform/ce_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  // One instance: a second start brings the first forward (with its owned windows) and ends.
  if (HWND running = FindWindowW(kLinkerWindowClass, L"")) {
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
    return 0;
  }
  if (!RegisterLinkerWindowClass(instance) || !CreateLinkerWindow(instance)) return 0;

  HACCEL accelerators = LoadAcceleratorsW(instance, kLinkerWindowClass);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (accelerators && TranslateAcceleratorW(message.hwnd, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
