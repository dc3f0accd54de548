#include "settings/toolkit/tooltip_window.h"

#include <windows.h>

#include <cwchar>

#include "platform/ce_platform.h"
#include "settings/base/scale.h"

namespace {

constexpr COLORREF kFrameColour = 0x140A14;
constexpr COLORREF kFillColour = 0xDCF6F7;
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Measured without DT_VCENTER, which would count the centring offset in the height.
constexpr UINT kMeasureFormat = DT_CENTER | DT_SINGLELINE | DT_CALCRECT;

ToolTipWindow* ToolTipOf(HWND window) {
  return reinterpret_cast<ToolTipWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

HWND ToolTipWindow::Create(HWND owner, HINSTANCE instance, const wchar_t* className, const wchar_t* text, int x,
                           int y) {
  Destroy();
  if (!className || !*className) return nullptr;
  owner_ = owner;
  instance_ = instance;
  text_.Assign(text);
  std::swprintf(className_, sizeof className_ / sizeof className_[0], L"%ls", className);

  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className_;
  RegisterClassW(&windowClass);  // left registered by a tooltip still on screen: fine

  // Sized to its text when it is created (WM_CREATE).
  return CreateWindowExW(0, className_, text_.c_str(), WS_POPUP, x, y, ScaleX(50), ScaleX(18), owner, nullptr, instance,
                         this);
}

void ToolTipWindow::Show() {
  if (window_) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void ToolTipWindow::Destroy() {
  if (window_) {
    ShowWindow(window_, SW_HIDE);
    DestroyWindow(window_);
  }
  if (className_[0]) UnregisterClassW(className_, instance_);
  className_[0] = L'\0';
  font_.Reset();
}

LRESULT CALLBACK ToolTipWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* tip = static_cast<ToolTipWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tip));
    tip->window_ = window;
  }
  ToolTipWindow* tip = ToolTipOf(window);
  return tip ? tip->HandleMessage(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ToolTipWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: FitToText(window); return 0;
    case WM_PAINT: return HandlePaint(window);
    case WM_PRINTCLIENT: Paint(window, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

void ToolTipWindow::FitToText(HWND window) {
  LOGFONTW face{};
  face.lfHeight = ScaleX(12);
  face.lfWeight = FW_BOLD;
  std::wcscpy(face.lfFaceName, L"Tahoma");
  font_.Reset(CreateFontIndirectW(&face));

  ScopedGetDC dc(window);
  if (!dc.Get()) return;
  ScopedSelectObject font(dc, font_.Get());
  RECT box{0, 0, 1000, 100};
  DrawTextW(dc, text_.c_str(), -1, &box, kMeasureFormat);
  SetWindowPos(window, nullptr, 0, 0, (box.right - box.left) + ScaleX(10), (box.bottom - box.top) + ScaleX(8),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ToolTipWindow::HandlePaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) Paint(window, dc);
  EndPaint(window, &paint);
  return 0;
}

void ToolTipWindow::Paint(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillSolid(dc, client, kFrameColour);
  RECT inner = client;
  InflateRect(&inner, -ScaleX(1), -ScaleX(1));
  FillSolid(dc, inner, kFillColour);

  ScopedSelectObject font(dc, font_.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text_.c_str(), -1, &client, kTextFormat);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
