// The navigation bar's layout and its choice of window, title and OK button, in process.
#include <gtest/gtest.h>

#include "platform/ce_platform.h"
#include "platform/device_facts.h"
#include "tools/navbar/nav_bar_layout.h"
#include "tools/navbar/nav_bar_target.h"

namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window owned by the test; destroyed on scope exit.
class TestWindow {
 public:
  TestWindow(const wchar_t* title, DWORD exStyle, bool visible = true, HWND parent = nullptr) {
    static const ATOM atom = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = PlainProc;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = L"NavBarLogicTestWindow";
      return RegisterClassW(&windowClass);
    }();
    EXPECT_NE(0, atom);
    DWORD style = (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(exStyle, L"NavBarLogicTestWindow", title, style, 0, 40, 200, 100, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() {
    if (window_) DestroyWindow(window_);
  }
  HWND Get() const { return window_; }
  void Destroy() {
    DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
};

void ExpectInOrder(const NavBarLayout& layout, int width) {
  EXPECT_EQ(0, layout.start.left);
  EXPECT_LE(layout.start.right, layout.title.left);
  EXPECT_LE(layout.title.left, layout.title.right);
  EXPECT_LE(layout.title.right, layout.clock.left);
  EXPECT_LE(layout.clock.left, layout.clock.right);
  EXPECT_LE(layout.clock.right, layout.ok.left);
  EXPECT_EQ(width, layout.ok.right);
}

TEST(NavBarLayout, PartsSitSideBySideAtEveryDpi) {
  for (int dpi : {96, 120, 131, 192}) {
    SCOPED_TRACE(dpi);
    const int width = MulDiv(240, dpi, 96);
    NavBarLayout withOk = LayOutNavBar(width, dpi, NavBarScale(30, dpi), true);
    ExpectInOrder(withOk, width);
    EXPECT_EQ(MulDiv(26, dpi, 96), withOk.ok.bottom);
    EXPECT_EQ(NavBarScale(34, dpi), withOk.ok.right - withOk.ok.left);
    EXPECT_GT(withOk.title.right - withOk.title.left, width / 3) << "the title gets the room left over";

    NavBarLayout withoutOk = LayOutNavBar(width, dpi, NavBarScale(30, dpi), false);
    ExpectInOrder(withoutOk, width);
    EXPECT_TRUE(IsRectEmpty(&withoutOk.ok));
    EXPECT_EQ(width, withoutOk.clock.right) << "the clock moves to the edge";
    EXPECT_GT(withoutOk.title.right, withOk.title.right);
  }
}

TEST(NavBarLayout, NarrowBarsKeepTheOkButtonAndNeverInvertParts) {
  for (int width : {0, 20, 60, 100}) {
    SCOPED_TRACE(width);
    NavBarLayout layout = LayOutNavBar(width, 96, 200, true);
    for (const RECT& part : {layout.start, layout.title, layout.clock, layout.ok}) {
      EXPECT_LE(part.left, part.right);
      EXPECT_LE(part.right, width);
    }
    EXPECT_EQ(width, layout.ok.right);
  }
  NavBarLayout longClock = LayOutNavBar(240, 96, 400, false);
  EXPECT_EQ(longClock.start.right, longClock.clock.left) << "a clock wider than the bar stops at the flag";
  EXPECT_EQ(longClock.title.left, longClock.title.right);
}

TEST(NavBarLayout, BarHeightIsWhatTheWorkAreaLeavesFree) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(NavigationBarHeight(), NavBarHeight(dpi));
  EXPECT_EQ(DeviceWorkArea().top, NavBarHeight(dpi));
}

TEST(NavBarTarget, FollowsVisibleTopLevelWindowsOnly) {
  TestWindow bar(L"bar", WS_EX_TOOLWINDOW);
  TestWindow page(L"Calendar", static_cast<DWORD>(WS_EX_CAPTIONOKBTN));
  TestWindow child(L"child", 0, true, page.Get());
  TestWindow hidden(L"hidden", 0, false);

  EXPECT_EQ(page.Get(), FollowableWindow(page.Get(), bar.Get()));
  EXPECT_EQ(page.Get(), FollowableWindow(child.Get(), bar.Get())) << "a child stands for its top-level window";
  EXPECT_EQ(nullptr, FollowableWindow(bar.Get(), bar.Get()));
  EXPECT_EQ(nullptr, FollowableWindow(GetDesktopWindow(), bar.Get()));
  EXPECT_EQ(nullptr, FollowableWindow(hidden.Get(), bar.Get()));
  EXPECT_EQ(nullptr, FollowableWindow(nullptr, bar.Get()));
  EXPECT_EQ(nullptr, FollowableWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7ff0)), bar.Get()));
}

TEST(NavBarTarget, KeepsItsWindowWhileTheForegroundIsNotOneToFollow) {
  TestWindow bar(L"bar", WS_EX_TOOLWINDOW);
  TestWindow main(L"QM Options", static_cast<DWORD>(WS_EX_CAPTIONOKBTN));
  TestWindow dialog(L"Select Color", 0);

  EXPECT_EQ(dialog.Get(), NextTarget(dialog.Get(), bar.Get(), main.Get()));
  EXPECT_EQ(main.Get(), NextTarget(bar.Get(), bar.Get(), main.Get()));
  EXPECT_EQ(main.Get(), NextTarget(nullptr, bar.Get(), main.Get()));
  HWND gone = main.Get();
  main.Destroy();
  EXPECT_EQ(nullptr, NextTarget(nullptr, bar.Get(), gone));
  ShowWindow(dialog.Get(), SW_HIDE);
  EXPECT_EQ(nullptr, NextTarget(bar.Get(), bar.Get(), dialog.Get()));
}

TEST(NavBarTarget, CaptionIsTheTitleAndTheOkStyle) {
  TestWindow page(L"Calendar", static_cast<DWORD>(WS_EX_CAPTIONOKBTN) | WS_EX_TOOLWINDOW);
  TestWindow box(L"Selection Missing", WS_EX_TOOLWINDOW);

  EXPECT_EQ((NavBarCaption{L"Calendar", true}), DescribeWindow(page.Get()));
  EXPECT_EQ((NavBarCaption{L"Selection Missing", false}), DescribeWindow(box.Get()));
  SetWindowTextW(page.Get(), L"Tasks");
  SetWindowLongPtrW(page.Get(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  EXPECT_EQ((NavBarCaption{L"Tasks", false}), DescribeWindow(page.Get()));
  EXPECT_EQ(NavBarCaption{}, DescribeWindow(nullptr));
}

}  // namespace
