// The Tabs page in process: the tab list with its moves and check boxes written back, the
// gesture rule, and Today plug-ins offered, added (switched off on the Today screen when
// they are shown there) and removed.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/files/today_plugins.h"
#include "settings/store/settings_store.h"
#include "settings/store/tab_list.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/window_pixels.h"

namespace {

constexpr int kTabsCommand = 10;
constexpr int kList = 1208;
constexpr int kDown = 1210;
constexpr int kAdd = 1211;
constexpr int kRemove = 1212;

constexpr wchar_t kItems[] = L"SOFTWARE\\Microsoft\\Today\\Items\\";
// Today items of the tests' own, removed again afterwards.
constexpr wchar_t kShown[] = L"QM Test Shown";
constexpr wchar_t kOff[] = L"QM Test Off";
constexpr wchar_t kUnset[] = L"QM Test Unset";
constexpr wchar_t kUntyped[] = L"QM Test Untyped";
constexpr wchar_t kBare[] = L"QM Test Bare";
constexpr const wchar_t* kTestItems[] = {kShown, kOff, kUnset, kUntyped, kBare};

std::wstring ItemKey(const wchar_t* name) { return std::wstring(kItems) + name; }

class TabsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    DeleteTestItems();
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kShown).c_str(), L"Type", 4);
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kShown).c_str(), L"Enabled", 1);
    WriteString(HKEY_LOCAL_MACHINE, ItemKey(kShown).c_str(), L"DLL", L"\\Windows\\shown.dll");
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kOff).c_str(), L"Type", 4);
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kOff).c_str(), L"Enabled", 0);
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kUnset).c_str(), L"Type", 4);
    WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kUntyped).c_str(), L"Enabled", 1);
    RegistryKeyForTest(ItemKey(kBare).c_str());
    host_.Reload();
    ASSERT_NE(nullptr, host_.Open(kTabsCommand));
  }
  void TearDown() override {
    host_.Close();
    DeleteTestItems();
  }
  static void DeleteTestItems() {
    for (const wchar_t* name : kTestItems) DeleteKeyTree(HKEY_LOCAL_MACHINE, ItemKey(name).c_str());
  }
  static void RegistryKeyForTest(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
      RegCloseKey(key);
  }

  HWND List() const { return host_.Control(kList); }
  int Count() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
  std::wstring Text(int index) const {
    wchar_t text[256] = L"";
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> texts;
    for (int index = 0; index < Count(); ++index) texts.push_back(Text(index));
    return texts;
  }
  bool CheckedItem(int index) const {
    return (SendMessageW(List(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK) >> 12) == 2;
  }
  void SetChecked(int index, bool checked) const {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  // Adds a plug-in through the dialog: picks `name`, then answers the question, if one comes.
  void AddThroughDialog(const wchar_t* name, int answer = IDYES) {
    DialogAnswers answers;
    answers.Then([name](HWND dialog) {
      HWND box = GetDlgItem(dialog, kPluginBoxId);
      SendMessageW(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    answers.Then([this, answer](HWND box) {
      question_ = MessageBoxText(box);
      PressButton(box, answer);
    });
    question_.clear();
    host_.Click(kAdd);
  }
  static TabEntry* Plugin(const wchar_t* name) { return FindPluginTab(Store().Tabs(), name); }
  static std::optional<DWORD> TodayEnabled(const wchar_t* name) {
    return ReadDword(HKEY_LOCAL_MACHINE, ItemKey(name).c_str(), L"Enabled");
  }

  PageHost host_;
  std::wstring question_;
};

// Moves, check boxes and the rows reach the registry in the end-to-end test; here the list
// itself and what closing writes into the tab entries.
TEST_F(TabsPageTest, ListsTheTabsButCalendarAndWritesOrderAndVisibilityBack) {
  EXPECT_EQ((std::vector<std::wstring>{L"Tasks", L"Notes", L"Contacts", L"Messages", L"Special Events"}), Texts());
  for (int index = 0; index < Count(); ++index) EXPECT_TRUE(CheckedItem(index)) << index;
  host_.SelectTab(1);
  host_.SelectListItem(kList, 0);
  EXPECT_FALSE(host_.Enabled(kRemove)) << "a built-in tab cannot be removed";
  host_.Click(kDown);
  SetChecked(2, false);
  host_.Close();

  const TabList& list = Store().Tabs();
  EXPECT_EQ(3, list.FindByType(kTabTasks)->order);
  EXPECT_EQ(2, list.FindByType(kTabNotes)->order);
  EXPECT_EQ(1, list.FindByType(kTabCalendar)->order) << "kept";
  EXPECT_EQ(0u, list.FindByType(kTabContacts)->enabled);
  EXPECT_EQ(1u, list.FindByType(kTabTasks)->enabled);
}

TEST_F(TabsPageTest, OffersOnlyOtherLibraryItemsOfTheTodayScreen) {
  EXPECT_FALSE(IsOfferedTodayItem(L"Quillmere", 4)) << "the product itself";
  EXPECT_TRUE(IsOfferedTodayItem(L"quillmere", 4)) << "another item, whatever its name";
  EXPECT_FALSE(IsOfferedTodayItem(L"Owner Info", 1));

  HWND box = CreateWindowExW(0, L"combobox", L"", WS_POPUP | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
  FillTodayPluginBox(box);
  auto listed = [box](const wchar_t* name) {
    return SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)) != CB_ERR;
  };
  EXPECT_TRUE(listed(kShown));
  EXPECT_TRUE(listed(kOff));
  EXPECT_TRUE(listed(kUnset));
  EXPECT_FALSE(listed(kUntyped)) << "no Type reads as 0";
  EXPECT_FALSE(listed(kBare)) << "a key without values";
  DestroyWindow(box);
}

TEST_F(TabsPageTest, AddsAndRemovesPluginTabs) {
  host_.SelectTab(1);
  const int builtIn = Count();
  const DWORD listed = Store().Tabs().Count();

  // Shown on the Today screen: asked, then switched off there.
  AddThroughDialog(kShown);
  EXPECT_EQ(EnglishText(1050), question_);
  EXPECT_EQ(0u, TodayEnabled(kShown).value_or(99));
  ASSERT_NE(nullptr, Plugin(kShown));
  EXPECT_EQ(L"\\Windows\\shown.dll", std::wstring(Plugin(kShown)->library.c_str()));
  EXPECT_EQ(1u, Plugin(kShown)->enabled);
  ASSERT_EQ(builtIn + 1, Count());
  EXPECT_EQ(kShown, Text(builtIn));
  EXPECT_TRUE(CheckedItem(builtIn));

  // Without an "Enabled" value it counts as shown: asked, and 0 is written.
  AddThroughDialog(kUnset);
  EXPECT_EQ(EnglishText(1050), question_);
  EXPECT_EQ(0u, TodayEnabled(kUnset).value_or(99));
  EXPECT_NE(nullptr, Plugin(kUnset));

  // Switched off already: no question, the registry untouched.
  const std::wstring before = DumpRegistryTree(HKEY_LOCAL_MACHINE, ItemKey(kOff).c_str());
  {
    DialogAnswers answers;
    answers.Then([](HWND dialog) {
      SendMessageW(GetDlgItem(dialog, kPluginBoxId), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(kOff));
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    host_.Click(kAdd);
    EXPECT_EQ(1, answers.Answered());
  }
  EXPECT_EQ(before, DumpRegistryTree(HKEY_LOCAL_MACHINE, ItemKey(kOff).c_str()));
  EXPECT_NE(nullptr, Plugin(kOff));
  EXPECT_EQ(listed + 3, Store().Tabs().Count());

  // Already a tab: said so, nothing added.
  AddThroughDialog(kOff, IDOK);
  EXPECT_EQ(EnglishText(1058), question_);
  EXPECT_EQ(listed + 3, Store().Tabs().Count());

  // Declining to switch it off adds nothing.
  host_.SelectListItem(kList, builtIn + 1);
  ASSERT_EQ(kUnset, Text(builtIn + 1));
  host_.Click(kRemove);
  EXPECT_EQ(nullptr, Plugin(kUnset));
  EXPECT_EQ(0u, TodayEnabled(kUnset).value_or(99)) << "removing does not show it on the Today screen again";
  DeleteKeyTree(HKEY_LOCAL_MACHINE, ItemKey(kUnset).c_str());
  WriteDword(HKEY_LOCAL_MACHINE, ItemKey(kUnset).c_str(), L"Type", 4);
  AddThroughDialog(kUnset, IDNO);
  EXPECT_EQ(nullptr, Plugin(kUnset));
  EXPECT_FALSE(TodayEnabled(kUnset).has_value());

  // Nothing chosen: said so, and the dialog stays until cancelled.
  {
    DialogAnswers answers;
    std::wstring said;
    answers.Then([](HWND dialog) {
      SendMessageW(GetDlgItem(dialog, kPluginBoxId), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    answers.Then([&said](HWND box) {
      said = WindowText(box);
      HWND dialog = GetWindow(box, GW_OWNER);
      PressButton(box, IDOK);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    host_.Click(kAdd);
    EXPECT_EQ(L"Selection Missing", said);
  }

  // Unchecked plug-in tabs stay; a removed one is gone from the list and the tabs.
  const int shown = builtIn;
  host_.SelectListItem(kList, shown);
  EXPECT_TRUE(host_.Enabled(kRemove));
  host_.Click(kRemove);
  EXPECT_EQ(nullptr, Plugin(kShown));
  EXPECT_EQ(std::wstring(kOff), Text(builtIn));
  SetChecked(builtIn, false);
  host_.SelectListItem(kList, 0);
  EXPECT_FALSE(host_.Enabled(kRemove));
  host_.Close();
  ASSERT_NE(nullptr, Plugin(kOff));
  EXPECT_EQ(0u, Plugin(kOff)->enabled);
  EXPECT_EQ(builtIn + 2, Plugin(kOff)->order);
}

}  // namespace
