// The Tasks page of QMSettings.exe driven from outside: opened from the main list, every
// setting changed (the icons reach the registry at once, the rest with Done), then opened
// and closed again untouched, which leaves the registry as it was.
#include <windows.h>
#include <commctrl.h>

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

constexpr wchar_t kTasks[] = L"Software\\Tessaly\\Quillmere\\Tasks";
constexpr DWORD kWait = 20000;

class TasksPageProgram : public PageProgramTest {
 protected:
  void SetUp() override { ResetProductRegistry(); }

  // The Tasks page is the third row of the main list.
  HWND OpenTasks(RunningProgram& program) { return OpenPage(program, 2, L"TasksSettingsWin"); }
};

TEST_F(TasksPageProgram, EveryChangeIsSavedAndAnUntouchedPageChangesNothing) {
  RunningProgram program;
  HWND page = OpenTasks(program);
  ASSERT_NE(nullptr, page);
  ChooseItem(page, 1201, 7);
  ChooseItem(page, 1203, 5);
  for (int id = 1204; id <= 1208; ++id) ClickOn(page, id);
  ASSERT_TRUE(NextTab(page));
  ChooseItem(page, 1210, 3);
  ChooseItem(page, 1212, 0);
  ClickOn(page, 1213);
  ClickOn(page, 1214);
  ASSERT_TRUE(NextTab(page));
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(page, 1220)));
  SendTo(page, 1216, WM_COMMAND, 1144 + 5);  // importance at the left
  SendTo(page, 1218, WM_COMMAND, 1144 + 7);  // the link beside it
  SendTo(page, 1220, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4 * 16 + 8, 8));  // category off
  SendTo(page, 1220, WM_LBUTTONUP, 0, MAKELPARAM(4 * 16 + 8, 8));
  EXPECT_EQ(383u - 32 - 256 - 16, ReadDword(HKEY_CURRENT_USER, kTasks, L"TasksRightIcons")) << "written at once";
  ASSERT_TRUE(NextTab(page));
  ClickOn(page, 1221);
  SendTo(page, 1223, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ddd d"));
  SendTo(page, 1225, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"d MMM yy"));
  ChooseItem(page, 1227, 2);
  CloseAndFinish(program, page);

  ExpectKeyHoldsExactly(kTasks, {
      {L"TsksDateFrmt", 7}, {L"TsksLimitFutureDate", 5}, {L"HideCompletedTasks", 1},
      {L"HidePastCompletedTasks", 0}, {L"ConfirmTaskCompleteTsks", 0}, {L"RemoveUndatedLeadingStr", 1},
      {L"RemoveUndatedTsks", 1}, {L"TsksLineBreaker", 3}, {L"TsksFoldingType", 0}, {L"TsksUseSmartFolding", 0},
      {L"IncludeCountersTsks", 0}, {L"TaskTabLeftAlignIcon1", 32}, {L"TaskTabLeftAlignIcon2", 256},
      {L"TasksRightIcons", 79}, {L"UseCustomDateTsks", 1}, {L"TsksCustomDateStruct", 2}},
                        {{L"CustomDateFrmtStart", L"ddd d"}, {L"CustomDateFrmtEnd", L"d MMM yy"}});

  // Opened again it shows what was saved; closed untouched, it changes nothing.
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  RunningProgram again;
  page = OpenTasks(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(7, SendTo(page, 1201, CB_GETCURSEL));
  EXPECT_EQ(3, SendTo(page, 1210, CB_GETCURSEL));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1225)));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
