// QMSettings: the settings program of the Quillmere Today-screen plug-in.
#include <windows.h>

#include <cwchar>

#include "platform/ce_platform.h"
#include "settings/base/program_modules.h"
#include "settings/base/startup_trace.h"
#include "settings/shell/about_dialog.h"
#include "settings/shell/main_window.h"
#include "settings/shell/shell_state.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showCommand) {
  ShellState& shell = Shell();
  Modules().instance = instance;
  StartupTraceBegin(commandLine);
  shell.startMode = commandLine && wcscmp(commandLine, L"About") == 0 ? StartMode::About : StartMode::Normal;

  // One instance only. The class alone identifies it: the title is cleared while a page is
  // open, and a second copy must not start then either.
  if (HWND running = FindWindowW(kMainWindowClass, nullptr)) {
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
    return 0;
  }

  if (!RegisterMainWindowClass(instance)) return 0;
  HWND window = CreateWindowExW(static_cast<DWORD>(WS_EX_CAPTIONOKBTN), kMainWindowClass, kMainWindowTitle,
                                WS_VISIBLE | WS_CLIPSIBLINGS | 0x800, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!window) return 0;
  StartupTraceStep("window created");

  if (shell.startMode == StartMode::About) ShowAboutDialog(instance);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  StartupTraceStep("first paint");

  HACCEL accelerators = LoadAcceleratorsW(instance, kMainWindowClass);
  MSG message;
  bool idle = false;
  for (;;) {
    // The first time the queue is empty, start-up is over.
    if (!idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      idle = true;
      StartupTraceStep("idle");
      StartupTraceWrite();
    }
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    if (accelerators && TranslateAcceleratorW(message.hwnd, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
