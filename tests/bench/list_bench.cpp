#include <windows.h>

#include <cstdio>

#include "settings/base/scale.h"
#include "settings/controls/finger_list.h"
#include "tests/bench/bench.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;

FingerList* g_benchList = nullptr;

LRESULT CALLBACK BenchOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && g_benchList) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    g_benchList->Draw(dc);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// The main list as the settings program shows it: 13 rows with icons over a 480 x 640
// area at the device's dpi. The first paint lays out the rows and paints the band that shows;
// a scroll step repaints the content image and the owner window.
QM_BENCH(MainListRepaint) {
  ScaleInit(false);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = BenchOwnerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ListBenchOwner";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"ListBenchOwner", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    std::printf("no window\n");
    return;
  }

  FingerList list;
  g_benchList = &list;
  for (int i = 0; i < 13; ++i) {
    list.AddEntry(L"Settings page", nullptr, -1, -1, i);
    MakeSolidImage(list.Entry(i)->firstIcon, ScaleX(32), ScaleY(32), RGB(200, 120, 40), 200);
  }

  const int rounds = 20;
  double firstPaint = 0.0;
  for (int i = 0; i < rounds; ++i) {
    double start = BenchNow();
    list.Place(window, 0, 0, kWidth, kHeight, nullptr, nullptr);
    firstPaint += BenchNow() - start;
  }

  // Offsets sweep the rows and a pull of 100 pixels past either end.
  const int steps = 200;
  int span = list.ContentHeight() - kHeight + 200;
  double start = BenchNow();
  for (int i = 0; i < steps; ++i) {
    list.Scroller().SetOffset(100 - (i * 7) % span, true);
  }
  double scrolling = BenchNow() - start;

  std::printf("dpi %d: row height %d px, content %d px\n", ScaleY(96), ScaleY(42), list.ContentHeight());
  std::printf("first paint (rows laid out, the band shown painted): %.3f ms\n", firstPaint * 1000.0 / rounds);
  std::printf("scroll step (content repaint and owner update): %.3f ms\n", scrolling * 1000.0 / steps);

  g_benchList = nullptr;
  list.Destroy();
  DestroyWindow(window);
}
