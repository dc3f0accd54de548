#include <windows.h>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "platform/device_facts.h"

BOOL WINAPI SHInitDialog(PSHINITDLGINFO info) {
  if (!info || !(info->dwMask & SHIDIM_FLAGS) || !IsWindow(info->hDlg)) return FALSE;
  HWND dialog = info->hDlg;
  DWORD flags = info->dwFlags;

  // Device dialogs have no frame of their own: the navigation bar shows the title and,
  // with SHIDIF_DONEBUTTON, the OK button.
  LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
  SetWindowLongPtrW(dialog, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME));
  LONG_PTR exStyle = GetWindowLongPtrW(dialog, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME);
  if (flags & SHIDIF_DONEBUTTON) exStyle |= static_cast<LONG_PTR>(static_cast<DWORD>(WS_EX_CAPTIONOKBTN));
  SetWindowLongPtrW(dialog, GWL_EXSTYLE, exStyle);

  if (flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)) {
    RECT area = DeviceWorkArea();
    if (HWND bar = SHFindMenuBar(dialog); bar && !(flags & SHIDIF_FULLSCREENNOMENUBAR)) {
      RECT barRect;
      GetWindowRect(bar, &barRect);
      area.bottom -= barRect.bottom - barRect.top;
    }
    SetWindowPos(dialog, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else {
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (flags & SHIDIF_SIPDOWN) SipShowIM(SIPF_OFF);
  return TRUE;
}

BOOL WINAPI SipShowIM(DWORD flags) {
  // No input panel on this device: turning it off always succeeds, turning it on never shows it.
  return flags == SIPF_OFF || flags == SIPF_ON;
}
