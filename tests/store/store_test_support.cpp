#include "tests/store/store_test_support.h"

#include <cwchar>

#include "platform/device_facts.h"
#include "settings/base/scale.h"
#include "settings/store/settings_store.h"
#include "tests/support/registry_reset.h"

void PutRaw(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size));
  RegCloseKey(key);
}

void PutDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value) {
  PutRaw(root, path, name, REG_DWORD, &value, sizeof value);
}

void PutString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text) {
  PutRaw(root, path, name, REG_SZ, text, static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void PutDword(KeyGroup group, const wchar_t* name, DWORD value) {
  PutDword(KeyGroupRoot(group), KeyGroupPath(group), name, value);
}

void PutString(KeyGroup group, const wchar_t* name, const wchar_t* text) {
  PutString(KeyGroupRoot(group), KeyGroupPath(group), name, text);
}

std::optional<RawValue> GetRaw(HKEY root, const wchar_t* path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RawValue value;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    value.data.resize(size);
    result = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size);
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::optional<RawValue> GetRaw(KeyGroup group, const wchar_t* name) {
  return GetRaw(KeyGroupRoot(group), KeyGroupPath(group), name);
}

std::optional<DWORD> GetDword(HKEY root, const wchar_t* path, const wchar_t* name) {
  std::optional<RawValue> raw = GetRaw(root, path, name);
  if (!raw || raw->type != REG_DWORD || raw->data.size() != 4) return std::nullopt;
  DWORD value;
  memcpy(&value, raw->data.data(), 4);
  return value;
}

std::optional<DWORD> GetDword(KeyGroup group, const wchar_t* name) {
  return GetDword(KeyGroupRoot(group), KeyGroupPath(group), name);
}

bool KeyExists(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

DWORD ValueCount(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  return values;
}

namespace {

void SnapshotInto(HKEY root, const std::wstring& path, const std::wstring& prefix,
                  std::map<std::wstring, RawValue>& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  wchar_t name[512];
  for (DWORD i = 0;; ++i) {
    DWORD length = 512;
    if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (auto value = GetRaw(root, path.c_str(), name)) out[prefix + L"|" + name] = *value;
  }
  for (DWORD i = 0;; ++i) {
    DWORD length = 512;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out[prefix + L"\\" + name];  // an empty key shows too
    SnapshotInto(root, path + L"\\" + name, prefix + L"\\" + name, out);
  }
  RegCloseKey(key);
}

void ReadField(LCTYPE field, wchar_t (&text)[8]) {
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, field, text, 8) == 0) text[0] = L'\0';
}

}  // namespace

std::map<std::wstring, RawValue> Snapshot(HKEY root, const wchar_t* path) {
  std::map<std::wstring, RawValue> out;
  SnapshotInto(root, path, L"", out);
  return out;
}

LocaleOverride::LocaleOverride() {
  ReadField(LOCALE_ITIME, time_);
  ReadField(LOCALE_IFIRSTDAYOFWEEK, firstDay_);
}

LocaleOverride::~LocaleOverride() {
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, time_);
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, firstDay_);
}

void LocaleOverride::Set(LCTYPE field, const wchar_t* text) {
  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, field, text));
  wchar_t check[8];
  ReadField(field, check);
  ASSERT_STREQ(text, check);
}

OsVersionOverride::OsVersionOverride(DWORD major, DWORD minor) { EXPECT_TRUE(WriteDeviceOsVersion({major, minor})); }

OsVersionOverride::~OsVersionOverride() { WriteDeviceOsVersion({5, 2}); }

void StoreTest::SetUp() {
  ResetProductRegistry();
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kColourSchemeKey);
  ScaleSetForTest(false, 96, 96);
}

void StoreTest::TearDown() {
  if (language_) FreeLibrary(language_);
  language_ = nullptr;
  ResetProductRegistry();
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kColourSchemeKey);
  ScaleSetForTest(false, 96, 96);
}

void StoreTest::LoadAll() { Store().LoadAll(language_); }
