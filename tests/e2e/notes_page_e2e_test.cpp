// The Notes page of QMSettings.exe driven from outside: every setting changed, a notes
// folder removed and another added through the folder dialog; Done saves the records and
// closing the page rewrote the folders key. Opened again it shows it all and, closed
// untouched, changes nothing.
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
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kNotes[] = L"Software\\Tessaly\\Quillmere\\Notes";
constexpr wchar_t kFolders[] = L"Software\\Tessaly\\Quillmere\\Notes\\Folders";
// The folder dialog starts at the device's root, where these sort first.
constexpr wchar_t kOld[] = L"C:\\Agenda notes old";
constexpr wchar_t kNew[] = L"C:\\Agenda notes";
constexpr DWORD kWait = 20000;
enum Control : int { kSearchBar = 1201, kPreview = 1203, kLineBreak = 1205, kFoldButtons, kCounters,
                     kFirstType = 1208, kLastType = 1213, kFolderList = 1215, kRemove, kAdd };

bool Checked(HWND page, int id) { return SendMessageW(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
LRESULT Chosen(HWND page, int id) { return SendMessageW(GetDlgItem(page, id), CB_GETCURSEL, 0, 0); }

class NotesPageProgram : public PageProgramTest {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    CreateDirectoryW(kOld, nullptr);
    CreateDirectoryW(kNew, nullptr);
  }
  void TearDown() override {
    RemoveDirectoryW(kOld);
    RemoveDirectoryW(kNew);
  }

  // The Notes page is the fourth row of the main list.
  HWND Open(RunningProgram& program) { return OpenPage(program, 3, L"NotesSettingsWin"); }
};

TEST_F(NotesPageProgram, EverySettingAndTheFolderListComeBackAndAnUntouchedPageChangesNothing) {
  WriteString(HKEY_CURRENT_USER, L"Software\\Tessaly\\Ledgerly", L"ListsPath", L"\\Lists");
  WriteString(HKEY_CURRENT_USER, kFolders, L"0", L"\\Agenda notes old");
  {
    RunningProgram program;
    HWND page = Open(program);
    ASSERT_NE(nullptr, page);
    ChooseItem(page, kSearchBar, 0);
    ChooseItem(page, kPreview, 0);
    ASSERT_TRUE(NextTab(page));
    ChooseItem(page, kLineBreak, 3);
    ClickOn(page, kFoldButtons);
    ClickOn(page, kCounters);
    ASSERT_TRUE(NextTab(page));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, kLastType))) << "the list product is there";
    for (int id : {int{kFirstType}, kFirstType + 2, int{kLastType}}) ClickOn(page, id);
    ASSERT_TRUE(NextTab(page));

    HWND list = GetDlgItem(page, kFolderList);
    ASSERT_TRUE(IsWindowVisible(list));
    ASSERT_EQ(0, FindListItem(list, L"\\Agenda notes old"));
    TapListItem(list, 0);
    ASSERT_TRUE(WaitUntil([list] { return SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == 0; }, kWait));
    ClickOn(page, kRemove);
    EXPECT_EQ(0, SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));

    PostMessageW(GetDlgItem(page, kAdd), BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(program.Id(), L"#32770", L"Add Notes Folder", kWait);
    ASSERT_NE(nullptr, dialog);
    HWND folders = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_TRUE(WaitUntil([folders] { return FindListItem(folders, L"Agenda notes") >= 0; }, kWait));
    TapListItem(folders, FindListItem(folders, L"Agenda notes"));  // one tap opens a folder
    WaitIdle(dialog);
    PostMessageW(dialog, WM_COMMAND, 1, 0);
    ASSERT_TRUE(WaitUntil([dialog] { return !IsWindow(dialog); }, kWait));
    ASSERT_TRUE(WaitUntil([list] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }, kWait));
    EXPECT_EQ(0, FindListItem(list, L"\\Agenda notes")) << "without the chosen path's backslash";
    CloseAndFinish(program, page);
  }

  ExpectKeyHoldsExactly(kNotes, {
      {L"NotesActiveSearchBar", 0}, {L"NotesPreviewNotesState", 0}, {L"NotesBreakLineStyle", 3},
      {L"NotesIncldFoldBttns", 0},  {L"NotesIncldCounters", 0},     {L"NotesScannedFileTypes", 831 - 1 - 4 - 32}});
  EXPECT_EQ(std::vector<std::wstring>{L"0"}, ValueNames(HKEY_CURRENT_USER, kFolders));
  EXPECT_EQ(L"\\Agenda notes", ReadString(HKEY_CURRENT_USER, kFolders, L"0"));

  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  RunningProgram again;
  HWND page = Open(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(0, Chosen(page, kSearchBar));
  EXPECT_EQ(0, Chosen(page, kPreview));
  EXPECT_EQ(3, Chosen(page, kLineBreak));
  EXPECT_FALSE(Checked(page, kFoldButtons));
  EXPECT_FALSE(Checked(page, kFirstType));
  EXPECT_TRUE(Checked(page, kFirstType + 1));
  EXPECT_FALSE(Checked(page, kLastType));
  EXPECT_EQ(0, FindListItem(GetDlgItem(page, kFolderList), L"\\Agenda notes"));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
