#pragma once
// The Pocket PC shell extensions (aygshell) as far as the product calls them, declared with
// the CE names and signatures. The emulated device has no input panel, so the input-panel
// state these calls keep always reads as down.
#include <windows.h>

#include <cstddef>

typedef struct tagSHACTIVATEINFO {
  DWORD cbSize;
  HWND hwndLastFocus;
  UINT fSipUp : 1;
  UINT fSipOnDeactivation : 1;
  UINT fActive : 1;
  UINT fReserved : 29;
} SHACTIVATEINFO, *PSHACTIVATEINFO;

// Callers set cbSize to sizeof, and the calls reject any other value, so the record must keep
// the device's layout: 12 bytes on the 32-bit device, the pointer aligned after cbSize on 64-bit.
static_assert(offsetof(SHACTIVATEINFO, cbSize) == 0);
static_assert(offsetof(SHACTIVATEINFO, hwndLastFocus) == sizeof(HWND));
static_assert(sizeof(SHACTIVATEINFO) == (sizeof(HWND) == 4 ? 12 : 24));

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

// ---- The soft-key menu bar along the bottom of the screen.

typedef struct tagSHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;
  COLORREF clrBk;
} SHMENUBARINFO, *PSHMENUBARINFO;

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

#define SHCMBM_SETSUBMENU (WM_USER + 400)
#define SHCMBM_GETSUBMENU (WM_USER + 401)
#define SHCMBM_GETMENU (WM_USER + 402)
#define SHCMBM_OVERRIDEKEY (WM_USER + 403)
#define SHCMBM_SETBKCOLOR (WM_USER + 406)

#define SHMBOF_NODEFAULT 0x00000001
#define SHMBOF_NOTIFY 0x00000002

#ifndef VK_TBACK
#define VK_TBACK VK_ESCAPE
#endif
#ifndef MOD_KEYUP
#define MOD_KEYUP 0x1000
#endif

// Creates the menu bar of a window: empty, or one soft key per top-level item of a menu
// resource (SHCMBF_HMENU). Soft keys send WM_COMMAND with the item's id to the parent; the
// bar also answers the toolbar messages (TB_SETBUTTONINFO and the like).
BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info);
// The menu bar a window owns, or null.
HWND WINAPI SHFindMenuBar(HWND window);

// ---- Dialogs.

typedef struct tagSHINITDLGINFO {
  DWORD dwMask;
  HWND hDlg;
  DWORD dwFlags;
} SHINITDLGINFO, *PSHINITDLGINFO;

#define SHIDIM_FLAGS 0x0001

#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020

// Makes a dialog a device dialog: no desktop frame (the navigation bar shows its title),
// sized to the screen, with the navigation bar's OK button when asked.
BOOL WINAPI SHInitDialog(PSHINITDLGINFO info);

// ---- The input panel (none on this device: it is always down).

#define SIPF_OFF 0x00000000
#define SIPF_ON 0x00000001

BOOL WINAPI SipShowIM(DWORD flags);

// ---- Images.

// Loads a GIF, PNG, JPEG or BMP file into a bitmap; null on failure.
HBITMAP WINAPI SHLoadImageFile(LPCWSTR path);
// Loads a BMP file into a bitmap; null on failure.
HBITMAP WINAPI SHLoadDIBitmap(LPCWSTR path);
