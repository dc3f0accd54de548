// The Contacts page of QMSettings.exe driven from outside: opened from the main list, an
// alphabet chosen in the languages dialog and offered in the search bar, every row changed,
// saved with Done, then opened and closed again untouched, which leaves the registry as it was.
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

constexpr wchar_t kContacts[] = L"Software\\Tessaly\\Quillmere\\Contacts";
constexpr wchar_t kAlphabets[] = L"Software\\Tessaly\\Quillmere\\Contacts\\Alphabets";
constexpr wchar_t kRunic[] = L"C:\\Program Files\\Tessaly\\Quillmere\\CustomAlphabets\\Runic.txt";
constexpr DWORD kWait = 20000;


std::vector<std::wstring> BoxTexts(HWND page, int id) {
  std::vector<std::wstring> texts;
  const int count = static_cast<int>(SendTo(page, id, CB_GETCOUNT));
  for (int index = 0; index < count; ++index) {
    wchar_t text[256] = L"";
    if (SendTo(page, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index)) < 256)
      SendTo(page, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    texts.emplace_back(text);
  }
  return texts;
}

bool Ticked(HWND list, int index) {
  return (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK) >> 12) == 2;
}

// A tap on an entry's check box, at the left end of its row.
bool TapCheckBox(HWND list, int index) {
  const RECT row = ListItemRect(list, index);
  Tap(list, row.left + 8, (row.top + row.bottom) / 2);
  return WaitUntil([&] { return Ticked(list, index); }, kWait);
}

class ContactsPageProgram : public PageProgramTest {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    madeRunic_ = GetFileAttributesW(kRunic) == INVALID_FILE_ATTRIBUTES;
    if (madeRunic_) {
      ASSERT_TRUE(WriteBytes(kRunic, "F U Th A R K"));
    }
  }
  void TearDown() override {
    if (madeRunic_) DeleteFileW(kRunic);
  }

  // The Contacts page is the fifth row of the main list.
  HWND OpenContacts(RunningProgram& program) { return OpenPage(program, 4, L"ContactSettingsWin"); }

  // The search bar's last entry opens the languages dialog; Cyrillic and Runic are ticked.
  void ChooseAlphabets(RunningProgram& program, HWND page) {
    const int last = static_cast<int>(SendTo(page, 1201, CB_GETCOUNT)) - 1;
    SendTo(page, 1201, CB_SETCURSEL, static_cast<WPARAM>(last));
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(1201, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, 1201)));
    HWND dialog = WaitForWindow(program.Id(), L"#32770", L"Alphabets", kWait);
    ASSERT_NE(nullptr, dialog);
    HWND list = GetDlgItem(dialog, 101);
    const int runic = FindListItem(list, L"Runic");
    ASSERT_GE(runic, 4);
    ASSERT_TRUE(TapCheckBox(list, 1));
    ASSERT_TRUE(TapCheckBox(list, runic));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([dialog] { return !IsWindow(dialog); }, kWait));
  }

  bool madeRunic_ = false;
};

TEST_F(ContactsPageProgram, AlphabetsAndEveryRowAreSavedAndAnUntouchedPageChangesNothing) {
  RunningProgram program;
  HWND page = OpenContacts(program);
  ASSERT_NE(nullptr, page);
  ChooseAlphabets(program, page);
  EXPECT_EQ(std::vector<std::wstring>{L"Runic"}, ValueNames(HKEY_CURRENT_USER, kAlphabets)) << "written at once";
  std::vector<std::wstring> texts = BoxTexts(page, 1201);
  ASSERT_EQ(6u, texts.size());
  EXPECT_EQ(0, SendTo(page, 1201, CB_GETCURSEL));
  EXPECT_EQ(L"Runic", texts[3]);
  ChooseItem(page, 1201, 3);
  ChooseItem(page, 1203, 2);
  ChooseItem(page, 1205, 0);
  for (int id = 1206; id <= 1208; ++id) ClickOn(page, id);
  ASSERT_TRUE(NextTab(page));
  ChooseItem(page, 1210, 3);
  ClickOn(page, 1211);
  ClickOn(page, 1212);
  ASSERT_TRUE(NextTab(page));
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, 1216)));
  ASSERT_FALSE(IsWindowEnabled(GetDlgItem(page, 1217)));
  ChooseItem(page, 1216, 12);
  ChooseItem(page, 1214, 2);
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, 1217)));
  ASSERT_FALSE(IsWindowEnabled(GetDlgItem(page, 1216)));
  ClickOn(page, 1217);
  CloseAndFinish(program, page);

  ExpectKeyHoldsExactly(kContacts, {
      {L"CntctsActiveLanguages", 1 | 2 | 16}, {L"CntctsActiveSearchBar", 5}, {L"CntctsTitleStruct", 2},
      {L"CntctsDPadActionOverride", 0}, {L"CntctsOnClickActionOpenItem", 1}, {L"CntctsPrvwDlgUponOpenItem", 1},
      {L"ContactsTxtByCategoryClr", 1}, {L"CntctsBreakLineStyle", 3}, {L"CntctsIncldFoldBttns", 0},
      {L"CntctsIncldCounters", 0}, {L"ContactsLayout", 2}, {L"CntctsPhoneColumnWidth", 120},
      {L"CntctsHideNoPicture", 1}},
                        {{L"ContactsCustomSearchBarSelected", L"Runic"}});
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kAlphabets, L"Runic"));

  // Opened again it shows what was saved; closed untouched, it changes nothing.
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  RunningProgram again;
  page = OpenContacts(again);
  ASSERT_NE(nullptr, page);
  texts = BoxTexts(page, 1201);
  const LRESULT chosen = SendTo(page, 1201, CB_GETCURSEL);
  ASSERT_GE(chosen, 0);
  EXPECT_EQ(L"Runic", texts[static_cast<std::size_t>(chosen)]);
  EXPECT_EQ(2, SendTo(page, 1203, CB_GETCURSEL));
  EXPECT_EQ(12, SendTo(page, 1216, CB_GETCURSEL));
  EXPECT_EQ(BST_CHECKED, SendTo(page, 1217, BM_GETCHECK));
  CloseAndFinish(again, page);
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
