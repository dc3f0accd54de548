#pragma once
// Synthesised input as the CE device takes it. mouse_event with MOUSEEVENTF_ABSOLUTE maps
// 0..65535 onto the screen; the emulated device's headless desktop cannot map it (every
// absolute position lands at 0,0), so the stand-in places the cursor itself and sends the
// buttons there.
#include <windows.h>

#ifndef _WIN32_WCE
void WINAPI CeStandInMouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);
#define mouse_event CeStandInMouseEvent
#endif
