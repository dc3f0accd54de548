// The page base: its window over the main window, the tab strip, the life cycle, and the
// messages it turns into calls of the page.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/aygshell.h"
#include "settings/base/scale.h"
#include "settings/toolkit/row_builders.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

using Events = std::vector<std::string>;

class PageTest : public ToolkitTest {
 protected:
  void SetUp() override { Prepare(96); }
};

class TabStripTest : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_F(PageTest, WithoutTabsThePageIsShownOnceAndCoversTheMainWindowAboveItsBar) {
  ASSERT_NE(Open(0), nullptr);
  EXPECT_EQ(page_->Window(), window_);
  EXPECT_EQ(page_->TabStrip(), nullptr);
  EXPECT_EQ(page_->events, (Events{"create", "show 5 on tab 0"}));
  ASSERT_NE(page_->MenuBar(), nullptr);
  EXPECT_EQ(SHFindMenuBar(window_), page_->MenuBar());
  RECT bar{};
  GetClientRect(page_->MenuBar(), &bar);
  EXPECT_EQ(Place(window_), (std::vector<int>{0, 0, kMainWidth, kMainHeight - bar.bottom}));
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(GetWindow(window_, GW_OWNER), main_);
  EXPECT_EQ(Text(window_), kTestPageClass);
}

TEST_P(TabStripTest, StripAlongTheBottomCarriesOneCaptionPerTab) {
  const int tabs = GetParam();
  ASSERT_NE(Open(tabs), nullptr);
  HWND strip = page_->TabStrip();
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(page_->events, (Events{"create", "show 5 on tab 0"}));
  EXPECT_TRUE(HasStyle(strip, WS_CHILD | WS_VISIBLE | TCS_BOTTOM));
  const UINT ids[] = {635, 1491, 1348, 642};
  ASSERT_EQ(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0), tabs);
  for (int index = 0; index < tabs; ++index) {
    wchar_t caption[64] = L"";
    TCITEMW item{TCIF_TEXT, 0, 0, caption, 64, 0, 0};
    SendMessageW(strip, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(caption, English(ids[index]));
  }
}

INSTANTIATE_TEST_SUITE_P(TwoToFour, TabStripTest, ::testing::Values(2, 3, 4));

TEST_F(PageTest, ChoosingATabHidesTheOldOneFirstAndShowsTheNewOneAfter) {
  ASSERT_NE(Open(3), nullptr);
  RECT tab{};
  SendMessageW(page_->TabStrip(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
  const LPARAM point = MAKELPARAM(tab.left + 3, tab.top + 3);
  SendMessageW(page_->TabStrip(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(page_->TabStrip(), WM_LBUTTONUP, 0, point);
  EXPECT_EQ(page_->events, (Events{"create", "show 5 on tab 0", "show 0 on tab 0", "show 5 on tab 2"}));
}

TEST_F(PageTest, CaptionOkOnlyAsksTheMainWindowToCloseThePage) {
  Open(2);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(CloseRequests(), 1);
  EXPECT_TRUE(IsWindow(window_));
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(1200, BN_CLICKED), 0);
  EXPECT_EQ(page_->commands, (std::vector<int>{1200}));
  EXPECT_EQ(CloseRequests(), 1);
}

// The soft-key bar is an owned popup: the window manager takes it down before the page
// hears of its own end, so from OnDestroy only the strip can be seen.
TEST_F(PageTest, PageReadsItsControlsWhileTheStripIsThereAndEverythingGoesAfter) {
  Open(2);
  HWND strip = page_->TabStrip();
  HWND bar = page_->MenuBar();
  HBITMAP band = DrawHeaderBand(*page_, ScopedGetDC(window_), 100);
  DestroyWindow(window_);
  EXPECT_EQ(page_->events.back(), "destroy, strip 1");
  EXPECT_FALSE(IsWindow(strip));
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_EQ(GetObjectType(band), 0u);
  EXPECT_EQ(page_->Window(), nullptr);
}

TEST_F(PageTest, DeletingThePageUnregistersItsClassAndClosesAWindowLeftOpen) {
  Open(2);
  WNDCLASSW info{};
  EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), kTestPageClass, &info));
  delete page_;
  page_ = nullptr;
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), kTestPageClass, &info));
}

TEST_F(PageTest, ResizingMovesTheStripAndThenTellsThePage) {
  ScaleSetForTest(false, 192, 192);
  Open(2);
  const int sizes = page_->sizes;
  MoveWindow(window_, 0, 0, 400, 500, FALSE);
  EXPECT_EQ(Place(page_->TabStrip()), (std::vector<int>{-4, 500 - 44 + 1, 404, 43}));
  EXPECT_EQ(page_->sizes, sizes + 1);
}

TEST_F(PageTest, ReactivationGivesTheFocusBackToTheControlThatHadIt) {
  Open(0);
  HWND edit = AddEdit(*page_, window_, 1200, L"x", 0, 0, 50, 20);
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  SendMessageW(window_, WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(window_);
  SendMessageW(window_, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), edit);
}

}  // namespace
