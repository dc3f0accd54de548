#pragma once
#include <windows.h>

// Export Settings and Import Settings of the menu view.
bool ExportSettings(HWND owner);
bool ImportSettings(HWND owner);
