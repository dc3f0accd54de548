#include "settings/store/tab_list.h"

#include <cwchar>
#include <new>

#include "settings/base/load_text.h"
#include "settings/store/key_group.h"
#include "settings/store/registry_values.h"

namespace {

constexpr wchar_t kTabSettingsPath[] = L"Software\\Tessaly\\Quillmere\\TabSettings";
// A sub-key of the tab settings that is not a tab (it belongs to the Contacts tab's state).
constexpr wchar_t kNotATabKey[] = L"Contacts";
constexpr DWORD kSubKeyNameLength = 257;  // names up to 256 characters and the null
constexpr DWORD kPluginDefaultOrder = 9;

// Built-in tabs in the numbering of `DfltTab`.
constexpr DWORD kStartupTabTypes[] = {kTabCalendar, kTabTasks, kTabNotes, kTabContacts, kTabMail, kTabSpecialEvents};

bool PluginKeyPath(const wchar_t* subKey, WideString& path) {
  return path.Assign(kTabSettingsPath) && path.Append(L"\\") && path.Append(subKey);
}

std::unique_ptr<TabEntry> ReadPluginTab(const wchar_t* subKey) {
  WideString path;
  if (!PluginKeyPath(subKey, path)) return nullptr;
  RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, path.c_str(), RegistryKey::OnClose::kPlainClose);
  if (!key) return nullptr;
  std::unique_ptr<TabEntry> entry(new (std::nothrow) TabEntry);
  if (!entry) return nullptr;
  entry->type = kTabTodayPlugin;
  entry->name.Assign(subKey);
  entry->order = static_cast<LONG>(ReadDwordValue(L"Order", kPluginDefaultOrder, key.Get()));
  ReadDwordValue(L"Type", 0, key.Get());  // the plug-in's own; every such entry is a plug-in tab here
  entry->enabled = ReadDwordValue(L"Enabled", 0, key.Get());
  ReadStringValue(L"DLL", &entry->library, L"", key.Get());
  ReadStringValue(L"InstallPath", &entry->installPath, L"", key.Get());
  ReadStringValue(L"CustomIconName", &entry->customIconName, L"", key.Get());
  return entry;
}

}  // namespace

bool IsBuiltInTab(DWORD type) {
  switch (type) {
    case kTabCalendar:
    case kTabTasks:
    case kTabSpecialEvents:
    case kTabNotes:
    case kTabMail:
    case kTabContacts:
      return true;
    default:
      return false;
  }
}

TabList::~TabList() { Clear(); }

void TabList::Clear() {
  while (first_) {
    TabEntry* next = first_->next;
    delete first_;
    first_ = next;
  }
  count_ = 0;
}

void TabList::InsertSorted(std::unique_ptr<TabEntry> owned) {
  if (!owned) return;
  TabEntry* entry = owned.release();
  if (!first_ || entry->order < first_->order) {
    entry->previous = nullptr;
    entry->next = first_;
    if (first_) first_->previous = entry;
    first_ = entry;
  } else {
    TabEntry* at = first_;
    while (at->next && at->next->order < entry->order) at = at->next;
    entry->previous = at;
    entry->next = at->next;
    if (at->next) at->next->previous = entry;
    at->next = entry;
  }
  ++count_;
}

std::unique_ptr<TabEntry> TabList::Unlink(TabEntry* entry) {
  TabEntry* at = first_;
  while (at && at != entry) at = at->next;
  if (!at) return nullptr;
  if (at->previous)
    at->previous->next = at->next;
  else
    first_ = at->next;
  if (at->next) at->next->previous = at->previous;
  at->next = nullptr;
  at->previous = nullptr;
  --count_;
  return std::unique_ptr<TabEntry>(at);
}

void TabList::Renumber() {
  LONG order = 1;
  for (TabEntry* entry = first_; entry; entry = entry->next) entry->order = order++;
}

TabEntry* TabList::FindByOrder(LONG order) const {
  for (TabEntry* entry = first_; entry; entry = entry->next)
    if (entry->order == order) return entry;
  return nullptr;
}

TabEntry* TabList::FindByType(DWORD type) const {
  for (TabEntry* entry = first_; entry; entry = entry->next)
    if (entry->type == type) return entry;
  return nullptr;
}

void LoadTabs(HKEY tabSettingsKey, const BuiltInTabRecords (&builtIn)[kBuiltInTabCount], HMODULE language,
              TabList& list) {
  list.Clear();
  for (const BuiltInTabRecords& tab : builtIn) {
    std::unique_ptr<TabEntry> entry(new (std::nothrow) TabEntry);
    if (!entry) continue;
    entry->type = tab.type;
    LoadText(language, tab.captionId, entry->name);
    entry->order = tab.order->Signed();
    entry->enabled = tab.enabled->value;
    list.InsertSorted(std::move(entry));
  }

  if (tabSettingsKey) {
    wchar_t subKey[kSubKeyNameLength];
    for (DWORD index = 0;; ++index) {
      DWORD length = kSubKeyNameLength;
      if (RegEnumKeyExW(tabSettingsKey, index, subKey, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      if (std::wcscmp(subKey, kNotATabKey) == 0) continue;
      list.InsertSorted(ReadPluginTab(subKey));
    }
  }
  list.Renumber();
}

void ValidateActiveTab(const TabList& list, DwordSetting& activeTab) {
  const TabEntry* entry = list.FindByOrder(activeTab.Signed());
  if (!entry || entry->enabled != 1 || !IsBuiltInTab(entry->type)) activeTab.Set(1);
}

void ApplyStartupTab(const TabList& list, const DwordSetting& startupTabOn, const DwordSetting& startupTab,
                     DwordSetting& activeTab) {
  if (startupTabOn.value != 1 || startupTab.value > 5) return;
  if (const TabEntry* entry = list.FindByType(kStartupTabTypes[startupTab.value]))
    activeTab.Set(static_cast<DWORD>(entry->order));
}

void DeletePluginTabKeys() {
  RegistryKey key = OpenKeyGroup(kTabSettingsGroup);
  if (!key) return;
  wchar_t subKey[kSubKeyNameLength];
  WideString path;
  DWORD index = 0;
  for (;;) {
    DWORD length = kSubKeyNameLength;
    if (RegEnumKeyExW(key.Get(), index, subKey, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    // A deleted key moves the next one to this index. One that cannot be deleted (a key
    // with sub-keys of its own, say) is passed over, or the walk would never end.
    if (std::wcscmp(subKey, kNotATabKey) == 0 || !PluginKeyPath(subKey, path) ||
        RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()) != ERROR_SUCCESS)
      ++index;
  }
}

void SyncBuiltInTabRecords(const TabList& list, const BuiltInTabRecords (&builtIn)[kBuiltInTabCount]) {
  for (const TabEntry* entry = list.First(); entry; entry = entry->next) {
    for (const BuiltInTabRecords& tab : builtIn) {
      if (tab.type != entry->type) continue;
      tab.enabled->Set(entry->enabled);
      tab.order->Set(static_cast<DWORD>(entry->order));
    }
  }
}

void SavePluginTabKeys(const TabList& list) {
  WideString path;
  for (const TabEntry* entry = list.First(); entry; entry = entry->next) {
    // A nameless entry would land in the tab settings key itself.
    if (entry->type != kTabTodayPlugin || entry->name.Empty() || !PluginKeyPath(entry->name.c_str(), path)) continue;
    RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, path.c_str());
    if (!key) continue;
    WriteDwordValue(key.Get(), L"Enabled", entry->enabled, 0);
    WriteDwordValue(key.Get(), L"Order", static_cast<DWORD>(entry->order), kPluginDefaultOrder);
    WriteDwordValue(key.Get(), L"Type", kTabTodayPlugin, 0);
    WriteStringValue(key.Get(), L"DLL", entry->library.c_str(), L"");
    WriteStringValue(key.Get(), L"InstallPath", entry->installPath.c_str(), L"");
    WriteStringValue(key.Get(), L"CustomIconName", entry->customIconName.c_str(), L"");
  }
}
