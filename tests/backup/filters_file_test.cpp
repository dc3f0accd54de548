// The filters file QMFilters.txt.
#include <gtest/gtest.h>

#include <random>

#include "settings/files/category_manager.h"
#include "settings/files/filters_file.h"
#include "settings/files/wide_text_file.h"
#include "settings/store/settings_store.h"
#include "tests/backup/backup_fixture.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\filters-test";
constexpr wchar_t kFile[] = L"C:\\filters-test\\QMFilters.txt";

class FiltersFileTest : public BackupTest {
 protected:
  void SetUp() override {
    BackupTest::SetUp();
    CreateDirectoryW(kFolder, nullptr);
    Store().general.QMFiltersFileFolder.value.Assign(kFolder);
  }
  void TearDown() override {
    DeleteFileW(kFile);
    RemoveDirectoryW(kFolder);
    BackupTest::TearDown();
  }

  static void WriteFilters(const std::string& bytes) { WriteBytes(kFile, bytes); }

  // Blocks `first` to `last` of an 8-bit file, titled "T<index>".
  static std::string EightBitBlocks(int first, int last) {
    std::string text;
    for (int block = first; block <= last; ++block)
      text += "[FILTER" + std::to_string(block) + "]\r\n\"Title\"=\"T" + std::to_string(block + 1) +
              "\"\r\n\"Sensitivity\"=dword:1\r\n\"Visible\"=dword:0\r\n\"Uncategorized\"=dword:1\r\n";
    return text;
  }

  static bool AllDefaults() {
    CategoryManager& manager = Categories();
    for (LONG index = 1; index <= 32; ++index) {
      CategoryFilter* filter = manager.FindFilter(index);
      if (!filter || filter->name.c_str() != L"Filter " + std::to_wstring(index) || filter->sensitivity != 0 ||
          filter->visible != 1 || filter->includeUncategorized != 0)
        return false;
    }
    return manager.Filters().size() == 32;
  }
};

TEST_F(FiltersFileTest, WritesUtf16BlocksThatReadBackWithEveryTitle) {
  CategoryFilter* first = Categories().FindFilter(1);
  first->sensitivity = 2;
  first->includeUncategorized = 1;
  const std::wstring before = DumpCategories();
  ASSERT_TRUE(Categories().WriteFiltersFile());

  std::wstring text;
  ASSERT_TRUE(ReadWideTextFile(kFile, text));
  EXPECT_EQ(0u, text.find(L"[FILTER0]\r\n\"Title\"=\"Filter 1\"\r\n\"Sensitivity\"=dword:2\r\n\"Visible\"=dword:1\r\n"
                          L"\"Uncategorized\"=dword:1\r\n[FILTER1]\r\n\"Title\"=\"Work \"and\" trips=\"yes\"\"\r\n"));
  EXPECT_NE(std::wstring::npos, text.find(L"[FILTER31]\r\n\"Title\"=\"Ärzte und Путешествия\"\r\n"));
  EXPECT_EQ(L"\"Uncategorized\"=dword:0\r\n", text.substr(text.size() - 25));

  Categories().ResetFilters();
  EXPECT_TRUE(Categories().ReadFiltersFile());
  EXPECT_EQ(before, DumpCategories());
}

TEST_F(FiltersFileTest, EightBitFilesAndDamagedFiles) {
  // An 8-bit file reads a byte to a character; a title line that does not parse leaves the
  // title empty; a number line that does not parse keeps the last number read.
  std::string file = EightBitBlocks(0, 31);
  file.replace(file.find("T1"), 2, "Caf\xE9");
  file.replace(file.find("\"Title\"=\"T2\""), 12, "Title=T2");
  file.replace(file.find("dword:0", file.find("[FILTER2]")), 7, "dword");
  WriteFilters(file + "[FILTER32] ignored without its line end");
  ASSERT_TRUE(Categories().ReadFiltersFile());
  EXPECT_STREQ(L"Café", Categories().FindFilter(1)->name.c_str());
  EXPECT_STREQ(L"", Categories().FindFilter(2)->name.c_str());
  EXPECT_EQ(1, Categories().FindFilter(3)->visible);
  EXPECT_EQ(0, Categories().FindFilter(4)->visible);
  EXPECT_EQ(1u, Categories().FindFilter(32)->sensitivity);

  for (const std::string& broken : {EightBitBlocks(0, 30), EightBitBlocks(1, 32), std::string()}) {
    WriteFilters(broken);
    EXPECT_FALSE(Categories().ReadFiltersFile());
    EXPECT_TRUE(AllDefaults());
  }
  DeleteFileW(kFile);
  EXPECT_FALSE(Categories().ReadFiltersFile());
  EXPECT_TRUE(AllDefaults());
}

// Mutated files never crash the reader, which ends with 32 filters of indexes 1 to 32 or
// with the defaults. Most rounds run on the bytes alone, some through the file.
TEST_F(FiltersFileTest, MutatedFilesAreReadSafely) {
  ASSERT_TRUE(Categories().WriteFiltersFile());
  std::string seed;
  ASSERT_TRUE(ReadFileBytes(kFile, seed));
  std::mt19937 random(8);
  int whole = 0;
  for (int round = 0; round < 5000; ++round) {
    std::string bytes = round % 2 ? seed : EightBitBlocks(0, 31);
    for (int edits = 0; edits < 3; ++edits) {
      const std::size_t at = bytes.empty() ? 0 : random() % bytes.size();
      switch (random() % 4) {
        case 0: bytes.resize(at); break;
        case 1: bytes.insert(at, 1, static_cast<char>(random())); break;
        case 2: if (!bytes.empty()) bytes.erase(at, 1); break;
        default: bytes.insert(at, "99999999999999999999\n\0\n", 24);
      }
    }
    if (round % 25 == 0) {
      WriteFilters(bytes);
      Categories().ReadFiltersFile();
      ASSERT_EQ(32u, Categories().Filters().size());
      for (LONG index = 1; index <= 32; ++index) ASSERT_NE(nullptr, Categories().FindFilter(index));
    }
    const auto filters = ParseFilterBlocks(FiltersFileLines(bytes));
    ASSERT_LE(filters.size(), 33u);
    for (std::size_t i = 0; i < filters.size(); ++i) ASSERT_EQ(static_cast<LONG>(i + 1), filters[i]->index);
    whole += filters.size() == 32;
  }
  EXPECT_GT(whole, 500);
}

}  // namespace
