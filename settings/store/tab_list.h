#pragma once
// The plug-in's tabs: six built-in tabs and the Today plug-ins it hosts as extra tabs,
// kept in ascending order of position.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"
#include "settings/store/setting_records.h"

enum TabType : DWORD {
  kTabTodayPlugin = 1,
  kTabCalendar = 2,
  kTabTasks = 4,
  kTabSpecialEvents = 8,
  kTabNotes = 16,
  kTabMail = 32,
  kTabContacts = 64,
};

bool IsBuiltInTab(DWORD type);

struct TabEntry {
  DWORD type = 0;      // a TabType
  LONG order = 0;      // 1-based position after loading
  DWORD enabled = 0;   // 1 shown, 0 hidden
  WideString name;     // built-in: caption from the language library; plug-in: its sub-key name
  WideString library;  // plug-in's "DLL"
  WideString installPath;
  WideString customIconName;
  TabEntry* next = nullptr;
  TabEntry* previous = nullptr;
};

class TabList {
 public:
  TabList() = default;
  TabList(const TabList&) = delete;
  TabList& operator=(const TabList&) = delete;
  ~TabList();

  // Frees every entry.
  void Clear();
  // Takes the entry and links it in by its order: before the first entry when smaller than
  // its order, otherwise after the last entry of smaller order, that is, directly after
  // the first entry when it ties with it and before later entries it ties with.
  void InsertSorted(std::unique_ptr<TabEntry> entry);
  // Unlinks an entry of this list and hands it back.
  std::unique_ptr<TabEntry> Unlink(TabEntry* entry);
  // Sets the orders to 1, 2, 3... in list order.
  void Renumber();

  TabEntry* First() const { return first_; }
  DWORD Count() const { return count_; }
  TabEntry* FindByOrder(LONG order) const;
  TabEntry* FindByType(DWORD type) const;

 private:
  DWORD count_ = 0;
  TabEntry* first_ = nullptr;
};

// One built-in tab: its type, its caption's string id and the two records of its state.
struct BuiltInTabRecords {
  DWORD type;
  UINT captionId;
  DwordSetting* enabled;
  DwordSetting* order;
};
inline constexpr int kBuiltInTabCount = 6;

// The part of loading the settings that builds the list (the records are already loaded
// from `tabSettingsKey`): the built-in tabs, then the Today plug-in sub-keys, then the
// positions renumbered 1, 2, 3...
void LoadTabs(HKEY tabSettingsKey, const BuiltInTabRecords (&builtIn)[kBuiltInTabCount], HMODULE language,
              TabList& list);

// `ActiveTab` must name an enabled built-in tab by position, else it becomes 1.
void ValidateActiveTab(const TabList& list, DwordSetting& activeTab);
// With `DfltTabOnStartup` 1 and `DfltTab` 0 to 5, `ActiveTab` becomes the position of
// that built-in tab, enabled or not.
void ApplyStartupTab(const TabList& list, const DwordSetting& startupTabOn, const DwordSetting& startupTab,
                     DwordSetting& activeTab);

// Deletes every Today plug-in sub-key of the tab settings key ("Contacts" is no tab and
// stays); the key is closed flushed.
void DeletePluginTabKeys();
// Sets the built-in tabs' records from the list (marking them changed) before they are saved.
void SyncBuiltInTabRecords(const TabList& list, const BuiltInTabRecords (&builtIn)[kBuiltInTabCount]);
// Writes a sub-key for every Today plug-in tab of the list.
void SavePluginTabKeys(const TabList& list);
