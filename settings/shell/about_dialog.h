#pragma once
#include <windows.h>

inline constexpr wchar_t kAboutTitle[] = L"About Quillmere";

// The modal About dialog: product name, version and build date.
void ShowAboutDialog(HINSTANCE instance);

// "1.0.0.0" from the module's version resource; empty when it has none.
bool ModuleVersionText(HMODULE module, wchar_t* out, int capacity);
