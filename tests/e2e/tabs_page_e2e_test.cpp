// The Tabs page of QMSettings.exe driven from outside: opened from the main list, every
// setting changed, tabs moved and hidden, a Today plug-in added (switched off on the Today
// screen at once) and another added and removed again; Done saves it all, and the page
// opened again shows it and, closed untouched, changes nothing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/files/today_plugins.h"
#include "tests/e2e/main_window_driver.h"
#include "tests/e2e/page_program.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kTabSettings[] = L"Software\\Tessaly\\Quillmere\\TabSettings";
constexpr wchar_t kGlance[] = L"QM E2E Glance";
constexpr wchar_t kOther[] = L"QM E2E Other";
constexpr wchar_t kGlanceItem[] = L"SOFTWARE\\Microsoft\\Today\\Items\\QM E2E Glance";
constexpr wchar_t kOtherItem[] = L"SOFTWARE\\Microsoft\\Today\\Items\\QM E2E Other";
constexpr DWORD kWait = 20000;
constexpr int kTabsRow = 10;
constexpr int kList = 1208;

// Buttons that run a dialog are posted to, so that the test is not held in the dialog's loop.
void PostClick(HWND page, int id) {
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}
int ItemCount(HWND page) { return static_cast<int>(SendTo(page, kList, LVM_GETITEMCOUNT)); }
bool ItemChecked(HWND page, int index) {
  return (SendTo(page, kList, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK) >> 12) == 2;
}

class TabsPageProgram : public PageProgramTest {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    TearDown();
    WriteDword(HKEY_LOCAL_MACHINE, kGlanceItem, L"Type", 4);
    WriteDword(HKEY_LOCAL_MACHINE, kGlanceItem, L"Enabled", 1);
    WriteString(HKEY_LOCAL_MACHINE, kGlanceItem, L"DLL", L"\\Windows\\glance.dll");
    WriteDword(HKEY_LOCAL_MACHINE, kOtherItem, L"Type", 4);
    WriteDword(HKEY_LOCAL_MACHINE, kOtherItem, L"Enabled", 0);
  }
  void TearDown() override {
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kGlanceItem);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kOtherItem);
  }

  HWND Open(RunningProgram& program) { return OpenPage(program, kTabsRow, L"TabsSettingsWin"); }
  void SelectItem(HWND page, int index) {
    TapListItem(GetDlgItem(page, kList), index);
    ASSERT_TRUE(WaitUntil([&] { return SendTo(page, kList, LVM_GETSELECTIONMARK) == index; }, kWait));
  }
  // The selected tab's check box, as the space key toggles it.
  void ToggleSelected(HWND page, int index) {
    const bool before = ItemChecked(page, index);
    HWND list = GetDlgItem(page, kList);
    PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(list, WM_KEYUP, VK_SPACE, 0xC0000001);
    ASSERT_TRUE(WaitUntil([&] { return ItemChecked(page, index) != before; }, kWait));
  }
  // Runs the add button's dialog and chooses the plug-in; answers Yes when it asks.
  void AddPlugin(RunningProgram& program, HWND page, const wchar_t* name, bool asked) {
    const int count = ItemCount(page);
    PostClick(page, 1211);
    HWND dialog = WaitForWindow(program.Id(), L"#32770", kPluginDialogTitle, kWait);
    ASSERT_NE(nullptr, dialog);
    HWND box = GetDlgItem(dialog, kPluginBoxId);
    const LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    ASSERT_NE(CB_ERR, index);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    if (asked) {
      HWND question = WaitForWindow(program.Id(), L"#32770", EnglishText(1051).c_str(), kWait);
      ASSERT_NE(nullptr, question);
      EXPECT_EQ(EnglishText(1050), MessageBoxText(question));
      PressButton(question, IDYES);
    }
    ASSERT_TRUE(WaitUntil([&] { return ItemCount(page) == count + 1; }, kWait));
  }
};

TEST_F(TabsPageProgram, EverySettingAndPluginTabIsSavedAndAnUntouchedPageChangesNothing) {
  RunningProgram program;
  HWND page = Open(program);
  ASSERT_NE(nullptr, page);
  ChooseItem(page, 1201, 1);
  ChooseItem(page, 1203, 0);
  ChooseItem(page, 1207, 0);
  ChooseItem(page, 1205, 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 1207)));

  ASSERT_TRUE(NextTab(page));
  ASSERT_EQ(5, ItemCount(page));
  SelectItem(page, 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 1212)));
  PostClick(page, 1210);  // Tasks below Notes
  ASSERT_TRUE(WaitUntil([&] { return SendTo(page, kList, LVM_GETSELECTIONMARK) == 1; }, kWait));
  SelectItem(page, 2);
  ToggleSelected(page, 2);  // Contacts hidden

  AddPlugin(program, page, kGlance, true);
  EXPECT_EQ(0u, ReadDword(HKEY_LOCAL_MACHINE, kGlanceItem, L"Enabled").value_or(99)) << "switched off at once";
  EXPECT_TRUE(ItemChecked(page, 5));
  AddPlugin(program, page, kOther, false);
  SelectItem(page, 6);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(page, 1212)) != FALSE; }, kWait));
  PostClick(page, 1212);
  ASSERT_TRUE(WaitUntil([&] { return ItemCount(page) == 6; }, kWait));

  ASSERT_TRUE(NextTab(page));
  ChooseItem(page, 1214, 2);
  ChooseItem(page, 1216, 3);
  SendTo(page, 1217, BM_CLICK);
  CloseAndFinish(program, page);

  const std::vector<std::pair<const wchar_t*, DWORD>> numbers = {
      {L"TabsPosition", 1},   {L"TabsStyle", 0},          {L"TabGestures", 0},    {L"TabGesturEffect", 0},
      {L"TasksTabOrder", 3},  {L"NotesTabOrder", 2},      {L"ContactsTabEnabled", 0},
      {L"DfltTabTimeOut", 2}, {L"DfltTab", 3},            {L"DfltTabOnStartup", 1}};
  for (const auto& [name, value] : numbers) EXPECT_EQ(value, ReadDword(HKEY_CURRENT_USER, kTabSettings, name)) << name;
  const std::wstring glanceTab = std::wstring(kTabSettings) + L"\\" + kGlance;
  EXPECT_EQ(7u, ReadDword(HKEY_CURRENT_USER, glanceTab.c_str(), L"Order"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, glanceTab.c_str(), L"Enabled"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, glanceTab.c_str(), L"Type"));
  EXPECT_EQ(L"\\Windows\\glance.dll", ReadString(HKEY_CURRENT_USER, glanceTab.c_str(), L"DLL"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, (std::wstring(kTabSettings) + L"\\" + kOther).c_str()));
  EXPECT_EQ(0u, ReadDword(HKEY_LOCAL_MACHINE, kOtherItem, L"Enabled")) << "left as it was";

  // Opened again it shows what was saved; closed untouched, it changes nothing.
  // (The default tab shown at start-up reaches the General key as the active tab; the tab
  // settings themselves stay as they are.)
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, kTabSettings);
  RunningProgram again;
  page = Open(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(1, SendTo(page, 1201, CB_GETCURSEL));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 1207)));
  ASSERT_EQ(6, ItemCount(page));
  EXPECT_FALSE(ItemChecked(page, 2));
  EXPECT_TRUE(ItemChecked(page, 5));
  EXPECT_EQ(1, FindListItem(GetDlgItem(page, kList), EnglishText(1416).c_str())) << "Tasks second";
  EXPECT_EQ(5, FindListItem(GetDlgItem(page, kList), kGlance));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, kTabSettings));
}

}  // namespace
