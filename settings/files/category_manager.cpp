#include "settings/files/category_manager.h"

#include <algorithm>
#include <new>

#include "platform/aygshell.h"
#include "platform/windbase.h"
#include "settings/base/load_text.h"
#include "settings/files/filters_file.h"
#include "settings/files/wide_text_file.h"
#include "settings/store/registry_values.h"
#include "settings/store/settings_store.h"

namespace {

CategoryManager g_categories;

constexpr wchar_t kCategoryDatabase[] = L"CategoryMainDB";
constexpr CEPROPID kIdProperty = MAKELONG(CEVT_AUTO_I4, 1);
constexpr CEPROPID kNameProperty = MAKELONG(CEVT_LPWSTR, 2);
constexpr CEPROPID kFlagProperty = MAKELONG(CEVT_I4, 3);
constexpr WORD kNoId = 0xFFFF;

int CompareNames(const wchar_t* a, const wchar_t* b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
}

// The value of a property read with the type asked for, or null.
const CEPROPVAL* FoundProperty(const CEPROPVAL* values, WORD count, CEPROPID propid) {
  for (WORD i = 0; i < count; ++i)
    if (values[i].propid == propid && !(values[i].wFlags & CEDB_PROPNOTFOUND)) return &values[i];
  return nullptr;
}

// The mounted volume and the open database, released in reverse on scope exit.
class CategoryDatabase {
 public:
  CategoryDatabase() {
    mounted_ = CeMountDBVolEx(&volume_, const_cast<LPWSTR>(L"\\pim.vol"), nullptr, OPEN_EXISTING) != FALSE;
    if (!mounted_) return;
    CEOID oid = 0;
    database_ = CeOpenDatabaseInSession(nullptr, &volume_, &oid, const_cast<LPWSTR>(kCategoryDatabase), nullptr,
                                        CEDB_AUTOINCREMENT, nullptr);
  }
  CategoryDatabase(const CategoryDatabase&) = delete;
  CategoryDatabase& operator=(const CategoryDatabase&) = delete;
  ~CategoryDatabase() {
    if (database_ != INVALID_HANDLE_VALUE) CloseHandle(database_);
    if (mounted_) CeUnmountDBVol(&volume_);
  }

  // Ready when the database is open and its first record could be sought.
  bool SeekBeginning() const {
    return database_ != INVALID_HANDLE_VALUE && CeSeekDatabaseEx(database_, CEDB_SEEK_BEGINNING, 0, 0, nullptr) != 0;
  }
  HANDLE Handle() const { return database_; }

 private:
  CEGUID volume_{};
  bool mounted_ = false;
  HANDLE database_ = INVALID_HANDLE_VALUE;
};

}  // namespace

CategoryManager& Categories() { return g_categories; }

void CategoryManager::Load(HMODULE languageLibrary) {
  Clear();
  noCategory_.reset(new (std::nothrow) NoCategoryItem);
  if (noCategory_) LoadText(languageLibrary, 101, noCategory_->name);
  LoadDatabaseCategories();
  LoadCategoryValues();
  ReadFiltersFile();
  ResolveSelections();
}

void CategoryManager::LoadDatabaseCategories() {
  CategoryDatabase database;
  if (!database.SeekBeginning()) return;
  for (;;) {
    CEPROPID wanted[] = {kIdProperty, kNameProperty, kFlagProperty};
    WORD count = 3;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    if (!CeReadRecordPropsEx(database.Handle(), CEDB_ALLOWREALLOC, &count, wanted, &buffer, &size, nullptr)) {
      if (buffer) LocalFree(buffer);
      break;
    }
    const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
    const CEPROPVAL* id = FoundProperty(values, count, kIdProperty);
    const CEPROPVAL* name = FoundProperty(values, count, kNameProperty);
    const CEPROPVAL* flag = FoundProperty(values, count, kFlagProperty);
    const WORD categoryId = id ? LOWORD(id->val.ulVal) : kNoId;
    if (name && name->val.lpwstr && name->val.lpwstr[0] && categoryId < kNoId)
      if (Category* category = AddCategory(name->val.lpwstr, categoryId, flag && flag->val.lVal == 1)) {
        WideString path(Store().CategoryIconsFolder());
        path.Append(L"\\");
        path.Append(category->name.c_str());
        path.Append(L".bmp");
        category->icon.Reset(SHLoadDIBitmap(path.c_str()));
      }
    LocalFree(buffer);
  }
}

void CategoryManager::Clear() {
  calendarSelection = tasksSelection = contactsSelection = specialEventsSelection = nullptr;
  noCategory_.reset();
  categories_.clear();
  filters_.clear();
}

void CategoryManager::LoadCategoryValues() {
  RegistryKey opened = OpenKeyGroup(kCategoriesGroup, RegistryKey::OnClose::kPlainClose);
  const HKEY key = KeyWithValues(opened.Get());
  WideString name;
  for (const std::unique_ptr<Category>& category : categories_) {
    name.Assign(L"CatColor.");
    name.Append(category->name.c_str());
    category->colour = ReadDwordValue(name.c_str(), category->colour, key);
    name.Assign(L"CatFilter.");
    name.Append(category->name.c_str());
    category->filterBits = ReadDwordValue(name.c_str(), category->filterBits, key);
  }
}

bool CategoryManager::SaveCategories() const {
  RegistryKey key = OpenKeyGroup(kCategoriesGroup);
  if (!key) return false;
  bool ok = true;
  WideString name;
  auto write = [&](DWORD value, bool remove) {
    if (remove) {
      const LONG status = RegDeleteValueW(key.Get(), name.c_str());
      ok = ok && (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND);
    } else {
      ok = RegSetValueExW(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS &&
           ok;
    }
  };
  for (const std::unique_ptr<Category>& category : categories_) {
    name.Assign(L"CatColor.");
    name.Append(category->name.c_str());
    write(category->colour, category->colour == kNoCategoryColour);
    name.Assign(L"CatFilter.");
    name.Append(category->name.c_str());
    write(category->filterBits, category->filterBits == 0);
  }
  return ok;
}

WideString CategoryManager::FiltersFilePath() {
  WideString path(Store().general.QMFiltersFileFolder.value.c_str());
  path.Append(L"\\QMFilters.txt");
  return path;
}

bool CategoryManager::ReadFiltersFile() {
  std::string bytes;
  if (ReadFileBytes(FiltersFilePath().c_str(), bytes)) {
    std::vector<std::unique_ptr<CategoryFilter>> read = ParseFilterBlocks(FiltersFileLines(bytes));
    if (read.size() == kFilterCount) {
      filters_ = std::move(read);
      return true;
    }
  }
  ResetFilters();
  return false;
}

bool CategoryManager::WriteFiltersFile() const {
  return WriteWideTextFile(FiltersFilePath().c_str(), FormatFiltersFile(filters_));
}

void CategoryManager::ResetFilters() {
  filters_.clear();
  for (LONG index = 1; index <= kFilterCount; ++index) {
    std::unique_ptr<CategoryFilter> filter(new (std::nothrow) CategoryFilter);
    if (!filter) return;
    filter->index = index;
    filter->name.Format(L"Filter %d", static_cast<int>(index));
    filters_.push_back(std::move(filter));
  }
}

void CategoryManager::ResolveSelections() {
  SettingsStore& store = Store();
  calendarSelection = FindItem(store.calendar.CalendarSelCategory.value.c_str(), store.calendar.CalendarSelFilter.Signed());
  tasksSelection = FindItem(store.tasks.TasksSelCategory.value.c_str(), store.tasks.TasksSelFilter.Signed());
  contactsSelection =
      FindItem(store.contacts.ContactsSelCategory.value.c_str(), store.contacts.ContactsSelFilter.Signed());
  specialEventsSelection =
      FindItem(store.specialEvents.SEventsSelCategory.value.c_str(), store.specialEvents.SEventsSelFilter.Signed());
}

CategoryItem* CategoryManager::FindItem(const wchar_t* name, LONG index) {
  if (name && name[0])
    if (Category* category = FindCategory(name)) return category;
  if (index < 1) return noCategory_.get();
  if (CategoryFilter* filter = FindFilter(index)) return filter;
  return noCategory_.get();
}

CategoryFilter* CategoryManager::FindFilter(LONG index) {
  for (const std::unique_ptr<CategoryFilter>& filter : filters_)
    if (filter->index == index) return filter.get();
  return nullptr;
}

Category* CategoryManager::FindCategory(const wchar_t* name) {
  for (const std::unique_ptr<Category>& category : categories_)
    if (category->name.Equals(name)) return category.get();
  return nullptr;
}

Category* CategoryManager::AddCategory(const wchar_t* name, WORD id, bool flag) {
  auto at = std::lower_bound(categories_.begin(), categories_.end(), name,
                             [](const std::unique_ptr<Category>& category, const wchar_t* wanted) {
                               return CompareNames(category->name.c_str(), wanted) < 0;
                             });
  if (at != categories_.end() && CompareNames((*at)->name.c_str(), name) == 0) return nullptr;
  std::unique_ptr<Category> category(new (std::nothrow) Category);
  if (!category || !category->name.Assign(name)) return nullptr;
  category->id = id;
  category->flag = flag;
  return categories_.insert(at, std::move(category))->get();
}

bool ItemMatches(std::span<const Category* const> itemCategories, const CategoryItem* selection,
                 DWORD itemSensitivity) {
  if (!selection || selection->kind() == kNoCategoryKind) return true;
  if (selection->kind() == kCategoryKind)
    return std::find(itemCategories.begin(), itemCategories.end(), selection) != itemCategories.end();
  if (selection->kind() != kFilterKind) return false;
  const auto* filter = static_cast<const CategoryFilter*>(selection);
  if ((filter->sensitivity == 1 && itemSensitivity == 2) || (filter->sensitivity == 2 && itemSensitivity == 0))
    return false;
  if (filter->includeUncategorized && itemCategories.empty()) return true;
  for (const Category* category : itemCategories)
    if (category && category->InFilter(filter->index)) return true;
  return false;
}
