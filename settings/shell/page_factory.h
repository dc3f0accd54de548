#pragma once
// The settings pages behind main-list commands 0 to 11.
#include <windows.h>

class SettingsPage;

// The page object of a command, or none when that page is not part of this build.
SettingsPage* CreateSettingsPage(int command);
// Creates the page's full-screen window over the main window; null on failure.
HWND OpenSettingsPage(SettingsPage* page, HWND mainWindow, int command);
// Destroys the page's window (which writes its controls into the settings) and the page.
void CloseSettingsPage(SettingsPage* page);
