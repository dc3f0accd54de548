#pragma once
// The settings catalogue as a table: one row per line of catalogue_rows.h, in load order.
// LoadAll and SaveAll walk it; so can anything else that needs every setting.
#include <windows.h>

#include <span>

#include "settings/store/key_group.h"

class SettingsStore;
class DwordSetting;
class StringSetting;
class BitSetSetting;
class FontSetting;

enum class SettingKind : BYTE { kNumber, kText, kBits, kFont };

// How a row's default is found at load time.
enum class DefaultRule : BYTE {
  kNumber,             // number
  kScaledX,            // ScaleX(number)
  kScaledY,            // ScaleY(number)
  kFirstDayOfWeek,     // the user locale's LOCALE_IFIRSTDAYOFWEEK as a number
  kText,               // text
  kInstallFolderPlus,  // the installation folder followed by text
  kWebisFolderPlus,    // the value of WebIS_Folder followed by text
  kBits,               // number bits, all 0
  kFont,               // weight number, strike-out extra; height ScaleX(12)
};

struct SettingDefault {
  DefaultRule rule;
  DWORD number;
  DWORD extra;
  const wchar_t* text;
};

// One record of the store; exactly one pointer, the one of `kind`, is set.
struct RecordRef {
  SettingKind kind = SettingKind::kNumber;
  DwordSetting* number = nullptr;
  StringSetting* text = nullptr;
  BitSetSetting* bits = nullptr;
  FontSetting* font = nullptr;

  explicit operator bool() const { return number || text || bits || font; }
};

struct CatalogueRow {
  KeyGroup group;
  const wchar_t* name;  // the registry value name (a font's: the prefix of its six values)
  SettingKind kind;
  SettingDefault fallback;
  bool saved;  // false: read, never written by this program
  RecordRef (*record)(SettingsStore& store);
};

std::span<const CatalogueRow> Catalogue();
// The row of that value name in that group (exact, case-sensitive), or nullptr.
const CatalogueRow* FindCatalogueRow(KeyGroup group, const wchar_t* name);
