#include "settings/shell/about_dialog.h"

#include <cstdint>
#include <cwchar>
#include <vector>

#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/inline_dialog.h"

namespace {

enum AboutLine { kProductLine = 100, kVersionLine, kBuildLine, kCopyrightLine };

// Full screen with the navigation bar's OK, as every dialog of the device.
class AboutDialog final : public InlineDialog {
 public:
  explicit AboutDialog(HINSTANCE instance) : InlineDialog(instance, true) {}

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(window, IDOK);
        return TRUE;
      case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
      default: return InlineDialog::HandleMessage(window, message, wParam, lParam);
    }
  }
  void CreateMenuBar(HWND) override {}
  const wchar_t* DialogTitle() override { return kAboutTitle; }

  void CreateControls(HWND window) override {
    wchar_t version[64];
    WideString versionLine(L"Version ");
    versionLine.Append(ModuleVersionText(nullptr, version, 64) ? version : L"unknown");
    WideString buildLine(L"Built ");
    buildLine.Append(L"" __DATE__);
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_CENTER;
    CreateControl(window, L"static", L"Quillmere Settings", style, true, kProductLine, 0);
    CreateControl(window, L"static", versionLine.c_str(), style, false, kVersionLine, 0);
    CreateControl(window, L"static", buildLine.c_str(), style, false, kBuildLine, 0);
    CreateControl(window, L"static", L"\u00a9 Tessaly", style, false, kCopyrightLine, 0);
  }

  void OnPaint(HWND window) override {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(window, &paint);
  }

  void OnSize(HWND window) override {
    RECT client;
    GetClientRect(window, &client);
    int y = ScaleY(40);
    for (int id = kProductLine; id <= kCopyrightLine; ++id) {
      MoveWindow(GetDlgItem(window, id), ScaleX(10), y, client.right - ScaleX(20), ScaleY(20), TRUE);
      y += id == kProductLine ? ScaleY(32) : ScaleY(22);
    }
  }
};

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

void ShowAboutDialog(HINSTANCE instance) {
  AboutDialog dialog(instance);
  InlineDialog::Run(instance, dialog);
}
