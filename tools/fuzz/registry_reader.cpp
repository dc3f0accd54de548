// A registry value of any catalogue row (or of a Today plug-in's tab key), of any type and
// size, read back by the store's own record of that row.
#include <cstring>
#include <string>

#include "settings/store/catalogue.h"
#include "settings/store/font_setting.h"
#include "settings/store/key_group.h"
#include "settings/store/settings_store.h"
#include "settings/store/tab_list.h"
#include "tools/fuzz/fuzz_readers.h"

namespace {

// The input: target (2 bytes), registry type, font value, then the value's data.
constexpr std::size_t kHeaderBytes = 4;
constexpr const wchar_t* kFontValues[] = {L"lfWeight",    L"lfItalic", L"lfUnderline",
                                          L"lfStrikeOut", L"lfHeight", L"lfColor"};
constexpr const wchar_t* kTabValues[] = {L"Order", L"Type", L"Enabled", L"DLL", L"InstallPath", L"CustomIconName"};
constexpr wchar_t kTabSettingsPath[] = L"Software\\Tessaly\\Quillmere\\TabSettings";
constexpr wchar_t kPluginTabPath[] = L"Software\\Tessaly\\Quillmere\\TabSettings\\Weather Now";

std::size_t TargetCount() { return Catalogue().size() + std::size(kTabValues); }

HKEY CreateKey(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

bool PrepareRegistry() { return RedirectRegistry(); }

void LoadRow(const CatalogueRow& row, HKEY key) {
  const RecordRef record = row.record(Store());
  switch (row.kind) {
    case SettingKind::kNumber:
      record.number->Load(key, row.fallback.number, row.name, row.group);
      break;
    case SettingKind::kText:
      record.text->Load(key, row.fallback.text, row.name, row.group);
      break;
    case SettingKind::kBits:
      record.bits->Load(key, false, row.name, row.fallback.number, row.group);
      break;
    case SettingKind::kFont:
      record.font->Load(key, static_cast<LONG>(row.fallback.number), 12, row.fallback.extra, L"Tahoma", false,
                        row.name, row.group);
      break;
  }
}

// The tab list built over the plug-in's key, as the store builds it at load time.
void LoadPluginTab(HKEY tabSettings) {
  DwordSetting enabled[kBuiltInTabCount], order[kBuiltInTabCount];
  BuiltInTabRecords builtIn[kBuiltInTabCount];
  for (int i = 0; i < kBuiltInTabCount; ++i) {
    order[i].value = static_cast<DWORD>(i + 1);
    builtIn[i] = {static_cast<DWORD>(i), 0, &enabled[i], &order[i]};
  }
  TabList list;
  LoadTabs(tabSettings, builtIn, nullptr, list);
}

void ReadRegistryValue(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return;
  const std::size_t target = (data[0] | static_cast<std::size_t>(data[1]) << 8) % TargetCount();
  const DWORD type = data[2];
  // The registry reads a code unit past a text's data to see whether the writer left out its
  // null (and then stores it too): the copy carries one that is not null, so the value is
  // stored exactly as given. The reader reads the registry's copy, not these bytes.
  Bytes copy(data + kHeaderBytes, data + size);
  copy.push_back(0xFF);
  copy.push_back(0xFF);
  const BYTE* value = size > kHeaderBytes ? copy.data() : nullptr;
  const DWORD valueSize = static_cast<DWORD>(size - kHeaderBytes);

  if (target >= Catalogue().size()) {
    const wchar_t* name = kTabValues[target - Catalogue().size()];
    HKEY plugin = CreateKey(HKEY_CURRENT_USER, kPluginTabPath);
    HKEY tabSettings = CreateKey(HKEY_CURRENT_USER, kTabSettingsPath);
    if (plugin && tabSettings && RegSetValueExW(plugin, name, 0, type, value, valueSize) == ERROR_SUCCESS)
      LoadPluginTab(tabSettings);
    if (plugin) {
      RegDeleteValueW(plugin, name);
      RegCloseKey(plugin);
    }
    if (tabSettings) RegCloseKey(tabSettings);
    return;
  }

  const CatalogueRow& row = Catalogue()[target];
  std::wstring name = row.name;
  if (row.kind == SettingKind::kFont) name += kFontValues[data[3] % std::size(kFontValues)];
  HKEY key = CreateKey(KeyGroupRoot(row.group), KeyGroupPath(row.group));
  if (!key) return;
  if (RegSetValueExW(key, name.c_str(), 0, type, value, valueSize) == ERROR_SUCCESS) LoadRow(row, key);
  RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
}

Bytes Seed(std::size_t target, DWORD type, BYTE font, const void* data, std::size_t size) {
  Bytes seed = {static_cast<std::uint8_t>(target), static_cast<std::uint8_t>(target >> 8),
                static_cast<std::uint8_t>(type), font};
  seed.resize(kHeaderBytes + size);
  std::memcpy(seed.data() + kHeaderBytes, data, size);
  return seed;
}

// A value of its own kind for every row and every tab value.
void RegistrySeeds(std::vector<Bytes>& out) {
  const DWORD number = 7;
  const wchar_t text[] = L"\\Storage Card\\Caf\u00e9";
  for (std::size_t target = 0; target < Catalogue().size(); ++target) {
    const CatalogueRow& row = Catalogue()[target];
    switch (row.kind) {
      case SettingKind::kNumber:
      case SettingKind::kFont:
        out.push_back(Seed(target, REG_DWORD, static_cast<BYTE>(target), &number, sizeof number));
        break;
      case SettingKind::kText:
        out.push_back(Seed(target, REG_SZ, 0, text, sizeof text));
        break;
      case SettingKind::kBits: {
        const Bytes bits(BitSetSetting::ByteCountFor(row.fallback.number), 0xA5);
        out.push_back(Seed(target, REG_BINARY, 0, bits.data(), bits.size()));
        break;
      }
    }
  }
  for (std::size_t i = 0; i < std::size(kTabValues); ++i) {
    const std::size_t target = Catalogue().size() + i;
    if (i < 3)
      out.push_back(Seed(target, REG_DWORD, 0, &number, sizeof number));
    else
      out.push_back(Seed(target, REG_SZ, 0, text, sizeof text));
  }
}

std::vector<Bytes> RegistryWords() {
  return {Bytes{REG_SZ}, Bytes{REG_EXPAND_SZ}, Bytes{REG_BINARY}, Bytes{REG_DWORD}, Bytes{REG_MULTI_SZ},
          Bytes{REG_QWORD}, Bytes{REG_NONE}, Bytes{0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, WideWord(L"\\")};
}

}  // namespace

FuzzReader RegistryReader() {
  return {L"registry", PrepareRegistry, ReadRegistryValue, RegistrySeeds, nullptr, 1, 8 * 1024, RegistryWords};
}
