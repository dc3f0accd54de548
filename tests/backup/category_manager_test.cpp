// The category manager: the device's category database, the category values, selections and
// the selection rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/pim_volume.h"
#include "settings/files/category_manager.h"
#include "settings/store/settings_store.h"
#include "tests/backup/backup_fixture.h"
#include "tests/support/registry_probe.h"

namespace {

constexpr wchar_t kVolume[] = L"C:\\pim.vol";
constexpr wchar_t kSavedVolume[] = L"C:\\pim.vol.saved-by-test";
constexpr wchar_t kCategoriesKey[] = L"Software\\Tessaly\\Quillmere\\Categories";
constexpr wchar_t kIcons[] = L"C:\\category-icons-test";

// The device's own volume is put aside for the test and back afterwards.
class CategoryManagerTest : public BackupTest {
 protected:
  void SetUp() override {
    BackupTest::SetUp();
    MoveFileExW(kVolume, kSavedVolume, MOVEFILE_REPLACE_EXISTING);
    CreateDirectoryW(kIcons, nullptr);
    Store().general.QMIconsFolder.value.Assign(kIcons);
    Store().general.QMFiltersFileFolder.value.Assign(kIcons);
  }
  void TearDown() override {
    MoveFileExW(kSavedVolume, kVolume, MOVEFILE_REPLACE_EXISTING);
    DeleteFileW((std::wstring(kIcons) + L"\\Alpha.bmp").c_str());
    RemoveDirectoryW(kIcons);
    BackupTest::TearDown();
  }

  static void AddRecord(PimVolume& volume, const wchar_t* name, bool withId = true, LONG flag = 0) {
    PimDatabase& database = volume.FindOrCreateDatabase(L"CategoryMainDB");
    std::vector<CEPROPID> automatic;
    if (withId) automatic.push_back(MAKELONG(CEVT_AUTO_I4, 1));
    PimRecord& record = volume.AddRecord(database, automatic);
    if (name) record.SetText(MAKELONG(CEVT_LPWSTR, 2), name);
    record.SetNumber(MAKELONG(CEVT_I4, 3), flag);
  }
};

std::wstring Names() {
  std::wstring names;
  for (const std::unique_ptr<Category>& category : Categories().Categories())
    names += category->name.c_str() + std::wstring(L"|");
  return names;
}

TEST_F(CategoryManagerTest, LoadReadsTheDeviceDatabaseValuesAndSelections) {
  {
    PimVolumeWriter writer;
    ASSERT_TRUE(writer.Open(kVolume));
    PimVolume& volume = writer.Volume();
    AddRecord(volume, L"beta", true, 1);
    AddRecord(volume, L"Alpha");
    AddRecord(volume, L"ALPHA");          // the same name in other letters: only the first counts
    AddRecord(volume, L"No id", false);   // no property 1
    AddRecord(volume, L"");               // no name
    AddRecord(volume, nullptr);
    PimRecord& wrongType = volume.AddRecord(*volume.FindDatabase(L"CategoryMainDB"), {MAKELONG(CEVT_AUTO_I4, 1)});
    wrongType.SetNumber(MAKELONG(CEVT_I4, 2), 5);  // a name that is no text
    AddRecord(volume, L"Ölbaum");
    ASSERT_TRUE(writer.Commit());
  }
  const BYTE bitmap[] = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0,
                         0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0};
  HANDLE file = CreateFileW((std::wstring(kIcons) + L"\\Alpha.bmp").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bitmap, sizeof bitmap, &written, nullptr);
  CloseHandle(file);
  WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatColor.beta", 0x00FF00);
  WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatFilter.beta", 6);
  SettingsStore& store = Store();
  store.calendar.CalendarSelCategory.value.Assign(L"beta");
  store.tasks.TasksSelCategory.value.Assign(L"gone");
  store.tasks.TasksSelFilter.value = 0;
  store.contacts.ContactsSelCategory.value.Assign(L"BETA");
  store.contacts.ContactsSelFilter.value = 5;
  store.specialEvents.SEventsSelFilter.value = 40;

  CategoryManager& manager = Categories();
  manager.Load(nullptr);
  EXPECT_EQ(L"Alpha|beta|Ölbaum|", Names());
  Category* alpha = manager.FindCategory(L"Alpha");
  Category* beta = manager.FindCategory(L"beta");
  EXPECT_EQ(2, alpha->id);
  EXPECT_EQ(1, beta->id);
  EXPECT_TRUE(beta->flag);
  EXPECT_FALSE(alpha->flag);
  EXPECT_TRUE(alpha->icon);
  EXPECT_FALSE(beta->icon);
  EXPECT_EQ(0x00FF00u, beta->colour);
  EXPECT_EQ(6u, beta->filterBits);
  EXPECT_EQ(0xFFFFFFFFu, alpha->colour);
  EXPECT_EQ(0u, alpha->filterBits);
  EXPECT_EQ(nullptr, manager.FindCategory(L"ALPHA"));
  EXPECT_EQ(32u, manager.Filters().size());

  EXPECT_EQ(beta, manager.calendarSelection);
  EXPECT_EQ(manager.NoCategory(), manager.tasksSelection);
  EXPECT_EQ(manager.FindFilter(5), manager.contactsSelection);
  EXPECT_EQ(manager.NoCategory(), manager.specialEventsSelection);

  // No volume at all: no categories, but filters and selections as usual.
  DeleteFileW(kVolume);
  manager.Load(nullptr);
  EXPECT_TRUE(manager.Categories().empty());
  EXPECT_EQ(manager.FindFilter(5), manager.contactsSelection);
}

TEST_F(CategoryManagerTest, SavingWritesColoursAndMembershipsThatAreSet) {
  WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatColor.Café", 9);
  WriteDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatFilter.Business", 9);
  Categories().FindCategory(L"Business")->filterBits = 0;
  ASSERT_TRUE(Categories().SaveCategories());
  std::vector<std::wstring> names = ValueNames(HKEY_CURRENT_USER, kCategoriesKey);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::vector<std::wstring>({L"CatColor.Business", L"CatColor.Family", L"CatColor.Путешествия",
                                       L"CatFilter.Café", L"CatFilter.Family", L"CatFilter.Путешествия"}),
            names);
  EXPECT_EQ(Categories().FindCategory(L"Family")->colour,
            ReadDword(HKEY_CURRENT_USER, kCategoriesKey, L"CatColor.Family"));
}

TEST_F(CategoryManagerTest, SelectionRule) {
  CategoryManager& manager = Categories();
  Category* family = manager.FindCategory(L"Family");     // in filter 1
  Category* business = manager.FindCategory(L"Business");
  business->filterBits = 1u << 31;                          // in filter 32 only
  CategoryFilter* first = manager.FindFilter(1);
  CategoryFilter* last = manager.FindFilter(32);
  const Category* both[] = {family, business};
  const Category* onlyFamily[] = {family};
  std::span<const Category* const> none;

  EXPECT_TRUE(ItemMatches(none, nullptr, 0));
  EXPECT_TRUE(ItemMatches(none, manager.NoCategory(), 2));
  EXPECT_TRUE(ItemMatches(both, business, 0));
  EXPECT_FALSE(ItemMatches(onlyFamily, business, 0));
  EXPECT_TRUE(ItemMatches(onlyFamily, first, 0));
  EXPECT_FALSE(ItemMatches(onlyFamily, last, 0));
  EXPECT_TRUE(ItemMatches(both, last, 0));
  EXPECT_FALSE(ItemMatches(none, first, 0));
  first->includeUncategorized = 1;
  EXPECT_TRUE(ItemMatches(none, first, 0));
  first->sensitivity = 2;  // no normal items
  EXPECT_FALSE(ItemMatches(onlyFamily, first, 0));
  EXPECT_TRUE(ItemMatches(onlyFamily, first, 2));
  first->sensitivity = 1;  // no private items
  EXPECT_FALSE(ItemMatches(onlyFamily, first, 2));
  EXPECT_TRUE(ItemMatches(onlyFamily, first, 1));
}

}  // namespace
