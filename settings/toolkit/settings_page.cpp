#include "settings/toolkit/settings_page.h"

#include <windows.h>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"

namespace {

// Popup and visible, as the device's full-screen pages are made.
constexpr DWORD kPageStyle = 0x90000800;
// Child, visible, tabs along the bottom.
constexpr DWORD kTabStripStyle = WS_CHILD | WS_VISIBLE | TCS_BOTTOM;
constexpr WPARAM kTabStripVersion = 0x20E;
constexpr UINT kCaptionOkCommand = IDOK;

SettingsPage* PageOf(HWND window) { return reinterpret_cast<SettingsPage*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

// Along the bottom of the client area, overlapping its left edge so that the strip's own
// border does not show there.
RECT TabStripRect(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  RECT rect;
  rect.left = ScaleX(-2);
  rect.top = client.bottom - ScaleX(22) + 1;
  rect.right = rect.left + client.right + ScaleX(2);
  rect.bottom = rect.top + ScaleX(22) - 1;
  return rect;
}

}  // namespace

SettingsPage::~SettingsPage() {
  FreeWindowResources();
  if (window_ && IsWindow(window_)) {
    // The window outlived its page: cut it loose so that no message reaches this object.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  UnregisterClassW(className_.c_str(), instance_);
}

HWND SettingsPage::Create(HWND parent, const wchar_t* className, HINSTANCE instance, HFONT font, HFONT boldFont) {
  className_.Assign(className);
  font_ = font;
  boldFont_ = boldFont;
  instance_ = instance;
  FreeWindowResources();

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = className_.c_str();
  RegisterClassW(&windowClass);  // still registered by an earlier page of this kind: fine

  RECT area{};
  if (parent) GetWindowRect(parent, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HWND window = CreateWindowExW(WS_EX_CAPTIONOKBTN, className_.c_str(), className_.c_str(), kPageStyle, area.left,
                                area.top, width, height, parent, nullptr, instance, this);
  if (!window) return nullptr;
  if (menuBar_) {
    RECT bar{};
    GetClientRect(menuBar_, &bar);
    MoveWindow(window, area.left, area.top, width, height - (bar.bottom - bar.top), TRUE);
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

int SettingsPage::CurrentTab() const {
  return tabStrip_ ? static_cast<int>(SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0)) : 0;
}

void SettingsPage::SetImageList(HIMAGELIST list) {
  if (imageList_ && imageList_ != list) ImageList_Destroy(imageList_);
  imageList_ = list;
}

void SettingsPage::SetHeaderBitmap(HBITMAP bitmap) {
  if (headerBitmap_ && headerBitmap_ != bitmap) DeleteObject(headerBitmap_);
  headerBitmap_ = bitmap;
}

void SettingsPage::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

LRESULT SettingsPage::OnLButtonDown(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnDrawItem(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnMeasureItem(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnMarkerChosen(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnMarkerClicked(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnCommand(HWND, WPARAM, LPARAM) { return 0; }
LRESULT SettingsPage::OnSize(HWND) { return 0; }
LRESULT SettingsPage::OnNotify(HWND, WPARAM, LPARAM) { return 0; }

LRESULT CALLBACK SettingsPage::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* page = static_cast<SettingsPage*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
    page->window_ = window;
  }
  SettingsPage* page = PageOf(window);
  return page ? page->HandleMessage(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT SettingsPage::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return HandleCreate(window);
    case WM_DESTROY: HandleDestroy(window); return 0;
    case WM_NCDESTROY: return HandleNcDestroy(window, wParam, lParam);
    case WM_SIZE: return HandleSize(window);
    case WM_ACTIVATE: SHHandleWMActivate(window, wParam, lParam, &activation_, 0); return 0;
    case WM_SETTINGCHANGE: SHHandleWMSettingChange(window, wParam, lParam, &activation_); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_LBUTTONDOWN: return OnLButtonDown(window, wParam, lParam);
    case WM_DRAWITEM: return OnDrawItem(window, wParam, lParam);
    case WM_MEASUREITEM: return OnMeasureItem(window, wParam, lParam);
    case kMarkerChosenMessage: return OnMarkerChosen(window, wParam, lParam);
    case kMarkerClickedMessage: return OnMarkerClicked(window, wParam, lParam);
    case WM_COMMAND: return HandleCommand(window, wParam, lParam);
    case WM_NOTIFY: return HandleNotify(window, wParam, lParam);
    case WM_CTLCOLORSTATIC: return ControlBackground(window, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Labels and check boxes sit on the page's white, as on the device (whose static controls
// take their background from the white COLOR_STATIC); read-only fields keep their own.
LRESULT SettingsPage::ControlBackground(HWND window, WPARAM wParam, LPARAM lParam) {
  wchar_t kind[16] = L"";
  GetClassNameW(reinterpret_cast<HWND>(lParam), kind, 16);
  if (_wcsicmp(kind, L"Edit") == 0) return DefWindowProcW(window, WM_CTLCOLORSTATIC, wParam, lParam);
  SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT SettingsPage::HandleCreate(HWND window) {
  activation_ = SHACTIVATEINFO{};
  activation_.cbSize = sizeof(SHACTIVATEINFO);
  SHMENUBARINFO bar{};
  bar.cbSize = sizeof(SHMENUBARINFO);
  bar.hwndParent = window;
  bar.dwFlags = SHCMBF_EMPTYBAR;
  bar.hInstRes = instance_;
  menuBar_ = SHCreateMenuBar(&bar) ? bar.hwndMB : nullptr;
  BuildTabStrip(window);
  OnCreate(window);
  ShowTab(window, SW_SHOW);
  return 0;
}

void SettingsPage::HandleDestroy(HWND window) {
  // The page reads its controls while the strip still tells which tab is current.
  OnDestroy(window);
  FreeWindowResources();
}

LRESULT SettingsPage::HandleNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  window_ = nullptr;
  return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT SettingsPage::HandleSize(HWND window) {
  if (tabStrip_) PlaceTabStrip(window);
  return OnSize(window);
}

LRESULT SettingsPage::HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != kCaptionOkCommand) return OnCommand(window, wParam, lParam);
  // The main window owns the page and closes it.
  SendMessageW(GetWindow(window, GW_OWNER), kClosePageMessage, 0, 0);
  return 0;
}

LRESULT SettingsPage::HandleNotify(HWND window, WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  switch (header ? header->code : 0) {
    case TCN_SELCHANGING: ShowTab(window, SW_HIDE); return 0;
    case TCN_SELCHANGE: ShowTab(window, SW_SHOW); return 0;
    default: OnNotify(window, wParam, lParam); return 0;
  }
}

void SettingsPage::BuildTabStrip(HWND window) {
  const int count = TabCount();
  if (count < 1) return;
  const RECT place = TabStripRect(window);
  tabStrip_ = CreateWindowExW(0, WC_TABCONTROLW, L"", kTabStripStyle, place.left, place.top, place.right - place.left,
                              place.bottom - place.top, window, nullptr, instance_, nullptr);
  if (!tabStrip_) return;
  SendMessageW(tabStrip_, CCM_SETVERSION, kTabStripVersion, 0);
  SendMessageW(tabStrip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (int index = 0; index < count; ++index) {
    WideString caption;
    LoadText(Modules().languageLibrary, TabCaptionId(index), caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.Raw();
    SendMessageW(tabStrip_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

void SettingsPage::PlaceTabStrip(HWND window) {
  const RECT place = TabStripRect(window);
  MoveWindow(tabStrip_, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
  // Moved without repainting, the strip would keep no picture at its new place until
  // something else invalidated it (as when the page shrinks for its soft-key bar).
  InvalidateRect(tabStrip_, nullptr, TRUE);
}

void SettingsPage::FreeWindowResources() {
  if (tabStrip_) DestroyWindow(tabStrip_);
  tabStrip_ = nullptr;
  if (menuBar_) DestroyWindow(menuBar_);
  menuBar_ = nullptr;
  SetImageList(nullptr);
  SetHeaderBitmap(nullptr);
}
