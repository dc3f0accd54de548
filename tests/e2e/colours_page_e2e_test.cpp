// The Colours page of QMSettings.exe driven from outside: opened from the main list, every
// colour chosen with the colour picker, closed with the caption OK, saved with Done, shown
// again by the next run; a scheme applied closes the page and reaches the registry on Done.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "settings/controls/colour_picker.h"
#include "settings/controls/colour_picker_dialog.h"
#include "settings/controls/colour_picker_rules.h"
#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kColors[] = L"Software\\Tessaly\\Quillmere\\Colors";
constexpr wchar_t kCategories[] = L"Software\\Tessaly\\Quillmere\\Categories";
constexpr wchar_t kSchemesFolder[] = L"C:\\Program Files\\Tessaly\\Quillmere\\Schemes";
constexpr wchar_t kScheme[] = L"C:\\Program Files\\Tessaly\\Quillmere\\Schemes\\E2E Harbour.scm";
constexpr DWORD kWait = 20000;
constexpr int kColoursRow = 8;
constexpr int kChooseButton = 1200;
constexpr int kColourList = 1201;
constexpr int kSchemeList = 1204;
constexpr int kApplyButton = 1205;

constexpr const wchar_t* kColourNames[] = {
    L"SeperatorLineClr", L"ShadowFontColor",  L"GeneralFontColor",   L"HighlightBgClr",
    L"HighlightTextClr", L"TimeLinesBgClr",   L"TimeLinesDfltClr",   L"ClrBreakingLineClr",
    L"ClrPopupClrBg",    L"ClrPopupCurr",     L"ClrPopupHighlight",  L"TskBreakingLineClr",
    L"ClrStatusFree",    L"ClrStatusBusy",    L"ClrStatusTentative", L"ClrStatusOutofoffice",
};
constexpr int kDefaultIndex = 13;  // chosen as Default; the others get a palette cell

int CellFor(int index) { return (index * 7 + 3) % kPaletteCells; }

std::wstring Html(COLORREF colour) {
  wchar_t text[8];
  swprintf(text, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

class ColoursPageProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    CreateDirectoryW(kSchemesFolder, nullptr);
    DeleteFileW(kScheme);
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
  }
  void TearDown() override { DeleteFileW(kScheme); }

  HWND Open(RunningProgram& program) { return OpenPageFromList(program, kColoursRow, L"ColorSettingsWin", &main_); }

  // Selects a colour and opens the picker on it with the page's button.
  static HWND OpenPicker(RunningProgram& program, HWND page, int index) {
    HWND list = GetDlgItem(page, kColourList);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    TapListItem(list, index);
    if (!WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == index; }, kWait)) return nullptr;
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kChooseButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, kChooseButton)));
    return WaitForWindow(program.Id(), L"#32770", nullptr, kWait);
  }

  // Ends the picker with a command (after a cell or Default, when given) and waits for it.
  static bool EndPicker(HWND picker, int command, int before = -1) {
    if (before >= 0 && before < kPaletteCells)
      PostMessageW(picker, WM_COMMAND, MAKEWPARAM(before, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(picker, before)));
    if (before == kColourDefaultCommand) PostMessageW(picker, WM_COMMAND, kColourDefaultCommand, 0);
    PostMessageW(picker, WM_COMMAND, command, 0);
    return WaitUntil([picker] { return !IsWindow(picker); }, kWait);
  }

  HWND main_ = nullptr;
};

// Run 1 chooses every colour (one as Default, which clears a stored colour) and saves with
// Done; run 2 finds each colour handed to the picker as it was saved, cancels, and saves
// nothing new.
TEST_F(ColoursPageProgram, EveryColourRoundTripsThroughCloseAndDone) {
  WriteDword(HKEY_CURRENT_USER, kColors, kColourNames[kDefaultIndex], 0x123456);
  for (int run = 0; run < 2; ++run) {
    RunningProgram program;
    HWND page = Open(program);
    ASSERT_NE(nullptr, page);
    for (int index = 0; index < 16; ++index) {
      HWND picker = OpenPicker(program, page, index);
      ASSERT_NE(nullptr, picker) << index;
      if (run == 0) {
        ASSERT_TRUE(EndPicker(picker, kColourSelectCommand, index == kDefaultIndex ? kColourDefaultCommand : CellFor(index)))
            << index;
        continue;
      }
      wchar_t shown[16] = L"";
      SendMessageW(GetDlgItem(picker, kColourHtmlBoxId), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(shown));
      EXPECT_EQ(index == kDefaultIndex ? L"FFFFFF" : Html(kPaletteColours[CellFor(index)]), shown) << index;
      ASSERT_TRUE(EndPicker(picker, kColourCancelCommand, 40)) << index;
    }
    ASSERT_TRUE(ClosePageAndDone(program, main_, page));
    for (int index = 0; index < 16; ++index) {
      if (index == kDefaultIndex)
        EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kColors, kColourNames[index])) << "run " << run;
      else
        EXPECT_EQ(kPaletteColours[CellFor(index)], ReadDword(HKEY_CURRENT_USER, kColors, kColourNames[index]))
            << kColourNames[index] << " run " << run;
    }
  }
}

// Applying a scheme asks first, rewrites the colour key at once, and returns to the main
// list; Done then saves the scheme's category colours with the rest.
TEST_F(ColoursPageProgram, AnAppliedSchemeClosesThePageAndIsSavedOnDone) {
  WriteDword(HKEY_CURRENT_USER, kColors, L"GeneralFontColor", 0x112233);
  const std::wstring scheme =
      L"\n[Software\\Tessaly\\Quillmere\\Colors]\n\"HighlightBgClr\"=dword:10485760\n"
      L"\n[Software\\Tessaly\\Quillmere\\Fonts]\n"
      L"\n[::Categories::]\n\"Category\"=\"Family\"\n\"FiltersFlag\"=dword:0\n\"Color\"=dword:3381759\n";
  ASSERT_TRUE(WriteBytes(kScheme, std::string_view(reinterpret_cast<const char*>(scheme.data()), scheme.size() * 2)));

  RunningProgram program;
  HWND page = Open(program);
  ASSERT_NE(nullptr, page);
  ASSERT_TRUE(NextTab(page));
  HWND list = GetDlgItem(page, kSchemeList);
  const int index = FindListItem(list, L"E2E Harbour.scm");
  ASSERT_NE(-1, index);
  TapListItem(list, index);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == index; }, kWait));
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(kApplyButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, kApplyButton)));
  HWND question = WaitForWindow(program.Id(), L"#32770", nullptr, kWait);
  ASSERT_NE(nullptr, question);
  EXPECT_EQ(EnglishText(873), MessageBoxText(question));
  PostMessageW(question, WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitUntil([page] { return !IsWindow(page); }, kWait));
  EXPECT_EQ(std::vector<std::wstring>{L"HighlightBgClr"}, ValueNames(HKEY_CURRENT_USER, kColors));

  PostMessageW(main_, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(program.WaitExit(kWait));
  EXPECT_EQ(10485760u, ReadDword(HKEY_CURRENT_USER, kColors, L"HighlightBgClr"));
  EXPECT_EQ(3381759u, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Family"));
}

}  // namespace
