#include "settings/store/setting_records.h"

#include <cstring>
#include <new>
#include <utility>

#include "settings/store/registry_values.h"

namespace {

// The key a Load or Save works on: the caller's, or the group's own for the call's length.
class KeyForCall {
 public:
  KeyForCall(HKEY given, KeyGroup group) : given_(given) {
    if (!given_) own_ = OpenKeyGroup(group);
  }
  HKEY Get() const { return given_ ? given_ : own_.Get(); }

 private:
  HKEY given_;
  RegistryKey own_;
};

}  // namespace

void SettingBinding::Bind(const wchar_t* valueName, KeyGroup keyGroup) {
  changed = 0;
  name.Assign(valueName);
  group = keyGroup;
}

DWORD DwordSetting::Load(HKEY key, DWORD fallback, const wchar_t* valueName, KeyGroup keyGroup) {
  Bind(valueName, keyGroup);
  defaultValue = fallback;
  KeyForCall use(key, group);
  value = ReadDwordValue(name.c_str(), defaultValue, use.Get());
  return value;
}

void DwordSetting::LoadDefault(DWORD fallback, const wchar_t* valueName, KeyGroup keyGroup) {
  Bind(valueName, keyGroup);
  defaultValue = fallback;
  value = fallback;
}

DWORD DwordSetting::Set(DWORD newValue) {
  DWORD previous = value;
  value = newValue;
  changed = 1;
  return previous;
}

void DwordSetting::Save(HKEY key) {
  if (!changed) return;
  KeyForCall use(key, group);
  if (use.Get()) WriteDwordValue(use.Get(), name.c_str(), value, defaultValue);
}

const wchar_t* StringSetting::Load(HKEY key, const wchar_t* fallback, const wchar_t* valueName, KeyGroup keyGroup) {
  Bind(valueName, keyGroup);
  defaultValue.Assign(fallback);
  KeyForCall use(key, group);
  ReadStringValue(name.c_str(), &value, defaultValue.c_str(), use.Get());
  return value.c_str();
}

void StringSetting::LoadDefault(const wchar_t* fallback, const wchar_t* valueName, KeyGroup keyGroup) {
  Bind(valueName, keyGroup);
  defaultValue.Assign(fallback);
  value.Assign(fallback);
}

void StringSetting::Set(const wchar_t* text) {
  value.Assign(text);
  changed = 1;
}

void StringSetting::Save(HKEY key) {
  if (!changed) return;
  KeyForCall use(key, group);
  if (use.Get()) WriteStringValue(use.Get(), name.c_str(), value.c_str(), defaultValue.c_str());
}

void BitSetSetting::LoadDefault(bool fillWithOnes, const wchar_t* valueName, DWORD bitCount, KeyGroup keyGroup) {
  Bind(valueName, keyGroup);
  byteCount = ByteCountFor(bitCount);
  buffer.reset(new (std::nothrow) BYTE[byteCount]);
  if (buffer)
    std::memset(buffer.get(), fillWithOnes ? 0xFF : 0, byteCount);
  else
    byteCount = 0;
}

const BYTE* BitSetSetting::Load(HKEY key, bool fillWithOnes, const wchar_t* valueName, DWORD bitCount,
                                KeyGroup keyGroup) {
  LoadDefault(fillWithOnes, valueName, bitCount, keyGroup);
  if (!buffer) return nullptr;
  KeyForCall use(key, group);
  DWORD type = 0;
  DWORD size = 0;
  if (use.Get() && RegQueryValueExW(use.Get(), name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_BINARY && size == byteCount) {
    // Read into a scratch copy so that a value changed in between cannot leave half a read.
    std::unique_ptr<BYTE[]> read(new (std::nothrow) BYTE[byteCount]);
    DWORD readSize = byteCount;
    if (read && RegQueryValueExW(use.Get(), name.c_str(), nullptr, &type, read.get(), &readSize) == ERROR_SUCCESS &&
        type == REG_BINARY && readSize == byteCount)
      buffer = std::move(read);
  }
  return buffer.get();
}
