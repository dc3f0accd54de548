// navbar.exe as the device runs it: it follows the foreground window, posts WM_COMMAND IDOK
// to a window with the caption OK style when its "ok" is tapped, and lives as long as the
// program it started. Also the Today background that the device's shell provides.
#include <gtest/gtest.h>

#include <string>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "platform/device_facts.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_pixels.h"
#include "tools/navbar/nav_bar_layout.h"
#include "tools/navbar/nav_bar_window.h"

namespace {

constexpr wchar_t kNavBarExe[] = L"C:\\DeviceTools\\navbar.exe";
constexpr DWORD kWait = 20000;

struct Received {
  int okCommands = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 1;
};
Received g_received;

LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    ++g_received.okCommands;
    g_received.wParam = wParam;
    g_received.lParam = lParam;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return text;
}

// Pumps the test's messages until the bar shows that title.
bool WaitForTitle(HWND bar, const wchar_t* title) {
  DWORD start = GetTickCount();
  do {
    if (TextOf(bar) == title) return true;
    PumpFor(20);
  } while (GetTickCount() - start < kWait);
  return false;
}

class NavBarProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received = Received{};
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PageProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"NavBarTestPage";
    RegisterClassW(&windowClass);
    page_ = CreateWindowExW(static_cast<DWORD>(WS_EX_CAPTIONOKBTN), L"NavBarTestPage", L"Test Page",
                            WS_POPUP | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(page_);
    ASSERT_TRUE(navbar_.Start(kNavBarExe, nullptr));
    bar_ = WaitForWindow(navbar_.Id(), kNavBarClass, nullptr, kWait);
    ASSERT_TRUE(bar_) << "navbar.exe showed no bar";
    SetForegroundWindow(page_);
    ASSERT_TRUE(WaitForTitle(bar_, L"Test Page")) << "the bar shows \"" << TextOf(bar_) << "\"";
  }

  void TearDown() override {
    if (bar_) PostMessageW(bar_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(navbar_.WaitExit(kWait)) << "without a program the bar ends when it is closed";
    if (page_) DestroyWindow(page_);
  }

  // Taps the middle of where the bar's OK button is.
  void TapOk() {
    RECT client{};
    GetClientRect(bar_, &client);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT ok = LayOutNavBar(client.right, dpi, 0, true).ok;
    Tap(bar_, (ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    WaitIdle(bar_);
  }

  HWND page_ = nullptr;
  HWND bar_ = nullptr;
  RunningProgram navbar_;
};

TEST_F(NavBarProgram, OkTapPostsIdOkToTheForegroundWindow) {
  RECT rect{};
  GetWindowRect(bar_, &rect);
  EXPECT_EQ(0, rect.top);
  EXPECT_EQ(DeviceWorkArea().top, rect.bottom) << "the bar fills exactly the strip the work area leaves";
  EXPECT_TRUE(GetWindowLongPtrW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST);

  TapOk();
  PumpFor(300);
  EXPECT_EQ(1, g_received.okCommands);
  EXPECT_EQ(static_cast<WPARAM>(IDOK), g_received.wParam);
  EXPECT_EQ(0, g_received.lParam);

  // A tap on the title is no OK.
  Tap(bar_, NavBarScale(60, 96), 5);
  WaitIdle(bar_);
  PumpFor(300);
  EXPECT_EQ(1, g_received.okCommands);
}

TEST_F(NavBarProgram, FollowsRenamesAndTheOkStyleOfTheWindow) {
  SetWindowTextW(page_, L"Calendar");
  ASSERT_TRUE(WaitForTitle(bar_, L"Calendar"));

  // The style is read at the tap, so a window that has just dropped its OK gets nothing.
  SetWindowLongPtrW(page_, GWL_EXSTYLE, 0);
  TapOk();
  PumpFor(300);
  EXPECT_EQ(0, g_received.okCommands);
}

TEST(NavBarLaunch, EndsWithItsProgramAndPassesItsExitCodeBack) {
  RunningProgram navbar;
  ASSERT_TRUE(navbar.Start(kNavBarExe, L"C:\\windows\\system32\\cmd.exe /c exit 7"));
  DWORD code = 0;
  ASSERT_TRUE(navbar.WaitExit(kWait, &code));
  EXPECT_EQ(7u, code);

  RunningProgram missing;
  ASSERT_TRUE(missing.Start(kNavBarExe, L"C:\\no\\such\\program.exe"));
  ASSERT_TRUE(missing.WaitExit(kWait, &code));
  EXPECT_EQ(127u, code);
}

// The page headers copy a band from near the bottom of the Today background with pure red
// as the transparent colour.
TEST(TodayBackground, BothImagesLoadAndHoldNoPureRed) {
  for (const wchar_t* path : {L"\\Windows\\tdywater.gif", L"\\windows\\stwater.gif"}) {
    SCOPED_TRACE(testing::Message() << path);
    HBITMAP image = SHLoadImageFile(path);
    ASSERT_TRUE(image);
    DIBSECTION dib{};
    ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectW(image, sizeof dib, &dib));
    const BITMAP& bitmap = dib.dsBm;
    EXPECT_GE(bitmap.bmWidth, 240);
    EXPECT_GE(bitmap.bmHeight - 160, 10) << "the band's source row lies in the image";
    ASSERT_EQ(32, bitmap.bmBitsPixel);
    int red = 0;
    for (int y = 0; y < bitmap.bmHeight; ++y) {
      const BYTE* row = static_cast<const BYTE*>(bitmap.bmBits) + static_cast<std::ptrdiff_t>(y) * bitmap.bmWidthBytes;
      for (int x = 0; x < bitmap.bmWidth; ++x)
        if (row[4 * x] == 0 && row[4 * x + 1] == 0 && row[4 * x + 2] == 255) ++red;
    }
    EXPECT_EQ(0, red);
    DeleteObject(image);
  }
}

}  // namespace
