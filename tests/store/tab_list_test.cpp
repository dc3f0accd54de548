// The tab list: its order, the Today plug-in sub-keys and the active tab.
#include "settings/store/tab_list.h"

#include <string>
#include <vector>

#include "settings/base/load_text.h"
#include "settings/store/settings_store.h"
#include "tests/store/store_test_support.h"

namespace {

std::unique_ptr<TabEntry> Entry(DWORD type, LONG order, const wchar_t* name) {
  auto entry = std::make_unique<TabEntry>();
  entry->type = type;
  entry->order = order;
  entry->name.Assign(name);
  return entry;
}

// The list as "name:order" items, checking the back links on the way.
std::vector<std::wstring> Walk(const TabList& list) {
  std::vector<std::wstring> items;
  const TabEntry* previous = nullptr;
  for (const TabEntry* entry = list.First(); entry; entry = entry->next) {
    EXPECT_EQ(previous, entry->previous);
    items.push_back(std::wstring(entry->name.c_str()) + L":" + std::to_wstring(entry->order));
    previous = entry;
  }
  EXPECT_EQ(items.size(), list.Count());
  return items;
}

std::vector<DWORD> Types(const TabList& list) {
  std::vector<DWORD> types;
  for (const TabEntry* entry = list.First(); entry; entry = entry->next) types.push_back(entry->type);
  return types;
}

std::wstring PluginKey(const wchar_t* name) { return std::wstring(kTabSettingsKey) + L"\\" + name; }

void PutPlugin(const wchar_t* name, std::optional<DWORD> order, DWORD enabled = 1) {
  const std::wstring path = PluginKey(name);
  PutDword(HKEY_CURRENT_USER, path.c_str(), L"Enabled", enabled);
  PutString(HKEY_CURRENT_USER, path.c_str(), L"DLL", L"\\Windows\\plugin.dll");
  if (order) PutDword(HKEY_CURRENT_USER, path.c_str(), L"Order", *order);
}

TEST(TabListOrder, TiesGoAfterTheFirstAndBeforeLaterEqualEntries) {
  TabList list;
  list.InsertSorted(Entry(kTabCalendar, 3, L"a"));
  list.InsertSorted(Entry(kTabTasks, 3, L"b"));  // ties the first: after it
  list.InsertSorted(Entry(kTabNotes, 1, L"c"));  // smaller: new first
  list.InsertSorted(Entry(kTabMail, 5, L"d"));
  list.InsertSorted(Entry(kTabContacts, 3, L"e"));  // ties later ones: before them
  EXPECT_EQ((std::vector<std::wstring>{L"c:1", L"e:3", L"a:3", L"b:3", L"d:5"}), Walk(list));

  std::unique_ptr<TabEntry> taken = list.Unlink(list.First()->next->next);
  ASSERT_TRUE(taken);
  EXPECT_STREQ(L"a", taken->name.c_str());
  EXPECT_FALSE(list.Unlink(taken.get()));
  list.Renumber();
  EXPECT_EQ((std::vector<std::wstring>{L"c:1", L"e:2", L"b:3", L"d:4"}), Walk(list));
  list.Clear();
  EXPECT_EQ(nullptr, list.First());
  EXPECT_EQ(0u, list.Count());
}

class Tabs : public StoreTest {
 protected:
  const TabList& List() { return Store().Tabs(); }
  std::wstring Caption(UINT id) {
    WideString text;
    LoadText(language_, id, text);
    return text.c_str();
  }
};

TEST_F(Tabs, NoSettingsGiveSixEnabledTabsWithTheirCaptions) {
  LoadAll();
  EXPECT_EQ((std::vector<DWORD>{kTabCalendar, kTabTasks, kTabNotes, kTabContacts, kTabMail, kTabSpecialEvents}),
            Types(List()));
  const UINT captions[] = {1436, 1416, 1417, 1418, 1419, 1420};
  int i = 0;
  for (const TabEntry* entry = List().First(); entry; entry = entry->next, ++i) {
    EXPECT_EQ(i + 1, entry->order);
    EXPECT_EQ(1u, entry->enabled);
    EXPECT_EQ(Caption(captions[i]), entry->name.c_str());
    EXPECT_TRUE(entry->library.Empty());
  }
  EXPECT_EQ(1u, Store().general.ActiveTab.value);
  EXPECT_EQ(0u, Store().general.ActiveTab.changed);
}

TEST_F(Tabs, EqualStoredOrdersKeepTheBuiltInSequence) {
  PutDword(kTabSettingsGroup, L"CalendarTabOrder", 3);
  PutDword(kTabSettingsGroup, L"TasksTabOrder", 3);
  PutDword(kTabSettingsGroup, L"NotesTabOrder", 3);
  LoadAll();
  EXPECT_EQ((std::vector<DWORD>{kTabCalendar, kTabNotes, kTabTasks, kTabContacts, kTabMail, kTabSpecialEvents}),
            Types(List()));
  // The records keep what was stored until they are saved.
  EXPECT_EQ(3u, Store().tabSettings.TasksTabOrder.value);
}

TEST_F(Tabs, PluginSubKeysJoinTheListAndContactsIsNoTab) {
  PutPlugin(L"A", std::nullopt);
  PutPlugin(L"B", std::nullopt);
  PutDword(HKEY_CURRENT_USER, PluginKey(L"Contacts").c_str(), L"Letters", 26);
  LoadAll();
  std::vector<std::wstring> items = Walk(List());
  ASSERT_EQ(8u, items.size());
  EXPECT_EQ(L"B:7", items[6]);
  EXPECT_EQ(L"A:8", items[7]);
  const TabEntry* a = List().FindByOrder(8);
  EXPECT_EQ(static_cast<DWORD>(kTabTodayPlugin), a->type);
  EXPECT_STREQ(L"\\Windows\\plugin.dll", a->library.c_str());

  PutPlugin(L"C", 2);
  LoadAll();
  EXPECT_EQ(L"C:2", Walk(List())[1]);
}

TEST_F(Tabs, ActiveTabMustBeAnEnabledBuiltInTab) {
  PutPlugin(L"Weather", 1);  // position 2 after loading
  PutDword(kTabSettingsGroup, L"NotesTabEnabled", 0);  // position 4
  struct Case {
    DWORD stored;
    DWORD loaded;
  };
  for (Case c : {Case{3, 3}, Case{2, 1}, Case{4, 1}, Case{7, 7}, Case{8, 1}, Case{0, 1}, Case{0xFFFFFFFF, 1}}) {
    PutDword(kGeneralGroup, L"ActiveTab", c.stored);
    LoadAll();
    EXPECT_EQ(c.loaded, Store().general.ActiveTab.value) << c.stored;
  }
  // The correction is never written: ActiveTab is the plug-in's.
  Store().SaveAll();
  EXPECT_EQ(0xFFFFFFFFu, GetDword(kGeneralGroup, L"ActiveTab"));
}

TEST_F(Tabs, StartupTabOverridesEvenWhenDisabled) {
  PutDword(kTabSettingsGroup, L"NotesTabEnabled", 0);
  PutDword(kTabSettingsGroup, L"NotesTabOrder", 6);  // Notes comes after Special events
  PutDword(kTabSettingsGroup, L"DfltTabOnStartup", 1);
  PutDword(kGeneralGroup, L"ActiveTab", 2);
  struct Case {
    DWORD defaultTab;
    DWORD active;
  };
  for (Case c : {Case{2, 6}, Case{0, 1}, Case{5, 5}, Case{4, 4}, Case{6, 2}, Case{0xFFFFFFFF, 2}}) {
    PutDword(kTabSettingsGroup, L"DfltTab", c.defaultTab);
    LoadAll();
    EXPECT_EQ(c.active, Store().general.ActiveTab.value) << c.defaultTab;
  }
  PutDword(kTabSettingsGroup, L"DfltTabOnStartup", 2);
  PutDword(kTabSettingsGroup, L"DfltTab", 0);
  LoadAll();
  EXPECT_EQ(2u, Store().general.ActiveTab.value);
}

TEST_F(Tabs, SavingRewritesPluginKeysAndLeavesContactsAlone) {
  PutPlugin(L"Weather", 1);
  PutPlugin(L"Battery", std::nullopt);
  PutPlugin(L"Gone", 3);
  PutDword(HKEY_CURRENT_USER, PluginKey(L"Contacts").c_str(), L"Letters", 26);
  LoadAll();
  TabList& list = Store().Tabs();
  // Weather 2, Gone 4, Battery 9: drop Gone, move Weather to the end (position 9).
  list.Unlink(list.FindByOrder(4));
  std::unique_ptr<TabEntry> weather = list.Unlink(list.FindByOrder(2));
  list.Renumber();
  weather->order = 9;
  list.InsertSorted(std::move(weather));
  ASSERT_EQ(L"Battery:7", Walk(list)[6]);
  Store().SaveAll();

  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PluginKey(L"Gone").c_str()));
  EXPECT_EQ(26u, GetDword(HKEY_CURRENT_USER, PluginKey(L"Contacts").c_str(), L"Letters"));
  const std::wstring weatherKey = PluginKey(L"Weather");
  EXPECT_EQ(1u, GetDword(HKEY_CURRENT_USER, weatherKey.c_str(), L"Enabled"));
  EXPECT_EQ(1u, GetDword(HKEY_CURRENT_USER, weatherKey.c_str(), L"Type"));
  EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, weatherKey.c_str(), L"Order"));
  EXPECT_EQ(7u, GetDword(HKEY_CURRENT_USER, PluginKey(L"Battery").c_str(), L"Order"));
  EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, weatherKey.c_str(), L"InstallPath"));

  // Built-in records follow the list; all at their defaults again, so deleted.
  EXPECT_FALSE(GetRaw(kTabSettingsGroup, L"CalendarTabOrder"));

  const auto once = ProductSnapshot();
  Store().SaveAll();
  EXPECT_EQ(once, ProductSnapshot());
  // Reloaded, Weather (no "Order") is renumbered to 8 and written so; from then on it is stable.
  LoadAll();
  Store().SaveAll();
  EXPECT_EQ(8u, GetDword(HKEY_CURRENT_USER, weatherKey.c_str(), L"Order"));
  const auto settled = ProductSnapshot();
  LoadAll();
  Store().SaveAll();
  EXPECT_EQ(settled, ProductSnapshot());
}

TEST_F(Tabs, BuiltInRecordsAreSavedFromTheList) {
  LoadAll();
  TabList& list = Store().Tabs();
  std::unique_ptr<TabEntry> calendar = list.Unlink(list.First());
  calendar->order = 7;
  calendar->enabled = 0;
  list.InsertSorted(std::move(calendar));
  list.Renumber();
  Store().SaveAll();
  EXPECT_EQ(6u, GetDword(kTabSettingsGroup, L"CalendarTabOrder"));
  EXPECT_EQ(0u, GetDword(kTabSettingsGroup, L"CalendarTabEnabled"));
  EXPECT_EQ(1u, GetDword(kTabSettingsGroup, L"TasksTabOrder"));
  EXPECT_EQ(5u, GetDword(kTabSettingsGroup, L"SEventsTabOrder"));
  LoadAll();
  EXPECT_EQ((std::vector<DWORD>{kTabTasks, kTabNotes, kTabContacts, kTabMail, kTabSpecialEvents, kTabCalendar}),
            Types(List()));
}

TEST_F(Tabs, SubKeyThatCannotBeDeletedDoesNotStopTheSave) {
  PutPlugin(L"Nested", 7);
  PutDword(HKEY_CURRENT_USER, (PluginKey(L"Nested") + L"\\Inner").c_str(), L"X", 1);
  PutPlugin(L"Plain", 8);
  LoadAll();
  Store().SaveAll();
  EXPECT_EQ(8u, GetDword(HKEY_CURRENT_USER, PluginKey(L"Plain").c_str(), L"Order"));
}

}  // namespace
