#include "settings/pages/page_factory.h"

// No page is built yet: every command yields none and the main list stays.
SettingsPage* CreateSettingsPage(int) { return nullptr; }

HWND OpenSettingsPage(SettingsPage*, HWND, int) { return nullptr; }

void CloseSettingsPage(SettingsPage*) {}
