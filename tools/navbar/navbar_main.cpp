// navbar: the Pocket PC navigation bar that the device's shell draws for every program.
//   navbar [PROGRAM [ARGS...]]
// Shows the bar along the top of the screen; with a program, starts it from C:\ and ends
// when it ends, with its exit code; without one, stays until its window is closed.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "tools/navbar/nav_bar_window.h"

namespace {

bool StartProgram(const wchar_t* commandLine, PROCESS_INFORMATION* program) {
  std::vector<wchar_t> line(commandLine, commandLine + wcslen(commandLine) + 1);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup, program) !=
         FALSE;
}

// Runs the bar's messages until the program ends (or, without one, until the bar closes).
int RunUntilEnd(HANDLE program) {
  for (;;) {
    DWORD waited = MsgWaitForMultipleObjects(program ? 1 : 0, &program, FALSE, INFINITE, QS_ALLINPUT);
    if (program && waited == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(program, &code);
      return static_cast<int>(code);
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  NavBar bar;
  if (!bar.Create(instance)) {
    fwprintf(stderr, L"navbar: the bar could not be created\n");
    return 1;
  }
  PROCESS_INFORMATION program{};
  if (commandLine && *commandLine && !StartProgram(commandLine, &program)) {
    fwprintf(stderr, L"navbar: cannot start %ls (error %d)\n", commandLine, static_cast<int>(GetLastError()));
    return 127;
  }
  int code = RunUntilEnd(program.hProcess);
  if (program.hProcess) {
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
  }
  return code;
}
