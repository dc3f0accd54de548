// The Categories page of QMSettings.exe driven from outside over the device's own categories:
// a colour, icons cleared and chosen (written at once), filter members, fields and a rename,
// the additional icons folder (written at once); Done writes the category values and the
// filters file, and the page shows it all again in the next run, which changes nothing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/controls/file_browser_dialog.h"
#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kCategories[] = L"Software\\Tessaly\\Quillmere\\Categories";
constexpr wchar_t kFiltersFile[] = L"C:\\Program Files\\Tessaly\\Quillmere\\QMFilters.txt";
const std::wstring kIcons = L"C:\\Program Files\\Tessaly\\Quillmere\\CategoryIcons\\";
constexpr wchar_t kMoreIcons[] = L"C:\\MoreIcons";
constexpr DWORD kWait = 20000;
enum Control : int { kList = 1200, kIconButton, kColourButton, kFilterBox = 1204, kRename, kVisible, kUncategorized,
                     kSensitivity = 1209, kCheckAll, kMembers = 1212, kFolderEdit = 1214, kFolderBrowse = 1216 };

HWND Control(HWND page, int id) { return GetDlgItem(page, id); }
bool Checked(HWND page, int id) { return SendMessageW(Control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
LRESULT Chosen(HWND page, int id) { return SendMessageW(Control(page, id), CB_GETCURSEL, 0, 0); }

std::wstring Text(HWND window) {
  wchar_t text[300] = L"";
  SendMessageW(window, WM_GETTEXT, 300, reinterpret_cast<LPARAM>(text));
  return text;
}

bool MemberChecked(HWND page, const wchar_t* name) {
  HWND list = Control(page, kMembers);
  const int index = FindListItem(list, name);
  return index >= 0 && (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK) >> 12) == 2;
}

// A dialog the page runs on a tap of its button; null when it did not come.
HWND OpenDialog(RunningProgram& program, HWND page, int button, const wchar_t* title) {
  PostMessageW(Control(page, button), BM_CLICK, 0, 0);
  return WaitForWindow(program.Id(), L"#32770", title, kWait);
}

bool Ends(HWND dialog) { return WaitUntil([dialog] { return !IsWindow(dialog); }, kWait); }

void SelectCategory(HWND page, const wchar_t* name) {
  HWND list = Control(page, kList);
  const int index = FindListItem(list, name);
  ASSERT_GE(index, 0) << name;
  TapListItem(list, index);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == index; }, kWait));
}

class CategoriesPageProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
    DeleteFileW(kFiltersFile);
    business_ = ReadBytes(kIcons + L"Business.bmp");
    ASSERT_FALSE(business_.empty()) << "the device's Business icon";
    RemoveTree(std::wstring(kMoreIcons) + L"\\");
    CreateDirectoryW(kMoreIcons, nullptr);
  }
  void TearDown() override {
    WriteBytes(kIcons + L"Business.bmp", business_);
    DeleteFileW((kIcons + L"Gifts.bmp").c_str());
    DeleteFileW(kFiltersFile);
    RemoveTree(std::wstring(kMoreIcons) + L"\\");
  }

  HWND Open(RunningProgram& program) { return OpenPageFromList(program, 11, L"CategorySettingsWin", &main_); }
  void CloseAndDone(RunningProgram& program, HWND page) { ASSERT_TRUE(ClosePageAndDone(program, main_, page)); }

  // The icon picker over the category: the first icon of its grid, or Clear.
  void PickIcon(RunningProgram& program, HWND page, bool clear) {
    HWND picker = OpenDialog(program, page, kIconButton, L"Select Icon");
    ASSERT_NE(nullptr, picker);
    HWND grid = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (grid = GetDlgItem(picker, 100)) != nullptr; }, kWait));
    WaitIdle(picker);
    if (clear) {
      PostMessageW(picker, WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, 101)));
    } else {
      RECT client{};
      GetClientRect(picker, &client);
      const int room = client.right - 8 - GetSystemMetrics(SM_CXVSCROLL);
      Tap(grid, 4 + room % 30 / 2 + 15, 15);
    }
    WaitIdle(picker);
    PostMessageW(picker, WM_COMMAND, 1, 0);
    ASSERT_TRUE(Ends(picker));
  }

  HWND main_ = nullptr;
  std::string business_;
};

TEST_F(CategoriesPageProgram, EverySettingIsKeptThroughDoneAndShownAgain) {
  COLORREF chosen = 0;
  {
    RunningProgram program;
    HWND page = Open(program);
    ASSERT_NE(nullptr, page);
    SelectCategory(page, L"Gifts");
    HWND picker = OpenDialog(program, page, kColourButton, L"Select Color");
    ASSERT_NE(nullptr, picker);
    HWND cell = GetDlgItem(picker, 7);
    chosen = static_cast<COLORREF>(GetWindowLongPtrW(cell, GWLP_USERDATA));
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(cell));
    PostMessageW(picker, WM_COMMAND, 1, 0);
    ASSERT_TRUE(Ends(picker));
    PickIcon(program, page, false);
    // The page copies and deletes after the picker has gone.
    EXPECT_TRUE(WaitUntil([] { return ReadBytes(kIcons + L"Gifts.bmp").rfind("BM", 0) == 0; }, kWait))
        << "copied at once";
    SelectCategory(page, L"Business");
    PickIcon(program, page, true);
    EXPECT_TRUE(WaitUntil([] { return GetFileAttributesW((kIcons + L"Business.bmp").c_str()) == INVALID_FILE_ATTRIBUTES; },
                          kWait))
        << "deleted at once";

    ASSERT_TRUE(NextTab(page));
    ChooseItem(page, kFilterBox, 1);
    SendMessageW(Control(page, kCheckAll), BM_CLICK, 0, 0);
    ChooseItem(page, kFilterBox, 0);
    HWND members = Control(page, kMembers);
    const RECT family = ListItemRect(members, FindListItem(members, L"Family"));
    Tap(members, family.left + 8, (family.top + family.bottom) / 2);  // its check box
    ASSERT_TRUE(WaitUntil([&] { return MemberChecked(page, L"Family"); }, kWait));
    SendMessageW(Control(page, kVisible), BM_CLICK, 0, 0);
    SendMessageW(Control(page, kUncategorized), BM_CLICK, 0, 0);
    ChooseItem(page, kSensitivity, 1);
    HWND rename = OpenDialog(program, page, kRename, L"Rename");
    ASSERT_NE(nullptr, rename);
    SendMessageW(GetDlgItem(rename, 1590), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Doctors"));
    PostMessageW(rename, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Ends(rename));
    EXPECT_EQ(L"Doctors", Text(Control(page, kFilterBox)));

    ASSERT_TRUE(NextTab(page));
    HWND folders = OpenDialog(program, page, kFolderBrowse, L"Additional Icons Path");
    ASSERT_NE(nullptr, folders);
    HWND list = FindWindowExW(folders, nullptr, WC_LISTVIEWW, nullptr);
    HWND path = GetDlgItem(folders, kPathBoxId);
    const std::wstring before = Text(path);
    TapListItem(list, FindListItem(list, L"MoreIcons"));  // one tap opens a folder
    ASSERT_TRUE(WaitUntil([&] { return Text(path) != before; }, kWait));
    PostMessageW(folders, WM_COMMAND, 1, 0);
    ASSERT_TRUE(Ends(folders));
    EXPECT_EQ(L"\\MoreIcons\\", Text(Control(page, kFolderEdit)));
    EXPECT_EQ(L"\\MoreIcons\\", ReadString(HKEY_CURRENT_USER, kCategories, L"AdditionalIconsFolder"))
        << "written at once";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(kFiltersFile)) << "nothing else before Done";
    CloseAndDone(program, page);
  }

  EXPECT_EQ(chosen, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatColor.Gifts"));
  EXPECT_EQ(3u, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatFilter.Family"));
  EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, kCategories, L"CatFilter.Путешествия"));
  EXPECT_EQ(14u, ValueNames(HKEY_CURRENT_USER, kCategories).size()) << "12 memberships, a colour, the folder";
  const std::string file = ReadBytes(kFiltersFile);
  const std::wstring filters(reinterpret_cast<const wchar_t*>(file.data()), file.size() / 2);
  EXPECT_EQ(0u, filters.find(L"[FILTER0]\r\n\"Title\"=\"Doctors\"\r\n\"Sensitivity\"=dword:1\r\n\"Visible\"=dword:0\r\n"
                             L"\"Uncategorized\"=dword:1\r\n[FILTER1]\r\n\"Title\"=\"Filter 2\"\r\n"));

  // The next run shows it all and, left untouched, writes the same again.
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  {
    RunningProgram program;
    HWND page = Open(program);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((kIcons + L"Business.bmp").c_str()));
    ASSERT_TRUE(NextTab(page));
    EXPECT_EQ(L"Doctors", Text(Control(page, kFilterBox)));
    EXPECT_TRUE(MemberChecked(page, L"Family"));
    EXPECT_FALSE(MemberChecked(page, L"Gifts"));
    EXPECT_FALSE(Checked(page, kVisible));
    EXPECT_TRUE(Checked(page, kUncategorized));
    EXPECT_EQ(1, Chosen(page, kSensitivity));
    ChooseItem(page, kFilterBox, 1);
    EXPECT_TRUE(MemberChecked(page, L"Gifts"));
    ASSERT_TRUE(NextTab(page));
    EXPECT_EQ(L"\\MoreIcons\\", Text(Control(page, kFolderEdit)));
    CloseAndDone(program, page);
  }
  EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
  EXPECT_EQ(file, ReadBytes(kFiltersFile));
}

}  // namespace
