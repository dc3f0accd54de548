// The backup file: its exact format, restoring it, and all-or-nothing imports.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "settings/files/backup_file.h"
#include "settings/files/category_manager.h"
#include "tests/backup/backup_fixture.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

std::wstring Backup() {
  std::wstring text;
  WriteBackup(text);
  return text;
}

TEST_F(BackupTest, WritesKeysDepthFirstThenCategoriesThenFilters) {
  const std::wstring root = kProductKey;
  WriteDword(HKEY_CURRENT_USER, root.c_str(), L"OnClick", 0xFFFFFFFF);
  WriteString(HKEY_CURRENT_USER, root.c_str(), L"Skin", L"a \"b\"");
  const BYTE bits[] = {1, 2, 3};
  RegSetKeyValueW(HKEY_CURRENT_USER, root.c_str(), L"Folds", REG_BINARY, bits, sizeof bits);
  RegSetKeyValueW(HKEY_CURRENT_USER, root.c_str(), L"Path", REG_EXPAND_SZ, L"%TEMP%", 14);
  WriteString(HKEY_CURRENT_USER, (root + L"\\Fonts\\Deep").c_str(), L"", L"x");
  WriteDword(HKEY_CURRENT_USER, (root + L"\\Calendar").c_str(), L"Days", 7);
  Categories().Clear();
  Categories().ResetFilters();
  Categories().AddCategory(L"Work", 3, false)->filterBits = 0x80000001;

  std::wstring expected =
      L"\n[Software\\Tessaly\\Quillmere]\n"
      L"\"OnClick\"=dword:-1\n"
      L"\"Skin\"=\"a \"b\"\"\n"
      L"\n[Software\\Tessaly\\Quillmere\\Calendar]\n"
      L"\"Days\"=dword:7\n"
      L"\n[Software\\Tessaly\\Quillmere\\Fonts]\n"
      L"\n[Software\\Tessaly\\Quillmere\\Fonts\\Deep]\n"
      L"\"\"=\"x\"\n"
      L"\n[::Categories::]\n"
      L"\"Category\"=\"Work\"\n\"FiltersFlag\"=dword:-2147483647\n\"Color\"=dword:-1\n"
      L"\n[::Filters::]\n";
  for (int index = 1; index <= 32; ++index)
    expected += L"\"FilterName\"=\"Filter " + std::to_wstring(index) + L"\"\n\"Index\"=dword:" +
                std::to_wstring(index) + L"\n\"VisibleState\"=dword:1\n\"IncludeUncategorized\"=dword:0\n";
  EXPECT_EQ(expected, Backup());
}

TEST_F(BackupTest, RestoringABackupGivesBackEveryValueCategoryAndFilter) {
  FillProductTree();
  const std::wstring text = Backup();
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProductKey);
  const std::wstring categories = DumpCategories();

  // Everything changes before the import: values gone and added, categories and filters edited.
  DeleteKeyTree(HKEY_CURRENT_USER, (std::wstring(kProductKey) + L"\\Contacts").c_str());
  WriteDword(HKEY_CURRENT_USER, kProductKey, L"Stray", 1);
  WriteString(HKEY_CURRENT_USER, kProductKey, L"SkinPath", L"\\Other");
  for (const std::unique_ptr<Category>& category : Categories().Categories()) category->colour = 5;
  Categories().ResetFilters();

  ASSERT_TRUE(RestoreBackup(text));
  EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProductKey));
  EXPECT_EQ(categories, DumpCategories());
  EXPECT_EQ(text, Backup());
}

TEST_F(BackupTest, ReadsHandwrittenFilesByTheLineRules) {
  WriteString(HKEY_CURRENT_USER, kProductKey, L"Gone", L"deleted with the product key");
  WriteDword(HKEY_CURRENT_USER, L"Software\\Elsewhere", L"Kept", 1);
  const std::wstring file =
      L"\n"
      L"stray line before any section\n"
      L"\n[Software\\Tessaly\\Quillmere]\n"
      L"\"Erased\"=\"not_the_same\"\n"
      L"\"Quoted\"=\"a\"=\"b\" \"c\"\"\n"
      L"\"Minus\"=dword:-1\n"
      L"\"Spaced\"=dword:  +42\r\n"
      L"\"Huge\"=dword:99999999999999\n"
      L"no quotes=dword:5\n"
      L"\"Short\"=dword\n"
      L"\"Bad\"=\"\n"
      L"\n[software\\tessaly\\quillmere\\Calendar]\n"
      L"\"Days\"=dword:3\n"
      L"\n[Software\\Elsewhere]\n"
      L"\"Written\"=dword:1\n"
      L"\n[Software\\Tessaly\\QuillmereX]\n"
      L"\"Written\"=dword:1\n"
      L"\n[::Categories::]\n"
      L"\"Category\"=\"Business\"\n\"FiltersFlag\"=dword:6\n\"Extra\"=dword:9\n\"Color\"=dword:255\n"
      L"\"Category\"=\"Unknown\"\n\"FiltersFlag\"=dword:1\n\"Color\"=dword:1\n"
      L"\"Category\"=\"Family\"\n\"FiltersFlag\"=dword:12\n"
      L"\n[::Filters::]\n"
      L"\"FilterName\"=\"Trips\"\n\"Index\"=dword:3\n\"VisibleState\"=dword:0\n\"IncludeUncategorized\"=dword:7\n"
      L"\"FilterName\"=\"Nowhere\"\n\"Index\"=dword:33\n\"VisibleState\"=dword:0\n\"IncludeUncategorized\"=dword:0\n";
  const DWORD familyBits = Categories().FindCategory(L"Family")->filterBits;

  ASSERT_TRUE(RestoreBackup(file));
  EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kProductKey, L"Gone"));
  EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kProductKey, L"Erased"));
  EXPECT_EQ(L"a\"=\"b\" \"c\"", ReadString(HKEY_CURRENT_USER, kProductKey, L"Quoted"));
  EXPECT_EQ(0xFFFFFFFFu, ReadDword(HKEY_CURRENT_USER, kProductKey, L"Minus"));
  EXPECT_EQ(42u, ReadDword(HKEY_CURRENT_USER, kProductKey, L"Spaced"));
  EXPECT_EQ(0x7FFFFFFFu, ReadDword(HKEY_CURRENT_USER, kProductKey, L"Huge"));
  std::vector<std::wstring> names = ValueNames(HKEY_CURRENT_USER, kProductKey);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::vector<std::wstring>({L"Huge", L"Minus", L"Quoted", L"Spaced"}), names);
  EXPECT_EQ(3u, ReadDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Calendar", L"Days"));
  // Only the product's own tree is written.
  EXPECT_EQ(std::vector<std::wstring>({L"Kept"}), ValueNames(HKEY_CURRENT_USER, L"Software\\Elsewhere"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Tessaly\\QuillmereX"));
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Elsewhere");

  Category* business = Categories().FindCategory(L"Business");
  EXPECT_EQ(6u, business->filterBits);
  EXPECT_EQ(255u, business->colour);
  // A block cut short by the section's end changes nothing.
  EXPECT_EQ(familyBits, Categories().FindCategory(L"Family")->filterBits);
  CategoryFilter* trips = Categories().FindFilter(3);
  EXPECT_STREQ(L"Trips", trips->name.c_str());
  EXPECT_EQ(0, trips->visible);
  EXPECT_EQ(1, trips->includeUncategorized);
}

TEST_F(BackupTest, FilesThatAreNoBackupChangeNothing) {
  FillProductTree();
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProductKey);
  const std::wstring categories = DumpCategories();
  for (const wchar_t* file : {L"", L"[Software\\Tessaly\\Quillmere]\n\"A\"=dword:1\n", L" \n[::Filters::]\n"}) {
    EXPECT_FALSE(RestoreBackup(file)) << file;
    EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProductKey));
  }
  // A colour scheme: no section for the product key itself, so nothing is deleted first.
  ASSERT_TRUE(RestoreBackup(L"\n[Software\\Tessaly\\Quillmere\\Colors]\n\"Back\"=dword:1\n"));
  EXPECT_TRUE(ReadString(HKEY_CURRENT_USER, kProductKey, L"SkinPath"));
  EXPECT_EQ(categories, DumpCategories());
}

// A section that cannot be written (a key name over the registry's limit, a value name over
// its limit) after any section of a real backup leaves the registry and the categories as
// they were.
TEST_F(BackupTest, AFailureAtAnyPointLeavesEverythingAsItWas) {
  FillProductTree();
  const std::vector<std::wstring> sections = SplitSections(Backup());
  ASSERT_GE(sections.size(), 7u);
  WriteDword(HKEY_CURRENT_USER, kProductKey, L"Before", 1);
  Categories().FindCategory(L"Family")->colour = 77;
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProductKey);
  const std::wstring categories = DumpCategories();
  const std::wstring badKey = L"\n[Software\\Tessaly\\Quillmere\\" + std::wstring(300, L'k') + L"]\n\"A\"=dword:1\n";
  const std::wstring badValue = L"\"" + std::wstring(16384, L'v') + L"\"=dword:1\n";

  auto expectUnchanged = [&](const std::wstring& file, const std::string& where) {
    EXPECT_FALSE(RestoreBackup(file)) << where;
    EXPECT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProductKey)) << where;
    EXPECT_EQ(categories, DumpCategories()) << where;
  };
  for (std::size_t at = 0; at <= sections.size(); ++at) {
    std::wstring file;
    for (std::size_t i = 0; i < sections.size(); ++i) file += (i == at ? badKey : L"") + sections[i];
    expectUnchanged(at == sections.size() ? file + badKey : file, "bad key before section " + std::to_string(at));
  }
  for (std::size_t at = 0; at < sections.size(); ++at) {
    if (sections[at].find(L"[::") != std::wstring::npos) continue;
    std::wstring file;
    for (std::size_t i = 0; i < sections.size(); ++i) file += sections[i] + (i == at ? badValue : L"");
    expectUnchanged(file, "bad value in section " + std::to_string(at));
  }
}

// Mutated backups: nothing crashes, a failed import changes nothing, and nothing outside the
// product's tree is ever written.
TEST_F(BackupTest, MutatedFilesAreReadSafelyAndAllOrNothing) {
  WriteDword(HKEY_CURRENT_USER, kProductKey, L"OnClick", 1);
  WriteString(HKEY_CURRENT_USER, kProductKey, L"Name", L"Blue \"sky\"");
  const std::wstring seed = Backup();
  const std::wstring registry = DumpRegistryTree(HKEY_CURRENT_USER, kProductKey);
  const std::wstring categories = DumpCategories();
  std::mt19937 random(20261208);
  auto pick = [&](std::size_t size) { return size ? std::uniform_int_distribution<std::size_t>(0, size - 1)(random) : 0; };
  const std::wstring inserts[] = {std::wstring(1, L'\0'), L"\n", L"\"", L"=", L"\"=\"", L"=dword:", L"99999999999999999999",
                                  L"[", L"]\n", L"\n\n[Software\\Other]\n\"X\"=dword:1\n", std::wstring(17000, L'n')};
  const std::wstring failing = L"\n[Software\\Tessaly\\Quillmere\\" + std::wstring(260, L'k') + L"]\n";
  int failed = 0;
  for (int round = 0; round < 1000; ++round) {
    std::wstring file = seed;
    for (int edits = 1 + static_cast<int>(pick(4)); edits > 0; --edits) {
      const std::size_t at = pick(file.size() + 1);
      switch (pick(5)) {
        case 0: file.resize(at); break;
        case 1: if (file.find(L'\n', at) != std::wstring::npos) file.erase(file.find(L'\n', at), 1); break;
        case 2: file.insert(at, inserts[pick(std::size(inserts))]); break;
        case 3: if (file.find(L'"', at) != std::wstring::npos) file.erase(file.find(L'"', at), 1); break;
        default: file.insert(file.rfind(L'\n', at) == std::wstring::npos ? 0 : file.rfind(L'\n', at) + 1, failing);
      }
    }
    if (RestoreBackup(file)) {
      ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Other")) << "round " << round;
      ASSERT_TRUE(RestoreBackup(seed));
    } else {
      ++failed;
      ASSERT_EQ(registry, DumpRegistryTree(HKEY_CURRENT_USER, kProductKey)) << "round " << round;
      ASSERT_EQ(categories, DumpCategories()) << "round " << round;
    }
  }
  EXPECT_GT(failed, 150);
}

}  // namespace
