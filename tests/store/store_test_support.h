#pragma once
// Arranging and inspecting the device's registry for the store's tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/store/key_group.h"

struct RawValue {
  DWORD type = 0;
  std::vector<BYTE> data;
  bool operator==(const RawValue&) const = default;
};

void PutRaw(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size);
void PutDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
void PutString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text);
void PutDword(KeyGroup group, const wchar_t* name, DWORD value);
void PutString(KeyGroup group, const wchar_t* name, const wchar_t* text);

std::optional<RawValue> GetRaw(HKEY root, const wchar_t* path, const wchar_t* name);
std::optional<RawValue> GetRaw(KeyGroup group, const wchar_t* name);
// A REG_DWORD of four bytes, else nothing.
std::optional<DWORD> GetDword(KeyGroup group, const wchar_t* name);
std::optional<DWORD> GetDword(HKEY root, const wchar_t* path, const wchar_t* name);

bool KeyExists(HKEY root, const wchar_t* path);
// Values of the key itself (not of its sub-keys).
DWORD ValueCount(HKEY root, const wchar_t* path);
// Every value of the key and its sub-keys, by "sub\key|name" below `path`.
std::map<std::wstring, RawValue> Snapshot(HKEY root, const wchar_t* path);
inline std::map<std::wstring, RawValue> ProductSnapshot() {
  return Snapshot(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere");
}

// Changes the user locale for the length of a test and puts it back.
class LocaleOverride {
 public:
  LocaleOverride();
  ~LocaleOverride();
  LocaleOverride(const LocaleOverride&) = delete;
  LocaleOverride& operator=(const LocaleOverride&) = delete;
  void Set(LCTYPE field, const wchar_t* text);

 private:
  wchar_t time_[8];
  wchar_t firstDay_[8];
};

// Sets the emulated CE version for the length of a test, then back to 5.2.
class OsVersionOverride {
 public:
  OsVersionOverride(DWORD major, DWORD minor);
  ~OsVersionOverride();
  OsVersionOverride(const OsVersionOverride&) = delete;
  OsVersionOverride& operator=(const OsVersionOverride&) = delete;
};

// A clean product registry and a 96-dpi screen for every test; the language library a
// LoadAll loads is freed afterwards.
class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void LoadAll();

  HMODULE language_ = nullptr;
};

inline constexpr wchar_t kColourSchemeKey[] = L"SOFTWARE\\Microsoft\\Color";
inline constexpr wchar_t kTabSettingsKey[] = L"Software\\Tessaly\\Quillmere\\TabSettings";
