#include <windows.h>

#include <cstdio>

#include "settings/base/scale.h"
#include "settings/store/settings_store.h"
#include "tests/bench/bench.h"
#include "tests/bench/bench_settings.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kRounds = 20;
const wchar_t* const kFontSuffixes[] = {L"lfWeight", L"lfItalic", L"lfUnderline", L"lfStrikeOut", L"lfHeight", L"lfColor"};

DWORD ValuesIn(KeyGroup group) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(KeyGroupRoot(group), KeyGroupPath(group), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  return values;
}

// One plain query per value the catalogue names, each group's key opened once.
int RawReads() {
  int reads = 0;
  BYTE buffer[1024];
  wchar_t name[128];
  for (KeyGroup group = 0; group < kKeyGroupCount; ++group) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(KeyGroupRoot(group), KeyGroupPath(group), 0, KEY_READ, &key) != ERROR_SUCCESS) key = nullptr;
    for (const CatalogueRow& row : Catalogue()) {
      if (row.group != group) continue;
      const int parts = row.kind == SettingKind::kFont ? 6 : 1;
      for (int part = 0; part < parts; ++part) {
        swprintf(name, 128, L"%ls%ls", row.name, row.kind == SettingKind::kFont ? kFontSuffixes[part] : L"");
        DWORD size = sizeof buffer;
        RegQueryValueExW(key, name, nullptr, nullptr, buffer, &size);
        ++reads;
      }
    }
    if (key) RegCloseKey(key);
  }
  return reads;
}

}  // namespace

// LoadAll against as many plain registry reads as the catalogue has values, on a registry
// where every saved setting differs from its default; SaveAll after every saved record was
// set to such a value.
QM_BENCH(SettingsStoreLoadAndSave) {
  ScaleSetForTest(false, 96, 96);
  ResetProductRegistry();
  SettingsStore& store = Store();
  HMODULE language = nullptr;
  store.LoadAll(language);

  const int set = SetEverySavedRecord(store);
  const double saveStart = BenchNow();
  store.SaveAll();
  const double saveSeconds = BenchNow() - saveStart;
  DWORD written = 0;
  for (KeyGroup group = kGeneralGroup; group < kKeyGroupCount; ++group) written += ValuesIn(group);
  std::printf("SaveAll: %d records set, %lu values written, %.2f ms\n", set, static_cast<unsigned long>(written),
              saveSeconds * 1000);

  const double loadStart = BenchNow();
  for (int i = 0; i < kRounds; ++i) store.LoadAll(language);
  const double loadSeconds = (BenchNow() - loadStart) / kRounds;

  int reads = 0;
  const double rawStart = BenchNow();
  for (int i = 0; i < kRounds; ++i) reads = RawReads();
  const double rawSeconds = (BenchNow() - rawStart) / kRounds;
  std::printf("LoadAll: %.2f ms (mean of %d, with the language library and tab list)\n", loadSeconds * 1000, kRounds);
  std::printf("%d raw RegQueryValueExW reads: %.2f ms; LoadAll takes %.1f times as long\n", reads,
              rawSeconds * 1000, loadSeconds / rawSeconds);

  if (language) FreeLibrary(language);
  ResetProductRegistry();
}
