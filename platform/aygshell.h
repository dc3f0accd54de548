#pragma once
// The Pocket PC shell extensions (aygshell) as far as the product calls them, declared with
// the CE names and signatures. The emulated device has no input panel, so the input-panel
// state these calls keep always reads as down.
#include <windows.h>

typedef struct tagSHACTIVATEINFO {
  DWORD cbSize;
  HWND hwndLastFocus;
  UINT fSipUp : 1;
  UINT fSipOnDeactivation : 1;
  UINT fActive : 1;
  UINT fReserved : 29;
} SHACTIVATEINFO, *PSHACTIVATEINFO;

#ifndef SPI_SETSIPINFO
#define SPI_SETSIPINFO 224
#endif

#define SHA_INPUTDIALOG 0x00000001

#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020

BOOL WINAPI SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info, DWORD flags);
BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info);
BOOL WINAPI SHFullScreen(HWND window, DWORD state);

// What SHFullScreen last asked of a window (SHFS_* bits), for the device's navigation bar.
DWORD SHFullScreenState(HWND window);
