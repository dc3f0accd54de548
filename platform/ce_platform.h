#pragma once
// Windows CE declarations that the desktop SDK lacks, and the stand-ins that give desktop
// Windows (Wine) the CE behaviour the product relies on. Product code includes this header
// after <windows.h> and calls the CE names; built against the real CE SDK it would come
// from the CE headers instead.
#include <windows.h>
#include <shellapi.h>

#ifndef WS_EX_CAPTIONOKBTN
#define WS_EX_CAPTIONOKBTN 0x80000000L  // an OK button in the navigation bar's caption
#endif

#ifndef LVS_EX_NOHSCROLL
#define LVS_EX_NOHSCROLL 0x10000000  // no horizontal scroll bar; wide columns are cut
#endif

#ifndef _WIN32_WCE
// Gives a desktop list view the CE list view's LVS_EX_NOHSCROLL; CreateWindowExW applies it.
void CeStandInListViewRules(HWND list);

// GetVersionExW as the device reports it: CE version numbers, not desktop ones.
BOOL WINAPI CeStandInGetVersionExW(LPOSVERSIONINFOW info);
#define GetVersionExW CeStandInGetVersionExW

// CreateWindowExW with the CE window manager's rules for top-level windows: they have no
// desktop frame (the shell's navigation bar shows the title and the OK button), and a
// CW_USEDEFAULT size fills the work area below the navigation bar.
HWND WINAPI CeStandInCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style,
                                     int x, int y, int width, int height, HWND parent, HMENU menu,
                                     HINSTANCE instance, LPVOID param);
#define CreateWindowExW CeStandInCreateWindowExW

// CE's TransparentImage: like TransparentBlt, and the source may be a bitmap as well as a
// device context.
BOOL WINAPI TransparentImage(HDC destination, LONG x, LONG y, LONG width, LONG height, HANDLE source, LONG sourceX,
                             LONG sourceY, LONG sourceWidth, LONG sourceHeight, COLORREF transparent);

// CE's SetForegroundWindow: a handle with its lowest bit set also brings the window's
// owned popups to the front.
BOOL WINAPI CeStandInSetForegroundWindow(HWND window);
#define SetForegroundWindow CeStandInSetForegroundWindow

// SHGetFileInfoW for device paths: a path rooted at "\" is read on the device's drive.
DWORD_PTR WINAPI CeStandInSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);
#define SHGetFileInfoW CeStandInSHGetFileInfoW
#endif
