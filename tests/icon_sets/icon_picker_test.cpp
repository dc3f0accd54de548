// The icon picker run for real over 17 icons of the test's own, answered from inside its
// modal loop with taps on the grid, the clear button and the soft keys.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/icon_library.h"
#include "settings/files/icon_picker.h"
#include "tests/icon_sets/icon_test_files.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_pixels.h"

namespace {

constexpr COLORREF kBlue = 0xFF0000, kRed = 0x0000FF, kYellow = 0x00FFFF;
constexpr int kIcons = 17;

class IconPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(kTestRoot);
    ScaleSetForTest(false, 96, 96);
    for (int index = 0; index < kIcons; ++index) {
      const COLORREF colour = index == 0 ? kBlue : index == 1 ? kRed : index == 16 ? kYellow : 0x404040;
      WriteTestFile(L"lib\\icon" + std::to_wstring(100 + index) + L".bmp", SolidBmp(16, 16, colour, colour));
    }
    ScanIconFolder(ProgramIcons(), (kTestRoot + L"lib\\").c_str());
    Modules().languageLibrary = GetModuleHandleW(nullptr);
  }
  void TearDown() override {
    ProgramIcons().Clear();
    Modules().languageLibrary = nullptr;
    FreeGlyphs(Drawing());
    RemoveTree(kTestRoot);
  }

  // Runs the picker over `path`, answered once its grid is there.
  int Run(WideString& path, const std::function<void(HWND grid)>& answer) {
    ModalAnswerer answerer;
    answerer.Then([&](HWND dialog) {
      for (int tries = 0; tries < 100 && !GetDlgItem(dialog, kIconGridId); ++tries) PumpFor(10);
      dialog_ = dialog;
      MoveWindow(dialog, 0, 0, 240, 300, TRUE);  // a small screen's width: several rows
      PumpFor(20);
      RECT client;
      GetClientRect(dialog, &client);
      band_ = RECT{0, client.bottom - 28, client.right, client.bottom};
      const int room = client.right - 8 - GetSystemMetrics(SM_CXVSCROLL);
      perRow_ = room / 30;
      margin_ = 4 + room % 30 / 2;
      answer(GetDlgItem(dialog, kIconGridId));
    });
    return ChooseIcon(nullptr, GetModuleHandleW(nullptr), path);
  }
  void TapAt(HWND grid, int x, int y) {
    Tap(grid, x, y);
    PumpFor(100);
  }
  void TapIcon(HWND grid, int index) { TapAt(grid, margin_ + index % perRow_ * 30 + 15, index / perRow_ * 30 + 15); }
  void Press(int command) { PostMessageW(dialog_, WM_COMMAND, command, 0); }

  HWND dialog_ = nullptr;
  RECT band_{};
  int perRow_ = 1, margin_ = 0;
};

TEST_F(IconPickerTest, GridTapsChooseIconsAndSelectConfirms) {
  WideString path(L"\\nothing.bmp");
  EXPECT_EQ(1, Run(path, [&](HWND grid) {
              ASSERT_NE(nullptr, grid);
              EXPECT_TRUE(static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)) & WS_EX_CAPTIONOKBTN);
              EXPECT_NE(nullptr, SHFindMenuBar(dialog_)) << "soft keys";
              EXPECT_EQ((kIcons + perRow_ - 1) / perRow_, ListView_GetItemCount(grid));
              const RECT firstCell{margin_, 0, margin_ + 30, 30};
              EXPECT_TRUE(PrintedAreaHolds(grid, firstCell, 0x787878)) << "the cell's frame";
              EXPECT_TRUE(PrintedAreaHolds(grid, firstCell, kBlue)) << "the icon inside";
              EXPECT_FALSE(PrintedAreaHolds(dialog_, band_, kBlue)) << "a path without bitmap shows none";
              TapIcon(grid, 1);
              EXPECT_TRUE(PrintedAreaHolds(dialog_, band_, kRed));
              // Past the last icon of the last row, and beside the last column: nothing.
              TapAt(grid, margin_ + (kIcons % perRow_ + 1) * 30 + 15, kIcons / perRow_ * 30 + 15);
              TapAt(grid, margin_ + perRow_ * 30 + 2, 15);
              EXPECT_TRUE(PrintedAreaHolds(dialog_, band_, kRed));
              TapIcon(grid, perRow_ - 1);
              EXPECT_FALSE(PrintedAreaHolds(dialog_, band_, kRed)) << "the last column's icon";
              TapIcon(grid, 16);
              EXPECT_TRUE(PrintedAreaHolds(dialog_, band_, kYellow));
              Press(kIconSelectCommand);
            }));
  EXPECT_EQ(std::wstring(ProgramIcons().Path(16)), path.c_str());
}

TEST_F(IconPickerTest, ClearEmptiesTheChoiceAndCancelKeepsThePath) {
  WideString path(ProgramIcons().Path(0));
  EXPECT_EQ(1, Run(path, [&](HWND) {
              EXPECT_TRUE(PrintedAreaHolds(dialog_, band_, kBlue)) << "the caller's choice";
              PressButton(dialog_, kIconClearButtonId);
              PumpFor(50);
              EXPECT_FALSE(PrintedAreaHolds(dialog_, band_, kBlue));
              Press(kIconSelectCommand);
            }));
  EXPECT_TRUE(path.Empty());
  path.Assign(ProgramIcons().Path(0));
  EXPECT_EQ(0, Run(path, [&](HWND grid) {
              TapIcon(grid, 1);
              Press(kIconCancelCommand);
            }));
  EXPECT_EQ(std::wstring(ProgramIcons().Path(0)), path.c_str());
}

}  // namespace
