#pragma once
#include <windows.h>

// Export Settings and Import Settings of the menu view. A successful import reloads the
// settings, writes the categories and filters, tells the plug-in and destroys `owner`, the
// main window; a failed one changes nothing and says so.
void ExportSettings(HWND owner);
void ImportSettings(HWND owner);
