#pragma once
#include <windows.h>

// The main window of QMSettings: the list of pages and the menu view above the bottom bar.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the "QM_OPTIONS" class; false when that fails.
bool RegisterMainWindowClass(HINSTANCE instance);

// The commands of the main list and the menu view (0 to 11 open pages).
enum MainCommand : int {
  kCommandLastPage = 11,
  kCommandAbout = 12,
  kCommandExport = 21,
  kCommandImport = 22,
  kCommandExit = 23,
};

// The commands of the bottom bar.
enum BarCommand : int { kBarDone = 0, kBarMenu = 1, kBarBack = 2 };
