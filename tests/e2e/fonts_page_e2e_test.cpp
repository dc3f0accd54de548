// The Fonts page of QMSettings.exe driven from outside: opened from the main list, the
// general tab changed, advanced mode turned on, apply size to all answered, one element's
// font edited in the font dialog; closed with the caption OK and saved with Done.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kFonts[] = L"Software\\Tessaly\\Quillmere\\Fonts";
constexpr DWORD kWait = 20000;
constexpr int kFontsRow = 7;
enum Control : int {
  kSizeBox = 1201,
  kTitleSizeBox = 1203,
  kAdvancedCheck = 1204,
  kFaceBox = 1206,
  kShadowBox = 1208,
  kClearTypeCheck = 1209,
  kEditButton = 1210,
  kList,
};
enum DialogControl : int { kItalicCheck = 475, kApply = 1 };
constexpr UINT kApplySizeToAll = 1598;
constexpr UINT kApplyCaption = 606;
constexpr UINT kTasksInCalendarCaption = 960;

class FontsPageProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
  }
  HWND OpenFonts(RunningProgram& program) { return OpenPageFromList(program, kFontsRow, L"FontSettingsWin", &main_); }

  HWND main_ = nullptr;
};

TEST_F(FontsPageProgram, ChangesAreSavedOnDoneAndAnUnchangedVisitWritesNothing) {
  WriteDword(HKEY_CURRENT_USER, kFonts, L"FontGenerallfHeight", 16);
  WriteDword(HKEY_CURRENT_USER, kFonts, L"FontContactTitleslfHeight", 13);
  std::wstring faceName;
  {
    RunningProgram program;
    HWND page = OpenFonts(program);
    ASSERT_NE(nullptr, page);
    ChooseItem(page, kSizeBox, 8);       // 18
    ChooseItem(page, kTitleSizeBox, 4);  // 14
    ChooseItem(page, kShadowBox, 4);
    HWND faces = GetDlgItem(page, kFaceBox);
    ASSERT_GT(SendMessageW(faces, CB_GETCOUNT, 0, 0), 1);
    const int face = SendMessageW(faces, CB_GETCURSEL, 0, 0) == 1 ? 0 : 1;
    wchar_t name[LF_FACESIZE * 2] = L"";
    ASSERT_LT(SendMessageW(faces, CB_GETLBTEXTLEN, face, 0), LF_FACESIZE * 2);
    SendMessageW(faces, CB_GETLBTEXT, face, reinterpret_cast<LPARAM>(name));
    faceName = name;
    ChooseItem(page, kFaceBox, face);
    SendMessageW(GetDlgItem(page, kClearTypeCheck), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(page, kAdvancedCheck), BM_CLICK, 0, 0);
    ASSERT_TRUE(NextTab(page));

    PostMessageW(page, WM_COMMAND, kApplySizeToAll, 0);
    HWND question = WaitForWindow(program.Id(), L"#32770", EnglishText(kApplyCaption).c_str(), kWait);
    ASSERT_NE(nullptr, question);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }, kWait));

    TapListItem(GetDlgItem(page, kList), 1);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(GetDlgItem(page, kList), LVM_GETSELECTIONMARK, 0, 0) == 1; }, kWait));
    PostMessageW(GetDlgItem(page, kEditButton), BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(program.Id(), L"#32770", EnglishText(kTasksInCalendarCaption).c_str(), kWait);
    ASSERT_NE(nullptr, dialog);
    SendMessageW(GetDlgItem(dialog, kItalicCheck), BM_CLICK, 0, 0);
    PostMessageW(dialog, WM_COMMAND, kApply, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kWait));
    ASSERT_TRUE(ClosePageAndDone(program, main_, page));
  }
  EXPECT_EQ(18u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontGnrlSize"));
  EXPECT_EQ(14u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontGnrlTitlesSize"));
  EXPECT_EQ(4u, ReadDword(HKEY_CURRENT_USER, kFonts, L"UseShadowColor"));
  EXPECT_EQ(faceName, ReadString(HKEY_CURRENT_USER, kFonts, L"FontFaceToUse"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kFonts, L"ForceClearType"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontGnrlUseAdvncd"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontCalTaskslfItalic"));
  EXPECT_EQ(16u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontCalTaskslfHeight"));
  EXPECT_EQ(16u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontSEFilter4lfHeight"));
  EXPECT_EQ(13u, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontContactTitleslfHeight"));
  EXPECT_EQ(std::nullopt, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontContactItemslfHeight"));
  EXPECT_EQ(std::nullopt, ReadDword(HKEY_CURRENT_USER, kFonts, L"FontCalTaskslfColor"));

  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  {
    RunningProgram program;
    HWND page = OpenFonts(program);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(BST_CHECKED, SendMessageW(GetDlgItem(page, kAdvancedCheck), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kSizeBox)));
    ASSERT_TRUE(NextTab(page));
    ASSERT_TRUE(ClosePageAndDone(program, main_, page));
  }
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
}

}  // namespace
