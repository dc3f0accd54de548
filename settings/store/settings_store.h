#pragma once
// The one store of every setting of the product: a record per catalogue row
// (catalogue_rows.h), grouped by key group, plus values derived from the platform, the
// theme colours and the tab list. Pages read records in place and change them only through
// their Set operations; LoadAll reads everything, SaveAll writes what was changed.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/store/catalogue.h"
#include "settings/store/setting_groups.h"
#include "settings/store/tab_list.h"

class SettingsStore {
 public:
  // Empty records and an empty tab list; nothing is read before LoadAll.
  SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Loads every record, the derived values, the theme colours and the tab list, and
  // (re)loads the language library: a library passed in is freed first; the new one (or
  // nullptr) is stored through the argument. Every changed flag is 0 afterwards.
  void LoadAll(HMODULE& languageLibrary);
  // Applies the save-time corrections and writes every changed record of the saved rows,
  // then the tab list.
  void SaveAll();

  const wchar_t* CategoryIconsFolder() const { return general.QMIconsFolder.value.c_str(); }
  const wchar_t* ProgramFilesFolder() const { return todayItem.ProgramFiles.value.c_str(); }
  // ProgramFiles + "\Tessaly\Quillmere".
  const wchar_t* InstallFolder() const { return installFolder_.c_str(); }
  // The Today item's InstallPath (else ProgramFiles) + "\Tessaly\Quillmere".
  const wchar_t* RegisteredInstallFolder() const { return registeredInstallFolder_.c_str(); }
  // 1 when the user locale shows times with AM/PM, 0 for the 24-hour clock.
  DWORD TwelveHourClock() const { return twelveHourClock_; }
  COLORREF SelectionBackground() const { return selectionBackground_; }
  COLORREF SelectionText() const { return selectionText_; }
  TabList& Tabs() { return tabs_; }
  const TabList& Tabs() const { return tabs_; }

  // The record of a value name in a key group. A font's six values are found by their
  // full names ("FontGenerallfHeight") as well as the font by its prefix.
  RecordRef Find(KeyGroup group, const wchar_t* valueName);

  TodayItemSettings todayItem;              // 0
  PocketInformantSettings pocketInformant;  // 1
  AgendaFusionSettings agendaFusion;        // 2
  GeneralSettings general;                  // 3
  CalendarSettings calendar;                // 4
  TaskSettings tasks;                       // 5
  NoteSettings notes;                       // 6
  ContactSettings contacts;                 // 7
  MessageSettings messages;                 // 8
  SpecialEventSettings specialEvents;       // 9
  FontSettings fonts;                       // 10
  ColourSettings colours;                   // 11
  CustomPimSettings customPim;              // 12
  TabSettings tabSettings;                  // 13
  CategorySettings categories;              // 14

 private:
  struct LoadContext;

  void LoadGroup(KeyGroup group, HKEY key, LoadContext& context);
  void SaveGroup(KeyGroup group, HKEY key);
  void LoadInstallation();
  void LoadLanguageLibrary(HMODULE& languageLibrary);
  void ValidateCalendar();
  void LoadTabList(HKEY key, HMODULE languageLibrary);
  void SaveTabs();
  void BuiltInTabs(BuiltInTabRecords (&tabs)[kBuiltInTabCount]);

  DWORD twelveHourClock_ = 1;
  WideString installFolder_;
  WideString registeredInstallFolder_;
  COLORREF selectionBackground_ = 0;
  COLORREF selectionText_ = 0;
  TabList tabs_;
};

// The process's one store, constructed before the program's entry function runs.
SettingsStore& Store();
