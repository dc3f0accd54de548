// The catalogue table and the store's load and save of it as a whole.
#include "settings/store/catalogue.h"

#include <memory>
#include <set>
#include <string>

#include "settings/store/settings_store.h"
#include "tests/store/store_test_support.h"

namespace {

using StoreLoadSave = StoreTest;

TEST(CatalogueTable, RowsPerGroupEachNamedOnceAndOwningItsRecord) {
  const int expected[kKeyGroupCount] = {1, 4, 1, 26, 83, 31, 18, 24, 12, 17, 39, 16, 7, 19, 1};
  int counts[kKeyGroupCount] = {};
  std::set<std::pair<KeyGroup, std::wstring>> names;
  std::set<const void*> records;
  auto store = std::make_unique<SettingsStore>();
  for (const CatalogueRow& row : Catalogue()) {
    ASSERT_LT(row.group, kKeyGroupCount) << row.name;
    ++counts[row.group];
    EXPECT_TRUE(names.insert({row.group, row.name}).second) << row.name << L" twice in group " << row.group;
    RecordRef record = row.record(*store);
    EXPECT_EQ(row.kind, record.kind) << row.name;
    const void* address = record.number ? static_cast<const void*>(record.number)
                          : record.text ? static_cast<const void*>(record.text)
                          : record.bits ? static_cast<const void*>(record.bits)
                                        : static_cast<const void*>(record.font);
    EXPECT_TRUE(address && records.insert(address).second) << row.name;
    EXPECT_FALSE(row.saved && row.group < kGeneralGroup) << row.name << L": another program's";
  }
  for (KeyGroup g = 0; g < kKeyGroupCount; ++g) EXPECT_EQ(expected[g], counts[g]) << "group " << g;
}

TEST(CatalogueTable, LookupByGroupAndName) {
  SettingsStore& store = Store();
  EXPECT_EQ(&store.tasks.FoldState, store.Find(kTasksGroup, L"FoldState").bits);
  EXPECT_EQ(&store.calendar.FoldState, store.Find(kCalendarGroup, L"FoldState").bits);
  EXPECT_EQ(&store.agendaFusion.CoreCategories, store.Find(kAgendaFusionGroup, L"Core.Categories").text);
  EXPECT_EQ(&store.fonts.FontGeneral, store.Find(kFontsGroup, L"FontGeneral").font);
  EXPECT_EQ(&store.fonts.FontCalPast.height, store.Find(kFontsGroup, L"FontCalPastlfHeight").number);
  for (auto [group, name] : {std::pair{kFontsGroup, L"FontGenerallfWidth"}, {kCalendarGroup, L"foldstate"},
                             {kGeneralGroup, L"FoldState"}, {kGeneralGroup, nullptr}})
    EXPECT_FALSE(store.Find(group, name)) << (name ? name : L"null");
}

TEST_F(StoreLoadSave, FreshDeviceCreatesEmptyKeysAndSavesNothing) {
  LoadAll();
  for (KeyGroup g = kPocketInformantGroup; g < kKeyGroupCount; ++g)
    EXPECT_TRUE(KeyExists(KeyGroupRoot(g), KeyGroupPath(g))) << "group " << g;
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, KeyGroupPath(kTodayItemGroup)));

  SettingsStore& store = Store();
  for (const CatalogueRow& row : Catalogue()) {
    RecordRef record = row.record(store);
    if (record.number) {
      EXPECT_EQ(record.number->defaultValue, record.number->value) << row.name;
      EXPECT_EQ(0u, record.number->changed) << row.name;
      EXPECT_STREQ(row.name, record.number->name.c_str());
      EXPECT_EQ(row.group, record.number->group);
    } else if (record.text) {
      EXPECT_STREQ(record.text->defaultValue.c_str(), record.text->value.c_str()) << row.name;
    } else if (record.bits) {
      for (DWORD i = 0; i < record.bits->byteCount; ++i) EXPECT_EQ(0, record.bits->buffer[i]) << row.name;
    }
  }

  store.SaveAll();
  for (KeyGroup g = kPocketInformantGroup; g < kKeyGroupCount; ++g)
    EXPECT_EQ(0u, ValueCount(KeyGroupRoot(g), KeyGroupPath(g))) << "group " << g;
}

TEST_F(StoreLoadSave, SavesOnlyChangedSavedRecordsWithTheirTypes) {
  PutDword(kGeneralGroup, L"NoteZoom", 150);
  LoadAll();
  SettingsStore& store = Store();
  PutDword(kGeneralGroup, L"OnClick", 3);  // written behind the program's back
  store.general.SkinPath.Set(L"\\Skins\\Dark");
  store.calendar.DayTtlFrmt.Set(4);
  store.contacts.CntctsPhoneColumnWidth.Set(120);
  store.colours.HighlightBgClr.Set(0x00123456);
  store.categories.AdditionalIconsFolder.Set(L"\\Icons");
  store.general.NoteZoom.Set(200);         // the plug-in's: never written
  store.pocketInformant.version.Set(800);  // another program's
  store.SaveAll();

  EXPECT_EQ(3u, GetDword(kGeneralGroup, L"OnClick"));
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), GetRaw(kGeneralGroup, L"SkinPath")->type);
  EXPECT_EQ(4u, GetDword(kCalendarGroup, L"DayTtlFrmt"));
  EXPECT_EQ(120u, GetDword(kContactsGroup, L"CntctsPhoneColumnWidth"));
  EXPECT_EQ(0x00123456u, GetDword(kColoursGroup, L"HighlightBgClr"));
  EXPECT_EQ(150u, GetDword(kGeneralGroup, L"NoteZoom"));
  EXPECT_FALSE(GetRaw(kPocketInformantGroup, L"version"));

  LoadAll();
  EXPECT_STREQ(L"\\Skins\\Dark", store.general.SkinPath.value.c_str());
  EXPECT_STREQ(L"\\Icons", store.categories.AdditionalIconsFolder.value.c_str());
  EXPECT_EQ(0u, store.general.SkinPath.changed);
}

TEST_F(StoreLoadSave, FoldStatesHaveTheirOwnLengthPerGroup) {
  const BYTE sixteen[16] = {0x0F};
  PutRaw(HKEY_CURRENT_USER, KeyGroupPath(kCalendarGroup), L"FoldState", REG_BINARY, sixteen, 16);
  PutRaw(HKEY_CURRENT_USER, KeyGroupPath(kTasksGroup), L"FoldState", REG_BINARY, sixteen, 16);
  LoadAll();
  EXPECT_EQ(0x0F, Store().calendar.FoldState.buffer[0]);
  EXPECT_EQ(0, Store().tasks.FoldState.buffer[0]);  // 41 bits: 6 bytes
  PutRaw(HKEY_CURRENT_USER, KeyGroupPath(kTasksGroup), L"FoldState", REG_BINARY, sixteen, 6);
  LoadAll();
  EXPECT_EQ(0x0F, Store().tasks.FoldState.buffer[0]);
}

TEST_F(StoreLoadSave, InstallationFoldersFollowTheTodayItem) {
  SettingsStore& store = Store();
  LoadAll();
  EXPECT_STREQ(L"\\Program Files\\Tessaly\\Quillmere", store.RegisteredInstallFolder());
  EXPECT_STREQ(L"\\Program Files\\Tessaly\\Quillmere", store.general.QMFiltersFileFolder.value.c_str());
  EXPECT_STREQ(L"My Documents\\WebIS\\PocketInformant.vol", store.pocketInformant.PIVOL.value.c_str());

  PutString(kTodayItemGroup, L"ProgramFiles", L"\\Storage Card\\Programs");
  PutString(kTodayItemGroup, L"InstallPath", L"\\Storage Card");
  PutString(kPocketInformantGroup, L"WebIS_Folder", L"\\SD");
  LoadAll();
  EXPECT_STREQ(L"\\Storage Card\\Programs", store.ProgramFilesFolder());
  EXPECT_STREQ(L"\\Storage Card\\Programs\\Tessaly\\Quillmere", store.InstallFolder());
  EXPECT_STREQ(L"\\Storage Card\\Tessaly\\Quillmere", store.RegisteredInstallFolder());
  EXPECT_STREQ(L"\\Storage Card\\Programs\\Tessaly\\Quillmere\\CategoryIcons", store.CategoryIconsFolder());
  EXPECT_STREQ(L"\\SD\\WebIS\\PocketInformant.vol", store.pocketInformant.PIVOL.value.c_str());
}

TEST_F(StoreLoadSave, LanguageLibraryFallsBackToTheDefaultAndIsReplaced) {
  PutString(kGeneralGroup, L"SelectedLangResFile", L"\\Nowhere\\QMXyzRc.dll");
  LoadAll();
  ASSERT_NE(nullptr, language_);
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(language_, path, MAX_PATH);
  EXPECT_NE(nullptr, wcsstr(path, L"QMEngRc.dll")) << path;

  // A reload releases the library it was given: one release here unloads it.
  LoadAll();
  ASSERT_NE(nullptr, language_);
  FreeLibrary(language_);
  language_ = nullptr;
  EXPECT_EQ(nullptr, GetModuleHandleW(path));

  PutString(kTodayItemGroup, L"ProgramFiles", L"\\Nowhere");
  LoadAll();
  EXPECT_EQ(nullptr, language_);
}

}  // namespace
