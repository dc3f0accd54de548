#include "tools/navbar/nav_bar_window.h"

#include <windowsx.h>

#include <utility>

#include "tools/navbar/nav_bar_paint.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 1000;
// Win event callbacks run outside the window procedure; they ask it to refresh.
constexpr UINT kRefreshMessage = WM_APP + 1;

ScopedFont MakeFont(int dpi, int height, int weight) {
  LOGFONTW font{};
  font.lfHeight = -NavBarScale(height, dpi);
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = ANTIALIASED_QUALITY;
  lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  return ScopedFont(CreateFontIndirectW(&font));
}

std::wstring ClockText() {
  wchar_t text[32] = L"";
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_NOTIMEMARKER, nullptr, nullptr, text, 32);
  return text;
}

int TextWidth(HWND window, HFONT font, const std::wstring& text) {
  ScopedGetDC dc(window);
  ScopedSelectObject selected(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

NavBar* NavBar::s_instance = nullptr;

NavBar::~NavBar() {
  if (window_) DestroyWindow(window_);
}

bool NavBar::Create(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kNavBarClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

  {
    ScopedGetDC screen(nullptr);
    dpi_ = screen.Get() ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  }
  s_instance = this;
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kNavBarClass, L"", WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), NavBarHeight(dpi_), nullptr, nullptr, instance, this);
  if (!window) {
    s_instance = nullptr;
    return false;
  }
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  return true;
}

LRESULT CALLBACK NavBar::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* bar = static_cast<NavBar*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    bar->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
  }
  auto* bar = reinterpret_cast<NavBar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!bar) return DefWindowProcW(window, message, wParam, lParam);
  return bar->HandleMessage(message, wParam, lParam);
}

void CALLBACK NavBar::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
  NavBar* bar = s_instance;
  if (!bar || !bar->window_ || bar->refreshPosted_) return;
  // Only the followed window's own name matters, not those of its controls.
  if (event == EVENT_OBJECT_NAMECHANGE && (object != OBJID_WINDOW || window != bar->target_)) return;
  bar->refreshPosted_ = PostMessageW(bar->window_, kRefreshMessage, 0, 0) != FALSE;
}

LRESULT NavBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_TIMER: Refresh(); return 0;
    case kRefreshMessage: refreshPosted_ = false; Refresh(); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_CAPTURECHANGED: pressed_ = false; InvalidateRect(window_, nullptr, FALSE); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void NavBar::OnCreate() {
  titleFont_ = MakeFont(dpi_, 12, FW_BOLD);
  clockFont_ = MakeFont(dpi_, 12, FW_NORMAL);
  const DWORD events[3] = {EVENT_SYSTEM_FOREGROUND, EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE};
  for (int i = 0; i < 3; ++i)
    hooks_[i] = SetWinEventHook(events[i], events[i], nullptr, OnWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
  SetTimer(window_, kRefreshTimer, kRefreshMilliseconds, nullptr);
  Refresh();
}

void NavBar::Refresh() {
  HWND target = NextTarget(GetForegroundWindow(), window_, target_);
  NavBarCaption caption = DescribeWindow(target);
  std::wstring clock = ClockText();
  if (target == target_ && caption == caption_ && clock == clock_) return;
  if (target != target_) pressed_ = false;
  target_ = target;
  caption_ = std::move(caption);
  clock_ = std::move(clock);
  SetWindowTextW(window_, caption_.title.c_str());
  UpdateLayout();
  InvalidateRect(window_, nullptr, FALSE);
}

void NavBar::UpdateLayout() {
  RECT client{};
  GetClientRect(window_, &client);
  layout_ = LayOutNavBar(client.right, dpi_, TextWidth(window_, clockFont_.Get(), clock_), caption_.ok);
}

void NavBar::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  // Drawn off screen first so that a refresh does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  if (memory) {
    ScopedBitmap surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (surface) {
      ScopedSelectObject selected(memory, surface.Get());
      PaintNavBar(memory, client, dpi_, NavBarFonts{titleFont_.Get(), clockFont_.Get()},
                  NavBarView{layout_, caption_, clock_.c_str(), pressed_});
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
  }
  EndPaint(window_, &paint);
}

void NavBar::OnButtonDown(POINT point) {
  if (!caption_.ok || !PtInRect(&layout_.ok, point)) return;
  pressed_ = true;
  SetCapture(window_);
  InvalidateRect(window_, nullptr, FALSE);
}

void NavBar::OnButtonUp(POINT point) {
  if (!pressed_) return;
  const bool inside = PtInRect(&layout_.ok, point) != FALSE;
  ReleaseCapture();
  pressed_ = false;
  InvalidateRect(window_, nullptr, FALSE);
  // The style is read again: the window may have dropped its OK since the last refresh.
  if (inside && target_ && DescribeWindow(target_).ok) PostMessageW(target_, WM_COMMAND, IDOK, 0);
}

void NavBar::OnNcDestroy() {
  KillTimer(window_, kRefreshTimer);
  for (HWINEVENTHOOK& hook : hooks_) {
    if (hook) UnhookWinEvent(hook);
    hook = nullptr;
  }
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  if (s_instance == this) s_instance = nullptr;
}
