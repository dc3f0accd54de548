#pragma once
// The one category manager of the program: the device's PIM categories with the colour and
// filter membership the product gives each, the 32 category filters of the filters file,
// and the category or filter that each PIM tab of the plug-in shows.
#include <windows.h>

#include <memory>
#include <span>
#include <vector>

#include "settings/files/category_items.h"

class CategoryManager {
 public:
  CategoryManager() = default;
  CategoryManager(const CategoryManager&) = delete;
  CategoryManager& operator=(const CategoryManager&) = delete;

  // Everything, at start-up after the settings store: the categories of the device's
  // category database with their icons and registry values, the filters file, the four
  // selections. The language library gives the "no category" entry its name.
  void Load(HMODULE languageLibrary);
  void Clear();

  // Reads every category's "CatColor." and "CatFilter." values; missing ones change nothing.
  void LoadCategoryValues();
  // Writes them (deleting a colour of -1 and membership bits of 0). False when some write failed.
  bool SaveCategories() const;

  // The filters file: 32 five-line blocks. Reading anything but exactly 32 blocks gives the
  // default filters and false. Writing replaces the file; false when it could not be written.
  bool ReadFiltersFile();
  bool WriteFiltersFile() const;
  void ResetFilters();
  // QMFiltersFileFolder + "\QMFilters.txt".
  static WideString FiltersFilePath();

  void ResolveSelections();
  // The category of that name (exact), else the filter of that index, else the no-category entry.
  CategoryItem* FindItem(const wchar_t* name, LONG index);
  CategoryFilter* FindFilter(LONG index);
  // The category whose name is exactly that (case-sensitive), or null.
  Category* FindCategory(const wchar_t* name);

  // Adds a category in name order (names compared ignoring case in the user's locale); null
  // when one of that name is already there.
  Category* AddCategory(const wchar_t* name, WORD id, bool flag);

  std::span<const std::unique_ptr<Category>> Categories() const { return categories_; }
  std::span<const std::unique_ptr<CategoryFilter>> Filters() const { return filters_; }
  NoCategoryItem* NoCategory() const { return noCategory_.get(); }

  // What a tab shows: a category, a filter or the no-category entry; null before Load.
  CategoryItem* calendarSelection = nullptr;
  CategoryItem* tasksSelection = nullptr;
  CategoryItem* contactsSelection = nullptr;
  CategoryItem* specialEventsSelection = nullptr;

 private:
  void LoadDatabaseCategories();

  std::unique_ptr<NoCategoryItem> noCategory_;
  std::vector<std::unique_ptr<Category>> categories_;
  std::vector<std::unique_ptr<CategoryFilter>> filters_;
};

// The process's one manager, constructed before the program's entry function runs.
CategoryManager& Categories();

// Whether an item with these categories and this sensitivity passes a tab's selection.
bool ItemMatches(std::span<const Category* const> itemCategories, const CategoryItem* selection,
                 DWORD itemSensitivity);
