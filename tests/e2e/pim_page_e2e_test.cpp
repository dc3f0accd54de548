// The PIM page of QMSettings.exe driven from outside on a device with every PIM program but
// the maker's calendar: the calendar refused with a message, every setting changed and saved
// with Done, then the page opened and closed untouched, which leaves the registry as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/main_window_driver.h"
#include "tests/e2e/page_program.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kCustomPim[] = L"Software\\Tessaly\\Quillmere\\CustomPIM";
constexpr DWORD kWait = 20000;
constexpr int kProgramBox = 1201;

DWORD SelectedData(HWND page, int id) {
  return static_cast<DWORD>(SendTo(page, id, CB_GETITEMDATA, static_cast<WPARAM>(SendTo(page, id, CB_GETCURSEL))));
}
// A pick from the program list; posted, since a refusal runs a message box.
void PickProgram(HWND page, int index) {
  SendTo(page, kProgramBox, CB_SETCURSEL, static_cast<WPARAM>(index));
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(kProgramBox, CBN_SELENDOK),
               reinterpret_cast<LPARAM>(GetDlgItem(page, kProgramBox)));
}

class PimPageProgram : public PageProgramTest {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    WriteString(HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant", L"version", L"850");
    WriteDword(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion", L"VerMajor", 9);
    WriteString(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"InstallPath", L"\\Program Files\\A1");
  }
  void TearDown() override { ResetProductRegistry(); }

  // The PIM page is the tenth row of the main list.
  HWND OpenPim(RunningProgram& program) { return OpenPage(program, 9, L"PIMSettingsWin"); }
};

TEST_F(PimPageProgram, EveryChangeIsSavedAndAnUntouchedPageChangesNothing) {
  RunningProgram program;
  HWND page = OpenPim(program);
  ASSERT_NE(nullptr, page);
  ASSERT_EQ(5, SendTo(page, kProgramBox, CB_GETCOUNT));
  EXPECT_EQ(4u, static_cast<DWORD>(SendTo(page, kProgramBox, CB_GETITEMDATA, 1)));

  PickProgram(page, 1);  // the maker's calendar, not installed here
  HWND box = WaitForWindow(program.Id(), L"#32770", EnglishText(1648).c_str(), kWait);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(EnglishText(1647), MessageBoxText(box));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([box] { return !IsWindow(box); }, kWait));
  ASSERT_TRUE(WaitIdle(page));
  EXPECT_EQ(0u, SelectedData(page, kProgramBox));

  ChooseItem(page, 1203, 5);   // 30 minutes
  ChooseItem(page, 1205, 20);  // 9:30
  PickProgram(page, 3);        // Agenda Fusion
  // The reminder rows are the last the rule reaches: no default reminders for another program.
  ASSERT_TRUE(WaitUntil([page] { return !IsWindowEnabled(GetDlgItem(page, 1205)); }, kWait));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1208)));
  ASSERT_TRUE(NextTab(page));
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(page, 1206)));
  for (int id = 1206; id <= 1209; ++id) SendTo(page, id, BM_CLICK);
  CloseAndFinish(program, page);

  ExpectKeyHoldsExactly(kCustomPim, {
      {L"PimSw", 2},          {L"DefaultReminderAppts", 30}, {L"DefaultReminderTasks", 570},
      {L"OverridePimCatIcons", 1}, {L"OverridePimCatColros", 1}, {L"LeaveAFRunning", 1}, {L"HideABCVals", 0}});

  // Opened again it shows what was saved; closed untouched, it changes nothing.
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  RunningProgram again;
  page = OpenPim(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(2u, SelectedData(page, kProgramBox));
  EXPECT_EQ(30u, SelectedData(page, 1203));
  EXPECT_EQ(570u, SelectedData(page, 1205));
  EXPECT_EQ(BST_CHECKED, SendTo(page, 1208, BM_GETCHECK));
  EXPECT_EQ(BST_UNCHECKED, SendTo(page, 1209, BM_GETCHECK));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
