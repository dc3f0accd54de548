#include "settings/files/backup_file.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "settings/files/category_manager.h"
#include "settings/files/registry_snapshot.h"
#include "settings/files/settings_text_lines.h"
#include "settings/store/key_group.h"
#include "settings/store/registry_values.h"

namespace {

constexpr wchar_t kCategoriesHeader[] = L"::Categories::";
constexpr wchar_t kFiltersHeader[] = L"::Filters::";

void AppendNumberLine(std::wstring& file, std::wstring_view name, LONG value) {
  wchar_t digits[16];
  std::swprintf(digits, 16, L"%ld", static_cast<long>(value));
  file += L'"';
  file += name;
  file += L"\"=dword:";
  file += digits;
  file += L'\n';
}

void AppendStringLine(std::wstring& file, std::wstring_view name, std::wstring_view text) {
  file += L'"';
  file += name;
  file += L"\"=\"";
  file += text;
  file += L"\"\n";
}

void AppendHeader(std::wstring& file, std::wstring_view name) {
  file += L"\n[";
  file += name;
  file += L"]\n";
}

// A value's data as the writer's text: up to its first null, whole characters only.
std::wstring_view TextOf(const std::vector<BYTE>& data, DWORD size) {
  std::wstring_view text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

LONG NumberOf(const std::vector<BYTE>& data, DWORD size) {
  DWORD value = 0;
  for (DWORD i = 0; i < size && i < 4; ++i) value |= static_cast<DWORD>(data[i]) << (8 * i);
  return static_cast<LONG>(value);
}

// Whether a section's key lies in the product's own tree (the registry ignores case).
bool InProductTree(std::wstring_view path) {
  const std::size_t length = std::wcslen(kProductKeyPath);
  if (path.size() < length ||
      CompareStringOrdinal(path.data(), static_cast<int>(length), kProductKeyPath, static_cast<int>(length), TRUE) !=
          CSTR_EQUAL)
    return false;
  return path.size() == length || path[length] == L'\\';
}

void SkipSection(WideTextLines& file) {
  std::wstring_view line;
  while (file.Next(line) && !IsSectionBreak(line)) {
  }
}

// The next line of a block; false at the end of the section or the file.
bool NextInSection(WideTextLines& file, std::wstring_view& line) { return file.Next(line) && !IsSectionBreak(line); }

// The category colours and memberships and the filter fields an import may change, to put
// back when it fails.
class CategoryState {
 public:
  void Take() {
    for (const std::unique_ptr<Category>& category : Categories().Categories())
      categories_.push_back({category.get(), category->filterBits, category->colour});
    for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters())
      filters_.push_back({filter.get(), filter->name, filter->visible, filter->includeUncategorized});
  }
  void Restore() const {
    for (const CategoryValues& values : categories_) {
      values.category->filterBits = values.filterBits;
      values.category->colour = values.colour;
    }
    for (const FilterValues& values : filters_) {
      values.filter->name = values.name;
      values.filter->visible = values.visible;
      values.filter->includeUncategorized = values.includeUncategorized;
    }
  }

 private:
  struct CategoryValues {
    Category* category;
    DWORD filterBits;
    COLORREF colour;
  };
  struct FilterValues {
    CategoryFilter* filter;
    WideString name;
    BYTE visible;
    BYTE includeUncategorized;
  };
  std::vector<CategoryValues> categories_;
  std::vector<FilterValues> filters_;
};

}  // namespace

void WriteBackup(std::wstring& file) {
  WriteKeySection(kProductKeyPath, file);
  WriteCategoriesSection(file);
  WriteFiltersSection(file);
}

void WriteKeySection(const wchar_t* keyPath, std::wstring& file) {
  RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, keyPath, RegistryKey::OnClose::kPlainClose);
  AppendHeader(file, keyPath);
  if (!key) return;
  DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values, &longestName,
                       &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  std::vector<wchar_t> name(std::max<DWORD>(std::max(longestName, longestSubKey), 255) + 2);
  std::vector<BYTE> data(longestData + 2);
  for (DWORD index = 0; index < values; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      continue;
    const std::wstring_view valueName(name.data(), nameLength);
    if (type == REG_SZ) AppendStringLine(file, valueName, TextOf(data, size));
    else if (type == REG_DWORD) AppendNumberLine(file, valueName, NumberOf(data, size));
  }
  std::vector<std::wstring> children;
  for (DWORD index = 0; index < subKeys; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key.Get(), index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
      children.emplace_back(name.data(), nameLength);
  }
  key.Close();
  for (const std::wstring& child : children) WriteKeySection((std::wstring(keyPath) + L"\\" + child).c_str(), file);
}

void WriteCategoriesSection(std::wstring& file) {
  AppendHeader(file, kCategoriesHeader);
  for (const std::unique_ptr<Category>& category : Categories().Categories()) {
    AppendStringLine(file, L"Category", category->name.c_str());
    AppendNumberLine(file, L"FiltersFlag", static_cast<LONG>(category->filterBits));
    AppendNumberLine(file, L"Color", static_cast<LONG>(category->colour));
  }
}

void WriteFiltersSection(std::wstring& file) {
  AppendHeader(file, kFiltersHeader);
  for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters()) {
    AppendStringLine(file, L"FilterName", filter->name.c_str());
    AppendNumberLine(file, L"Index", filter->index);
    AppendNumberLine(file, L"VisibleState", filter->visible ? 1 : 0);
    AppendNumberLine(file, L"IncludeUncategorized", filter->includeUncategorized ? 1 : 0);
  }
}

bool ReadBackup(WideTextLines& file) {
  file.Rewind();
  std::wstring_view line;
  if (!file.Next(line) || !IsSectionBreak(line)) return false;
  while (file.Next(line)) {
    std::wstring_view name;
    if (!ParseSectionHeader(line, name)) continue;
    if (name == kCategoriesHeader) {
      ReadCategoriesSection(file);
    } else if (name == kFiltersHeader) {
      ReadFiltersSection(file);
    } else if (!InProductTree(name)) {
      SkipSection(file);
    } else {
      const std::wstring path(name);
      if (path == kProductKeyPath) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKeyPath);
        RegDeleteKeyW(HKEY_CURRENT_USER, kProductKeyPath);
      }
      if (!ReadKeySection(path.c_str(), file)) return false;
    }
  }
  return true;
}

bool ReadKeySection(const wchar_t* keyPath, WideTextLines& file) {
  RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, keyPath);
  if (!key) return false;
  std::wstring_view line;
  while (file.Next(line) && !IsSectionBreak(line)) {
    std::wstring_view name, text;
    LONG number = 0;
    if (line.find(L"\"=\"") != std::wstring_view::npos) {
      if (!ParseStringLine(line, name, text)) continue;
      const LONG status = WriteStringValue(key.Get(), std::wstring(name).c_str(), std::wstring(text).c_str(),
                                           L"not_the_same");
      if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return false;
    } else if (line.find(L"\"=dword:") != std::wstring_view::npos) {
      if (!ParseNumberLine(line, 10, name, number)) continue;
      if (RegSetValueExW(key.Get(), std::wstring(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                         sizeof number) != ERROR_SUCCESS)
        return false;
    }
  }
  return true;
}

// Each category takes three lines by position, or four when the third is not the colour.
// A line that does not parse keeps the value last read; a block cut short by the end of the
// section is dropped, so that the next section's header is not taken for its lines.
void ReadCategoriesSection(WideTextLines& file) {
  std::wstring name;
  LONG bits = 0, colour = 0;
  std::wstring_view line, parsedName, text;
  while (NextInSection(file, line)) {
    if (ParseStringLine(line, parsedName, text)) name = text;
    if (!NextInSection(file, line)) return;
    ParseNumberLine(line, 10, parsedName, bits);
    if (!NextInSection(file, line)) return;
    const bool colourLine = ParseNumberLine(line, 10, parsedName, colour) &&
                            CompareStringOrdinal(parsedName.data(), static_cast<int>(parsedName.size()), L"Color", 5,
                                                 TRUE) == CSTR_EQUAL;
    if (!colourLine) {
      if (!NextInSection(file, line)) return;
      ParseNumberLine(line, 10, parsedName, colour);
    }
    if (Category* category = Categories().FindCategory(name.c_str())) {
      category->filterBits = static_cast<DWORD>(bits);
      category->colour = static_cast<COLORREF>(colour);
    }
  }
}

void ReadFiltersSection(WideTextLines& file) {
  std::wstring title;
  LONG index = 0, visible = 0, uncategorized = 0;
  std::wstring_view line, parsedName, text;
  while (NextInSection(file, line)) {
    if (ParseStringLine(line, parsedName, text)) title = text;
    if (!NextInSection(file, line)) return;
    ParseNumberLine(line, 10, parsedName, index);
    if (!NextInSection(file, line)) return;
    ParseNumberLine(line, 10, parsedName, visible);
    if (!NextInSection(file, line)) return;
    ParseNumberLine(line, 10, parsedName, uncategorized);
    if (CategoryFilter* filter = Categories().FindFilter(index)) {
      filter->name.Assign(title.c_str());
      filter->visible = visible != 0;
      filter->includeUncategorized = uncategorized != 0;
    }
  }
}

bool RestoreBackup(std::wstring_view text) {
  RegistrySnapshot registry;
  if (!registry.Take(HKEY_CURRENT_USER, kProductKeyPath)) return false;
  CategoryState categories;
  categories.Take();
  WideTextLines lines(text);
  if (ReadBackup(lines)) return true;
  registry.Restore();
  categories.Restore();
  return false;
}
