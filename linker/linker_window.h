#pragma once
// QMLinker's one hidden window, of class "QM_LINKER_CLASS": it takes each request as
// WM_COPYDATA, keeps a copy, and carries it out on timer 100 after the sender's send has
// returned, then hides itself and gives the foreground back.
#include <windows.h>

inline constexpr wchar_t kLinkerWindowClass[] = L"QM_LINKER_CLASS";
inline constexpr UINT_PTR kRequestTimer = 100;

bool RegisterLinkerWindowClass(HINSTANCE instance);
// The window: never shown, empty title; opens the Pocket Outlook session as it is created.
HWND CreateLinkerWindow(HINSTANCE instance);
