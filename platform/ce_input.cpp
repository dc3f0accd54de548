#include "platform/ce_input.h"

#undef mouse_event

void WINAPI CeStandInMouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    SetCursorPos(MulDiv(static_cast<int>(dx & 0xFFFF), GetSystemMetrics(SM_CXSCREEN), 65536),
                 MulDiv(static_cast<int>(dy & 0xFFFF), GetSystemMetrics(SM_CYSCREEN), 65536));
    flags &= ~static_cast<DWORD>(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE);
    dx = dy = 0;
  }
  if (flags) mouse_event(flags, dx, dy, data, extraInfo);
}
