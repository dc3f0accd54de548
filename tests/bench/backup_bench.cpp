#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/base/scale.h"
#include "settings/files/backup_file.h"
#include "settings/files/category_manager.h"
#include "tests/bench/bench.h"
#include "tests/bench/bench_settings.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kRounds = 10;
constexpr wchar_t kFile[] = L"C:\\bench-backup.qmsb";
constexpr wchar_t kScratch[] = L"Software\\QuillmereBenchFloor";

// A full device: every saved setting away from its default, a dozen categories with colours
// and memberships, 32 edited filters.
void FillDevice() {
  HMODULE language = nullptr;
  Store().LoadAll(language);
  SetEverySavedRecord(Store());
  Store().SaveAll();
  CategoryManager& manager = Categories();
  manager.Clear();
  manager.ResetFilters();
  for (int i = 0; i < 12; ++i) {
    Category* category = manager.AddCategory((L"Category " + std::to_wstring(i)).c_str(), static_cast<WORD>(i), false);
    category->colour = 0x010203 * static_cast<DWORD>(i);
    category->filterBits = 1u << i;
  }
  for (const std::unique_ptr<CategoryFilter>& filter : manager.Filters()) filter->name.Append(L" edited");
  manager.SaveCategories();
  if (language) FreeLibrary(language);
}

struct Value {
  std::wstring key, name;
  DWORD type;
  std::vector<BYTE> data;
};

// Every value of the product's tree, as the floor reads and writes them.
void CollectValues(const std::wstring& path, std::vector<Value>& values) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  wchar_t name[256];
  BYTE data[4096];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256, size = sizeof data, type = 0;
    if (RegEnumValueW(key, index, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    values.push_back({path, std::wstring(name, length), type, std::vector<BYTE>(data, data + size)});
  }
  std::vector<std::wstring> children;
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name, length);
  }
  RegCloseKey(key);
  for (const std::wstring& child : children) CollectValues(path + L"\\" + child, values);
}

// One plain read per value, each key opened once.
double FloorReads(const std::vector<Value>& values) {
  const double start = BenchNow();
  HKEY key = nullptr;
  std::wstring open;
  BYTE data[4096];
  for (const Value& value : values) {
    if (value.key != open) {
      if (key) RegCloseKey(key);
      RegOpenKeyExW(HKEY_CURRENT_USER, value.key.c_str(), 0, KEY_READ, &key);
      open = value.key;
    }
    DWORD size = sizeof data;
    RegQueryValueExW(key, value.name.c_str(), nullptr, nullptr, data, &size);
  }
  if (key) RegCloseKey(key);
  return BenchNow() - start;
}

// One plain write per value into a scratch key.
double FloorWrites(const std::vector<Value>& values) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  const double start = BenchNow();
  for (const Value& value : values)
    RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
  const double seconds = BenchNow() - start;
  RegCloseKey(key);
  DeleteKeyTree(HKEY_CURRENT_USER, kScratch);
  return seconds;
}

}  // namespace

// Export and import of a full device against as many plain registry reads (export) and
// writes (import) as the product's tree holds values.
QM_BENCH(BackupExportAndImport) {
  ScaleSetForTest(false, 96, 96);
  ResetProductRegistry();
  FillDevice();
  std::vector<Value> values;
  CollectValues(kProductKeyPath, values);

  std::wstring text;
  double exportSeconds = 0, importSeconds = 0, reads = 0, writes = 0;
  for (int round = 0; round < kRounds; ++round) {
    const double start = BenchNow();
    text.clear();
    WriteBackup(text);
    WriteWideTextFile(kFile, text);
    exportSeconds += BenchNow() - start;
    reads += FloorReads(values);

    std::wstring read;
    const double importStart = BenchNow();
    ReadWideTextFile(kFile, read);
    RestoreBackup(read);
    importSeconds += BenchNow() - importStart;
    writes += FloorWrites(values);
  }
  std::printf("backup of %zu values, 12 categories, 32 filters: %zu bytes\n", values.size(), text.size() * 2);
  std::printf("export: %.2f ms; %zu plain reads: %.2f ms (%.1f times)\n", exportSeconds * 1000 / kRounds,
              values.size(), reads * 1000 / kRounds, exportSeconds / reads);
  std::printf("import: %.2f ms; %zu plain writes: %.2f ms (%.1f times)\n", importSeconds * 1000 / kRounds,
              values.size(), writes * 1000 / kRounds, importSeconds / writes);
  DeleteFileW(kFile);
  Categories().Clear();
  ResetProductRegistry();
}
