#include "settings/shell/about_dialog.h"

#include <cstdint>
#include <cwchar>
#include <vector>

#include "platform/ce_platform.h"
#include "settings/shell/scale.h"
#include "settings/shell/shell_fonts.h"
#include "settings/shell/wide_string.h"

namespace {

enum AboutControl { kProductLine = 100, kVersionLine, kBuildLine, kCopyrightLine };

struct AboutState {
  ScopedFont normal;
  ScopedFont bold;
};

void AddLine(HWND dialog, int id, const wchar_t* text, HFONT font) {
  HWND line = CreateWindowExW(0, L"static", text, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 1, 1, dialog,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Layout(HWND dialog) {
  RECT client;
  GetClientRect(dialog, &client);
  int y = ScaleY(40);
  for (int id = kProductLine; id <= kCopyrightLine; ++id) {
    MoveWindow(GetDlgItem(dialog, id), ScaleX(10), y, client.right - ScaleX(20), ScaleY(20), TRUE);
    y += id == kProductLine ? ScaleY(32) : ScaleY(22);
  }
  MoveWindow(GetDlgItem(dialog, IDOK), (client.right - ScaleX(80)) / 2, y + ScaleY(20), ScaleX(80), ScaleY(24), TRUE);
}

void OnInit(HWND dialog, AboutState* state) {
  SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  SetWindowTextW(dialog, kAboutTitle);
  // Full screen over the owner, as every dialog on the device.
  HWND owner = GetWindow(dialog, GW_OWNER);
  RECT area;
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  MoveWindow(dialog, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);

  wchar_t version[64];
  WideString versionLine(L"Version ");
  versionLine.Append(ModuleVersionText(nullptr, version, 64) ? version : L"unknown");
  WideString buildLine(L"Built ");
  buildLine.Append(L"" __DATE__);
  AddLine(dialog, kProductLine, L"Quillmere Settings", state->bold.Get());
  AddLine(dialog, kVersionLine, versionLine.c_str(), state->normal.Get());
  AddLine(dialog, kBuildLine, buildLine.c_str(), state->normal.Get());
  AddLine(dialog, kCopyrightLine, L"\u00a9 Tessaly", state->normal.Get());
  HWND ok = CreateWindowExW(0, L"button", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 1, 1,
                            dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(state->normal.Get()), TRUE);
  Layout(dialog);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: OnInit(dialog, reinterpret_cast<AboutState*>(lParam)); return TRUE;
    case WM_SIZE: Layout(dialog); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

bool ModuleVersionText(HMODULE module, wchar_t* out, int capacity) {
  out[0] = L'\0';
  wchar_t path[MAX_PATH];
  if (!GetModuleFileNameW(module, path, MAX_PATH)) return false;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (!size) return false;
  std::vector<std::uint8_t> data(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoW(path, 0, size, data.data()) ||
      !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || length < sizeof *info)
    return false;
  swprintf(out, static_cast<size_t>(capacity), L"%u.%u.%u.%u", HIWORD(info->dwFileVersionMS),
           LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
  return true;
}

void ShowAboutDialog(HINSTANCE instance, HWND owner) {
  // An empty in-memory template: the controls are made in code.
  struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialogTemplate{};
  dialogTemplate.header.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialogTemplate.header.dwExtendedStyle = static_cast<DWORD>(WS_EX_CAPTIONOKBTN);
  AboutState state{CreateShellFont(false), CreateShellFont(true)};
  DialogBoxIndirectParamW(instance, &dialogTemplate.header, owner, AboutProc, reinterpret_cast<LPARAM>(&state));
}
