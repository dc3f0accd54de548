#include "tests/backup/backup_fixture.h"

#include <cwchar>

#include "settings/files/category_manager.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

std::wstring DumpCategories() {
  std::wstring out;
  wchar_t line[64];
  for (const std::unique_ptr<Category>& category : Categories().Categories()) {
    std::swprintf(line, 64, L"=%08lx,%08lx\n", static_cast<unsigned long>(category->colour),
                  static_cast<unsigned long>(category->filterBits));
    out += category->name.c_str() + std::wstring(line);
  }
  for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters()) {
    std::swprintf(line, 64, L"%ld:%lu,%d,%d=", static_cast<long>(filter->index),
                  static_cast<unsigned long>(filter->sensitivity), filter->visible, filter->includeUncategorized);
    out += line + std::wstring(filter->name.c_str()) + L"\n";
  }
  return out;
}

void FillProductTree() {
  const std::wstring root = kProductKey;
  WriteDword(HKEY_CURRENT_USER, root.c_str(), L"OnClick", 2);
  WriteDword(HKEY_CURRENT_USER, root.c_str(), L"NoColour", 0xFFFFFFFF);
  WriteDword(HKEY_CURRENT_USER, root.c_str(), L"Negative", static_cast<DWORD>(-123456));
  WriteString(HKEY_CURRENT_USER, root.c_str(), L"SkinPath", L"\\Skins\\Blue");
  WriteString(HKEY_CURRENT_USER, root.c_str(), L"Quoted", L"say \"hi\"=\"there\" \"");
  WriteString(HKEY_CURRENT_USER, root.c_str(), L"", L"the key's own value");
  WriteString(HKEY_CURRENT_USER, root.c_str(), std::wstring(300, L'n').c_str(), std::wstring(5000, L't').c_str());
  WriteString(HKEY_CURRENT_USER, (root + L"\\Calendar").c_str(), L"Empty", L"");
  WriteDword(HKEY_CURRENT_USER, (root + L"\\Calendar").c_str(), L"dNumOfDays", 7);
  WriteString(HKEY_CURRENT_USER, (root + L"\\Contacts\\Alphabets").c_str(), L"Greek", L"ΑΒΓΔ");
  WriteDword(HKEY_CURRENT_USER, (root + L"\\Categories").c_str(), L"CatColor.Business", 0x0000FF);
  HKEY empty;
  RegCreateKeyExW(HKEY_CURRENT_USER, (root + L"\\Empty").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &empty, nullptr);
  RegCloseKey(empty);
}

void FillCategories() {
  CategoryManager& manager = Categories();
  manager.Clear();
  manager.ResetFilters();
  const wchar_t* names[] = {L"Family", L"Путешествия", L"Business", L"Café"};
  DWORD bits = 1;
  COLORREF colour = 0x102030;
  for (const wchar_t* name : names) {
    Category* category = manager.AddCategory(name, 1, false);
    ASSERT_NE(nullptr, category);
    category->filterBits = bits;
    category->colour = colour;
    bits = bits << 3 | 0x80000000;
    colour += 0x010101;
  }
  manager.FindCategory(L"Café")->colour = 0xFFFFFFFF;
  CategoryFilter* second = manager.FindFilter(2);
  second->name.Assign(L"Work \"and\" trips=\"yes\"");
  second->visible = 0;
  second->includeUncategorized = 1;
  manager.FindFilter(32)->name.Assign(L"Ärzte und Путешествия");
}

std::vector<std::wstring> SplitSections(const std::wstring& text) {
  std::vector<std::wstring> sections;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t next = text.find(L"\n\n[", at + 1);
    next = next == std::wstring::npos ? text.size() : next + 1;
    sections.push_back(text.substr(at, next - at));
    at = next;
  }
  return sections;
}

void BackupTest::SetUp() {
  ResetProductRegistry();
  FillCategories();
}

void BackupTest::TearDown() {
  ResetProductRegistry();
  Categories().Clear();
}
