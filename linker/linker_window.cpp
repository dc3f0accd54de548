#include "linker/linker_window.h"

#include <cstring>

#include "linker/linker_request.h"
#include "linker/poom_session.h"
#include "linker/request_dispatch.h"
#include "platform/ce_platform.h"

namespace {

// The process's state, all on the UI thread. A request that arrives while another runs
// (inside a modal loop of its operation) replaces the record and the remembered window at
// once and runs, nested, when its own timer fires.
struct LinkerState {
  LinkerRequest request{};
  HWND previousForeground = nullptr;
  PoomSession session;
};

LinkerState& State() {
  static LinkerState state;
  return state;
}

LRESULT OnCreate(HWND window) {
  // Without Pocket Outlook the program still runs; its operations then do nothing.
  State().session.Open(window);
  return 0;
}

LRESULT OnDestroy() {
  State().session.Close();
  PostQuitMessage(0);
  return 0;
}

LRESULT OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
  return 0;
}

// Data shorter than a whole request, or none, is ignored: the stored request, the
// remembered window and the timer stay as they were.
LRESULT OnCopyData(HWND window, const COPYDATASTRUCT* data) {
  if (!data || !data->lpData || data->cbData < sizeof(LinkerRequest)) return 0;
  LinkerState& state = State();
  std::memcpy(&state.request, data->lpData, sizeof(LinkerRequest));
  state.previousForeground = GetForegroundWindow();
  SetForegroundWindow(window);
  SetTimer(window, kRequestTimer, 1, nullptr);
  return 0;
}

LRESULT OnTimer(HWND window) {
  KillTimer(window, kRequestTimer);
  LinkerState& state = State();
  // A copy: a nested request replaces the stored one while this one still runs.
  const LinkerRequest request = state.request;
  DispatchRequest(request, window, state.session);
  ShowWindow(window, SW_HIDE);
  SetForegroundWindow(state.previousForeground);
  return 0;
}

LRESULT CALLBACK LinkerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint(window);
    case WM_COPYDATA: return OnCopyData(window, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER: return OnTimer(window);
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterLinkerWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = LinkerWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kLinkerWindowClass;
  return RegisterClassW(&windowClass) != 0;
}

HWND CreateLinkerWindow(HINSTANCE instance) {
  return CreateWindowExW(static_cast<DWORD>(0x80000000), kLinkerWindowClass, L"", 0, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}
