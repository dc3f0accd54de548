// The Tasks page in process: its date samples, the icon choices (written at once), the
// sample line of the icons tab, and the custom date fields that follow their check box.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"
#include "settings/pages/tasks_page.h"
#include "settings/shell/shell_startup.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kLeftIcon1 = 1216;
constexpr int kLeftIcon2 = 1218;
constexpr DWORD kEveryIcon = 383;

class TasksPageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Modules().instance = GetModuleHandleW(nullptr);
    StartShell();
  }
  static void TearDownTestSuite() { StopShell(); }

  void SetUp() override {
    ResetProductRegistry();
    Store().LoadAll(Modules().languageLibrary);
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr, nullptr, nullptr);
    page_ = std::make_unique<TasksPage>();
    window_ = page_->Create(parent_, kTasksPageClass, Modules().instance, Shell().normalFont.Get(),
                            Shell().boldFont.Get());
    ASSERT_NE(nullptr, window_);
  }
  void TearDown() override {
    Close();
    DestroyWindow(parent_);
  }
  // As the shell closes a page: the window goes (writing the rows), then the page.
  void Close() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    page_.reset();
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // A left marker's menu choice: the item at that position, or none (-1).
  void ChooseIcon(int marker, int position) {
    SendMessageW(Control(marker), WM_COMMAND, position < 0 ? 0 : 1144 + position, 0);
  }
  void TapRightIcon(int position) {
    const LPARAM at = MAKELPARAM(position * ScaleX(16) + ScaleX(8), ScaleX(8));
    SendMessageW(Control(1220), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Control(1220), WM_LBUTTONUP, 0, at);
  }
  // The registry now; a value equal to its default is not stored.
  static DWORD Saved(const wchar_t* name, DWORD fallback) {
    return ReadDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Tasks", name).value_or(fallback);
  }
  void SelectTab(int tab) {
    HWND strip = page_->TabStrip();
    NMHDR header{strip, 0, static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    SendMessageW(strip, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    UpdateWindow(window_);
  }
  std::vector<COLORREF> BandPixels(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    std::vector<COLORREF> pixels;
    for (int y = page_->SampleY(); y < page_->SampleY() + ScaleX(42); ++y)
      for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
  }

  HWND parent_ = nullptr;
  HWND window_ = nullptr;
  std::unique_ptr<TasksPage> page_;
};

TEST_F(TasksPageTest, DateSamplesPairStartAndDueDatesInEachChoicesPatterns) {
  const SYSTEMTIME start{2026, 3, 4, 5, 0, 0, 0, 0};
  const SYSTEMTIME due{2026, 3, 4, 12, 0, 0, 0, 0};
  WideString startOnly, dueOnly;
  LoadText(Modules().languageLibrary, 1075, startOnly);
  LoadText(Modules().languageLibrary, 1076, dueOnly);
  EXPECT_STREQ(L"3/5 - 3/12/26", TaskDateSample(0, start, due).c_str());
  EXPECT_EQ(L"3/5/26 " + std::wstring(startOnly.c_str()), TaskDateSample(2, start, due).c_str());
  EXPECT_EQ(L"12/3/26 " + std::wstring(dueOnly.c_str()), TaskDateSample(9, start, due).c_str());
  EXPECT_STREQ(L"5/3 - 12/3", TaskDateSample(7, start, due).c_str());
  EXPECT_STREQ(L"", TaskDateSample(12, start, due).c_str());
  EXPECT_EQ(12, SendMessageW(Control(1201), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(3, SendMessageW(Control(1201), CB_GETCURSEL, 0, 0)) << "the stored choice";
}

TEST_F(TasksPageTest, AnIconAtTheLeftLeavesTheRightUntilNeitherLeftPositionUsesIt) {
  ChooseIcon(kLeftIcon1, 3);  // the note (8): its bit leaves the right icons at once
  EXPECT_EQ(8u, Saved(L"TaskTabLeftAlignIcon1", 0));
  EXPECT_EQ(kEveryIcon - 8, Saved(L"TasksRightIcons", kEveryIcon));
  ChooseIcon(kLeftIcon2, 3);  // both show it: blocked at the right, a tap leaves it off
  TapRightIcon(3);
  EXPECT_EQ(kEveryIcon - 8, Saved(L"TasksRightIcons", kEveryIcon));
  ChooseIcon(kLeftIcon1, -1);  // the second still shows it
  EXPECT_EQ(0u, Saved(L"TaskTabLeftAlignIcon1", 0));
  TapRightIcon(3);
  EXPECT_EQ(kEveryIcon - 8, Saved(L"TasksRightIcons", kEveryIcon));
  ChooseIcon(kLeftIcon2, 1);  // private (2) instead: the note is free again, still off
  EXPECT_EQ(2u, Saved(L"TaskTabLeftAlignIcon2", 0));
  EXPECT_EQ(kEveryIcon - 8 - 2, Saved(L"TasksRightIcons", kEveryIcon));
  TapRightIcon(3);
  EXPECT_EQ(kEveryIcon - 2, Saved(L"TasksRightIcons", kEveryIcon));
  TapRightIcon(0);  // the reminder off at the right, then at the left: nothing to remove
  ChooseIcon(kLeftIcon1, 0);
  EXPECT_EQ(1u, Saved(L"TaskTabLeftAlignIcon1", 0));
  EXPECT_EQ(kEveryIcon - 2 - 1, Saved(L"TasksRightIcons", kEveryIcon));
  Close();
  EXPECT_EQ(kEveryIcon - 3, Store().tasks.TasksRightIcons.value);
}

TEST_F(TasksPageTest, TheSampleLineShowsOnTheIconsTabWithTheIconsJustChosen) {
  const int y = page_->SampleY();
  ASSERT_EQ(ScaleY(8) + ScaleY(42) + ScaleY(8), y);
  SelectTab(2);
  ScopedGetDC dc(window_);
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, ScaleX(3), y)) << "the band's top line";
  const std::vector<COLORREF> before = BandPixels(dc);
  ChooseIcon(kLeftIcon1, 5);  // importance, left of the title
  UpdateWindow(window_);
  EXPECT_TRUE(before != BandPixels(dc));
  SelectTab(0);  // left of every control of tab 0: only the page paints there
  EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, ScaleX(3), y)) << "the whole page is repainted";
}

TEST_F(TasksPageTest, CustomDateFieldsFollowTheirCheckBoxAndAreWrittenEvenWhenDisabled) {
  for (int id = 1222; id <= 1227; ++id) EXPECT_FALSE(Enabled(id)) << id;
  SendMessageW(Control(1221), BM_CLICK, 0, 0);
  for (int id = 1222; id <= 1227; ++id) EXPECT_TRUE(Enabled(id)) << id;
  SetWindowTextW(Control(1223), L"ddd d");
  SetWindowTextW(Control(1225), L"d MMM");
  SendMessageW(Control(1221), BM_CLICK, 0, 0);
  EXPECT_FALSE(Enabled(1223));
  Close();
  EXPECT_EQ(0u, Store().tasks.UseCustomDateTsks.value);
  EXPECT_STREQ(L"ddd d", Store().tasks.CustomDateFrmtStart.value.c_str());
  EXPECT_STREQ(L"d MMM", Store().tasks.CustomDateFrmtEnd.value.c_str());
}

}  // namespace
