#include "settings/store/settings_store.h"

#include <cwchar>

#include "settings/base/scale.h"
#include "settings/store/registry_values.h"
#include "settings/store/theme_colours.h"

namespace {

constexpr wchar_t kProductFolder[] = L"\\Tessaly\\Quillmere";
constexpr wchar_t kDefaultLanguageLibrary[] = L"\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";
constexpr LONG kFontHeight = 12;

// A locale field of at most 4 characters (the field and its null fit).
void ReadLocaleField(LCTYPE field, wchar_t (&text)[4]) {
  text[0] = L'\0';
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, field, text, 4) == 0) text[0] = L'\0';
  text[3] = L'\0';
}

DWORD LocaleFirstDayOfWeek() {
  wchar_t text[4];
  ReadLocaleField(LOCALE_IFIRSTDAYOFWEEK, text);
  return static_cast<DWORD>(std::wcstol(text, nullptr, 10));
}

// The six value names of a font record, in load order.
struct FontPart {
  const wchar_t* suffix;
  DwordSetting FontSetting::*record;
};
constexpr FontPart kFontParts[] = {
    {L"lfWeight", &FontSetting::weight},       {L"lfItalic", &FontSetting::italic},
    {L"lfUnderline", &FontSetting::underline}, {L"lfStrikeOut", &FontSetting::strikeOut},
    {L"lfHeight", &FontSetting::height},       {L"lfColor", &FontSetting::colour},
};

}  // namespace

SettingsStore& Store() {
  // Built on first use, so that other static objects may reach it while they are built.
  static SettingsStore store;
  return store;
}

namespace {

// Without a user before the entry function, the store is still built before it runs.
[[maybe_unused]] SettingsStore& g_builtBeforeEntry = Store();

}  // namespace

// What the computed defaults of a load are made from.
struct SettingsStore::LoadContext {
  DWORD firstDayOfWeek = 0;
  bool firstDayRead = false;
};

SettingsStore::SettingsStore() = default;

void SettingsStore::LoadAll(HMODULE& languageLibrary) {
  wchar_t clock[4];
  ReadLocaleField(LOCALE_ITIME, clock);
  twelveHourClock_ = clock[0] == L'1' ? 0 : 1;

  LoadContext context;
  LoadInstallation();
  for (KeyGroup group : {kPocketInformantGroup, kAgendaFusionGroup}) {
    RegistryKey key = OpenKeyGroup(group, RegistryKey::OnClose::kPlainClose);
    LoadGroup(group, key.Get(), context);
  }

  const SelectionColours selection = ReadSelectionColours();
  selectionBackground_ = selection.background;
  selectionText_ = selection.text;

  {
    RegistryKey key = OpenKeyGroup(kGeneralGroup, RegistryKey::OnClose::kPlainClose);
    LoadGroup(kGeneralGroup, key.Get(), context);
  }
  // Before the tab list, whose captions come from it.
  LoadLanguageLibrary(languageLibrary);

  for (KeyGroup group = kCalendarGroup; group <= kCategoriesGroup; ++group) {
    RegistryKey key = OpenKeyGroup(group, RegistryKey::OnClose::kPlainClose);
    LoadGroup(group, key.Get(), context);
    if (group == kCalendarGroup) ValidateCalendar();
    if (group == kTabSettingsGroup) LoadTabList(key.Get(), languageLibrary);
  }
}

void SettingsStore::LoadInstallation() {
  // The Today item's key belongs to the plug-in's installer: read it, never create it.
  RegistryKey key = OpenKeyGroupForReading(kTodayItemGroup);
  LoadContext unused;
  LoadGroup(kTodayItemGroup, key.Get(), unused);
  const wchar_t* programFiles = todayItem.ProgramFiles.value.c_str();
  installFolder_.Assign(programFiles);
  installFolder_.Append(kProductFolder);
  ReadStringValue(L"InstallPath", &registeredInstallFolder_, programFiles, key.Get());
  registeredInstallFolder_.Append(kProductFolder);
}

void SettingsStore::LoadGroup(KeyGroup group, HKEY key, LoadContext& context) {
  // A key without values gives its settings their defaults as a missing key does, without a
  // query each, as on a device where nothing was set yet.
  key = KeyWithValues(key);
  WideString text;
  for (const CatalogueRow& row : Catalogue()) {
    if (row.group != group) continue;
    const RecordRef record = row.record(*this);
    const SettingDefault& fallback = row.fallback;
    switch (row.kind) {
      case SettingKind::kNumber: {
        DWORD number = fallback.number;
        if (fallback.rule == DefaultRule::kScaledX) number = static_cast<DWORD>(ScaleX(static_cast<int>(number)));
        if (fallback.rule == DefaultRule::kScaledY) number = static_cast<DWORD>(ScaleY(static_cast<int>(number)));
        if (fallback.rule == DefaultRule::kFirstDayOfWeek) {
          if (!context.firstDayRead) context.firstDayOfWeek = LocaleFirstDayOfWeek();
          context.firstDayRead = true;
          number = context.firstDayOfWeek;
        }
        if (key)
          record.number->Load(key, number, row.name, group);
        else
          record.number->LoadDefault(number, row.name, group);
        break;
      }
      case SettingKind::kText:
        text.Assign(fallback.rule == DefaultRule::kInstallFolderPlus ? installFolder_.c_str()
                    : fallback.rule == DefaultRule::kWebisFolderPlus ? pocketInformant.WebIS_Folder.value.c_str()
                                                                     : L"");
        text.Append(fallback.text);
        if (key)
          record.text->Load(key, text.c_str(), row.name, group);
        else
          record.text->LoadDefault(text.c_str(), row.name, group);
        break;
      case SettingKind::kBits:
        if (key)
          record.bits->Load(key, false, row.name, fallback.number, group);
        else
          record.bits->LoadDefault(false, row.name, fallback.number, group);
        break;
      case SettingKind::kFont: {
        const LONG weight = static_cast<LONG>(fallback.number);
        const LONG height = ScaleX(kFontHeight);
        const wchar_t* face = fonts.FontFaceToUse.value.c_str();
        const bool clearType = fonts.ForceClearType.value != 0;
        if (key)
          record.font->Load(key, weight, height, fallback.extra, face, clearType, row.name, group);
        else
          record.font->LoadDefault(weight, height, fallback.extra, face, clearType, row.name, group);
        break;
      }
    }
  }
}

void SettingsStore::LoadLanguageLibrary(HMODULE& languageLibrary) {
  if (languageLibrary) {
    FreeLibrary(languageLibrary);
    languageLibrary = nullptr;
  }
  languageLibrary = LoadLibraryW(general.SelectedLangResFile.value.c_str());
  if (languageLibrary) return;
  WideString fallback(todayItem.ProgramFiles.value.c_str());
  fallback.Append(kDefaultLanguageLibrary);
  languageLibrary = LoadLibraryW(fallback.c_str());
}

void SettingsStore::ValidateCalendar() {
  const LONG days = calendar.dNumOfDays.Signed();
  if (days < 1 || days > 120) calendar.dNumOfDays.Set(7);

  // The time lines span their start, their length and six more hours within the day.
  const long long start = calendar.TimelinesStart.Signed();
  if (start + calendar.TimelinesLength.Signed() + 6 > 24)
    calendar.TimelinesLength.Set(static_cast<DWORD>(static_cast<LONG>(18 - start)));

  // The six title elements in display order: each of 0 to 5 exactly once.
  DwordSetting* order[] = {&calendar.CalTitlesOrder0, &calendar.CalTitlesOrder1, &calendar.CalTitlesOrder2,
                           &calendar.CalTitlesOrder3, &calendar.CalTitlesOrder4, &calendar.CalTitlesOrder5};
  bool named[6] = {};
  for (const DwordSetting* element : order)
    if (element->value <= 5) named[element->value] = true;
  bool permutation = true;
  for (bool isNamed : named) permutation = permutation && isNamed;
  if (!permutation)
    for (DWORD i = 0; i < 6; ++i) order[i]->Set(i);
}

void SettingsStore::BuiltInTabs(BuiltInTabRecords (&builtIn)[kBuiltInTabCount]) {
  TabSettings& t = tabSettings;
  const BuiltInTabRecords tabs[kBuiltInTabCount] = {
      {kTabCalendar, 1436, &t.CalendarTabEnabled, &t.CalendarTabOrder},
      {kTabTasks, 1416, &t.TasksTabEnabled, &t.TasksTabOrder},
      {kTabNotes, 1417, &t.NotesTabEnabled, &t.NotesTabOrder},
      {kTabContacts, 1418, &t.ContactsTabEnabled, &t.ContactsTabOrder},
      {kTabMail, 1419, &t.MailTabEnabled, &t.MailTabOrder},
      {kTabSpecialEvents, 1420, &t.SEventsTabEnabled, &t.SEventsTabOrder},
  };
  for (int i = 0; i < kBuiltInTabCount; ++i) builtIn[i] = tabs[i];
}

void SettingsStore::LoadTabList(HKEY key, HMODULE languageLibrary) {
  BuiltInTabRecords builtIn[kBuiltInTabCount];
  BuiltInTabs(builtIn);
  LoadTabs(key, builtIn, languageLibrary, tabs_);
  ValidateActiveTab(tabs_, general.ActiveTab);
  ApplyStartupTab(tabs_, tabSettings.DfltTabOnStartup, tabSettings.DfltTab, general.ActiveTab);
}

void SettingsStore::SaveAll() {
  {
    const LONG landscape = general.dHeightLimitLandscape.Signed();
    if (landscape < 60 || landscape > 500) general.dHeightLimitLandscape.Set(0);
    RegistryKey key = OpenKeyGroup(kGeneralGroup);
    SaveGroup(kGeneralGroup, key.Get());
  }
  {
    // A pinned month calendar needs room: not below a 200-pixel height limit.
    if (calendar.PinnedMonthlyClr.value == 1 && general.dHeightLimit.Signed() < ScaleX(200))
      calendar.PinnedMonthlyClr.Set(0);
    RegistryKey key = OpenKeyGroup(kCalendarGroup);
    SaveGroup(kCalendarGroup, key.Get());
  }
  for (KeyGroup group = kTasksGroup; group <= kCustomPimGroup; ++group) {
    RegistryKey key = OpenKeyGroup(group);
    SaveGroup(group, key.Get());
    if (group == kContactsGroup) key.CloseWithoutFlush();
  }
  SaveTabs();
  RegistryKey key = OpenKeyGroup(kCategoriesGroup);
  SaveGroup(kCategoriesGroup, key.Get());
}

void SettingsStore::SaveGroup(KeyGroup group, HKEY key) {
  // Without a key there is nowhere to write.
  if (!key) return;
  for (const CatalogueRow& row : Catalogue()) {
    if (row.group != group || !row.saved) continue;
    const RecordRef record = row.record(*this);
    switch (row.kind) {
      case SettingKind::kNumber:
        record.number->Save(key);
        break;
      case SettingKind::kText:
        record.text->Save(key);
        break;
      case SettingKind::kFont:
        record.font->Save(key);
        break;
      case SettingKind::kBits:
        break;  // the plug-in's state; never written here
    }
  }
}

void SettingsStore::SaveTabs() {
  DeletePluginTabKeys();
  BuiltInTabRecords builtIn[kBuiltInTabCount];
  BuiltInTabs(builtIn);
  SyncBuiltInTabRecords(tabs_, builtIn);
  {
    RegistryKey key = OpenKeyGroup(kTabSettingsGroup);
    SaveGroup(kTabSettingsGroup, key.Get());
  }
  SavePluginTabKeys(tabs_);
}

RecordRef SettingsStore::Find(KeyGroup group, const wchar_t* valueName) {
  if (const CatalogueRow* row = FindCatalogueRow(group, valueName)) return row->record(*this);
  if (group != kFontsGroup || !valueName) return RecordRef{};
  for (const CatalogueRow& row : Catalogue()) {
    if (row.group != group || row.kind != SettingKind::kFont) continue;
    const std::size_t prefix = std::wcslen(row.name);
    if (std::wcsncmp(valueName, row.name, prefix) != 0) continue;
    FontSetting* font = row.record(*this).font;
    for (const FontPart& part : kFontParts) {
      if (std::wcscmp(valueName + prefix, part.suffix) != 0) continue;
      RecordRef found;
      found.kind = SettingKind::kNumber;
      found.number = &(font->*part.record);
      return found;
    }
  }
  return RecordRef{};
}
