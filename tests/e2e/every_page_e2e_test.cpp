// Every page of QMSettings.exe opened from the main list and closed untouched in one run,
// then Done: the registry is left exactly as a run that opened no page leaves it (loading
// creates the product's keys), on a device with nothing stored and on one where every page
// has values of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr DWORD kWait = 20000;
constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr const wchar_t* kPageClasses[] = {
    L"GeneralSettingsWin", L"CalendarSettingsWin", L"TasksSettingsWin",  L"NotesSettingsWin",
    L"ContactSettingsWin", L"MessagesSettingsWin", L"SEventsSettingsWin", L"FontSettingsWin",
    L"ColorSettingsWin",   L"PIMSettingsWin",      L"TabsSettingsWin",    L"CategorySettingsWin",
};

std::wstring Sub(const wchar_t* group) { return std::wstring(kProduct) + L"\\" + group; }

// What the pages could write: the product's keys and the Today items they read.
std::wstring Registry() {
  return DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly") +
         DumpRegistryTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today");
}

// Starts the program, opens and closes every page when asked to, and leaves with Done.
void RunAndDone(bool openEveryPage) {
  RunningProgram program;
  ASSERT_TRUE(program.Start(kSettingsExe, L""));
  HWND main = WaitForWindow(program.Id(), L"QM_OPTIONS", nullptr, kWait);
  ASSERT_NE(nullptr, main);
  for (int row = 0; openEveryPage && row < 12; ++row) {
    TapRow(main, row);
    HWND page = WaitForWindow(program.Id(), kPageClasses[row], nullptr, kWait);
    ASSERT_NE(nullptr, page) << kPageClasses[row];
    PostMessageW(page, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([page] { return !IsWindow(page); }, kWait)) << kPageClasses[row];
  }
  PostMessageW(main, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(program.WaitExit(kWait));
}

class EveryPageProgram : public ::testing::Test {
 protected:
  void SetUp() override { ResetProductRegistry(); }
  void TearDown() override { ResetProductRegistry(); }
};

TEST_F(EveryPageProgram, OpenedAndClosedUntouchedTheyWriteNothing) {
  RunAndDone(false);
  const std::wstring empty = Registry();
  RunAndDone(true);
  EXPECT_EQ(empty, Registry()) << "a device with nothing stored";

  // Values every page shows and would write back: choices away from the defaults, a custom
  // search bar on both pages that have one, a notes folder, hidden tabs, a chosen font face.
  WriteDword(HKEY_CURRENT_USER, kProduct, L"OnClick", 2);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Calendar").c_str(), L"ApptDisplayFormat", 3);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Tasks").c_str(), L"TsksDateFrmt", 7);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Notes").c_str(), L"NotesActiveSearchBar", 2);
  WriteString(HKEY_CURRENT_USER, Sub(L"Notes\\Folders").c_str(), L"0", L"\\My Documents");
  WriteDword(HKEY_CURRENT_USER, Sub(L"Contacts").c_str(), L"CntctsActiveLanguages", 3);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Contacts").c_str(), L"CntctsActiveSearchBar", 6);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Contacts").c_str(), L"CntctsPhoneColumnWidth", 85);
  WriteDword(HKEY_CURRENT_USER, Sub(L"Messages").c_str(), L"MsgsBreakLineStyle", 3);
  WriteDword(HKEY_CURRENT_USER, Sub(L"SEvents").c_str(), L"SEApptsDaySpan", 60);
  WriteString(HKEY_CURRENT_USER, Sub(L"Fonts").c_str(), L"FontFaceToUse", L"No such face");
  WriteDword(HKEY_CURRENT_USER, Sub(L"CustomPIM").c_str(), L"DefaultReminderAppts", 30);
  WriteDword(HKEY_CURRENT_USER, Sub(L"CustomPIM").c_str(), L"PimSw", 4);
  RunAndDone(false);
  const std::wstring stored = Registry();
  RunAndDone(true);
  EXPECT_EQ(stored, Registry()) << "a device with values of its own";
}

}  // namespace
