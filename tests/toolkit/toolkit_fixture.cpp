#include "tests/toolkit/toolkit_fixture.h"

#include <cstring>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/shell/shell_state.h"

namespace {

constexpr wchar_t kMainClass[] = L"ToolkitTestMain";
constexpr UINT kCaptionIds[] = {635, 1491, 1348, 642};
int g_closeRequests = 0;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kClosePageMessage && wParam == 0 && lParam == 0) ++g_closeRequests;
  return DefWindowProcW(window, message, wParam, lParam);
}

HMODULE EnglishLibrary() {
  static HMODULE library = LoadLibraryW(L"\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll");
  return library;
}

}  // namespace

UINT RecordingPage::TabCaptionId(int index) { return kCaptionIds[index]; }

void RecordingPage::ShowTab(HWND, int showCommand) {
  events.push_back("show " + std::to_string(showCommand) + " on tab " + std::to_string(CurrentTab()));
}

void RecordingPage::OnDestroy(HWND) { events.push_back("destroy, strip " + std::to_string(IsWindow(TabStrip()))); }

LRESULT RecordingPage::OnMarkerChosen(HWND, WPARAM wParam, LPARAM lParam) {
  markerChoices.emplace_back(wParam, lParam);
  return 0;
}

LRESULT RecordingPage::OnMarkerClicked(HWND, WPARAM wParam, LPARAM lParam) {
  markerClicks.emplace_back(wParam, lParam);
  return 0;
}

LRESULT RecordingPage::OnCommand(HWND, WPARAM wParam, LPARAM) {
  commands.push_back(LOWORD(wParam));
  return 0;
}

LRESULT RecordingPage::OnSize(HWND) {
  ++sizes;
  return 0;
}

void ToolkitTest::Prepare(int dpi) {
  dpi_ = dpi;
  ScaleSetForTest(false, dpi, dpi);
  Modules().languageLibrary = EnglishLibrary();
  ASSERT_NE(Modules().languageLibrary, nullptr);
  LOGFONTW face{};
  face.lfHeight = S(12);
  std::wcscpy(face.lfFaceName, L"Tahoma");
  font_.Reset(CreateFontIndirectW(&face));

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MainProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kMainClass;
  RegisterClassW(&windowClass);
  main_ = CreateWindowExW(0, kMainClass, L"Main", WS_POPUP | WS_VISIBLE, 0, 0, kMainWidth, kMainHeight, nullptr,
                          nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(main_, nullptr);
  g_closeRequests = 0;
}

HWND ToolkitTest::Open(int tabs) {
  page_ = new RecordingPage(tabs);
  window_ = page_->Create(main_, kTestPageClass, GetModuleHandleW(nullptr), font_.Get(), font_.Get());
  return window_;
}

void ToolkitTest::TearDown() {
  if (page_ && page_->Window()) DestroyWindow(page_->Window());
  delete page_;
  page_ = nullptr;
  if (main_) DestroyWindow(main_);
}

int ToolkitTest::CloseRequests() { return g_closeRequests; }

std::wstring English(UINT id) {
  WideString text;
  LoadText(EnglishLibrary(), id, text);
  return text.c_str();
}

std::vector<int> Place(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool HasStyle(HWND window, DWORD bits) {
  return (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & bits) == bits;
}

std::wstring Text(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

Canvas::Canvas(int width, int height, COLORREF fill) : dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  old_ = SelectObject(dc_, bitmap_);
  ScopedBrush brush(CreateSolidBrush(fill));
  RECT all{0, 0, width, height};
  FillRect(dc_, &all, brush.Get());
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

int Canvas::CountOther(const RECT& rect, COLORREF colour) const {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) count += Pixel(x, y) != colour;
  return count;
}
