#pragma once
// What tests need to see a window as a user would: the thread's messages run for a while, and
// the window's client area as it prints itself.
#include <windows.h>

// Runs this thread's messages for at least `milliseconds`.
void PumpFor(DWORD milliseconds);

// Whether `area` of the window's client, as the window prints itself, holds the colour.
bool PrintedAreaHolds(HWND window, const RECT& area, COLORREF colour);
// The colour of one point of the window's client as it prints itself.
COLORREF PrintedPixel(HWND window, int x, int y);
