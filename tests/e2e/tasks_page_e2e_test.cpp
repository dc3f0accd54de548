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
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kTasks[] = L"Software\\Tessaly\\Quillmere\\Tasks";
constexpr DWORD kWait = 20000;

LRESULT Send(HWND page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(GetDlgItem(page, id), message, wParam, lParam);
}
void Click(HWND page, int id) { Send(page, id, BM_CLICK); }
class TasksPageProgram : public ::testing::Test {
 protected:
  void SetUp() override { ResetProductRegistry(); }

  // The Tasks page is the third row of the main list.
  HWND OpenTasks(RunningProgram& program) { return OpenPageFromList(program, 2, L"TasksSettingsWin", &main_); }
  void CloseAndFinish(RunningProgram& program, HWND page) { ASSERT_TRUE(ClosePageAndDone(program, main_, page)); }

  HWND main_ = nullptr;
};

TEST_F(TasksPageProgram, EveryChangeIsSavedAndAnUntouchedPageChangesNothing) {
  RunningProgram program;
  HWND page = OpenTasks(program);
  ASSERT_NE(nullptr, page);
  ChooseItem(page, 1201, 7);
  ChooseItem(page, 1203, 5);
  for (int id = 1204; id <= 1208; ++id) Click(page, id);
  ASSERT_TRUE(NextTab(page));
  ChooseItem(page, 1210, 3);
  ChooseItem(page, 1212, 0);
  Click(page, 1213);
  Click(page, 1214);
  ASSERT_TRUE(NextTab(page));
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(page, 1220)));
  Send(page, 1216, WM_COMMAND, 1144 + 5);  // importance at the left
  Send(page, 1218, WM_COMMAND, 1144 + 7);  // the link beside it
  Send(page, 1220, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4 * 16 + 8, 8));  // category off
  Send(page, 1220, WM_LBUTTONUP, 0, MAKELPARAM(4 * 16 + 8, 8));
  EXPECT_EQ(383u - 32 - 256 - 16, ReadDword(HKEY_CURRENT_USER, kTasks, L"TasksRightIcons")) << "written at once";
  ASSERT_TRUE(NextTab(page));
  Click(page, 1221);
  Send(page, 1223, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ddd d"));
  Send(page, 1225, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"d MMM yy"));
  ChooseItem(page, 1227, 2);
  CloseAndFinish(program, page);

  const std::vector<std::pair<const wchar_t*, DWORD>> numbers = {
      {L"TsksDateFrmt", 7}, {L"TsksLimitFutureDate", 5}, {L"HideCompletedTasks", 1},
      {L"HidePastCompletedTasks", 0}, {L"ConfirmTaskCompleteTsks", 0}, {L"RemoveUndatedLeadingStr", 1},
      {L"RemoveUndatedTsks", 1}, {L"TsksLineBreaker", 3}, {L"TsksFoldingType", 0}, {L"TsksUseSmartFolding", 0},
      {L"IncludeCountersTsks", 0}, {L"TaskTabLeftAlignIcon1", 32}, {L"TaskTabLeftAlignIcon2", 256},
      {L"TasksRightIcons", 79}, {L"UseCustomDateTsks", 1}, {L"TsksCustomDateStruct", 2}};
  std::vector<std::wstring> expected = {L"CustomDateFrmtStart", L"CustomDateFrmtEnd"};
  for (const auto& [name, value] : numbers) {
    EXPECT_EQ(value, ReadDword(HKEY_CURRENT_USER, kTasks, name)) << name;
    expected.emplace_back(name);
  }
  EXPECT_EQ(L"ddd d", ReadString(HKEY_CURRENT_USER, kTasks, L"CustomDateFrmtStart"));
  EXPECT_EQ(L"d MMM yy", ReadString(HKEY_CURRENT_USER, kTasks, L"CustomDateFrmtEnd"));
  std::vector<std::wstring> written = ValueNames(HKEY_CURRENT_USER, kTasks);
  std::sort(written.begin(), written.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, written) << "nothing else is written";

  // Opened again it shows what was saved; closed untouched, it changes nothing.
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  RunningProgram again;
  page = OpenTasks(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(7, Send(page, 1201, CB_GETCURSEL));
  EXPECT_EQ(3, Send(page, 1210, CB_GETCURSEL));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1225)));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
