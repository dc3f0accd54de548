#pragma once
// The stylus tap into Pocket Outlook's editor: a short-lived thread that waits for the
// editor dialog to come up over QMLinker's window and taps once near the top of the screen,
// where the editor has its first field. It shares nothing with the UI thread and ends by
// itself within about 1.8 s.
#include <windows.h>

// Starts the thread; its handle is closed at once.
void StartEditorTapper(HWND linkerWindow);
