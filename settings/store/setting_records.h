#pragma once
// Setting records: one registry value each, bound to its value name and key group, with
// a default and a changed flag. Loading never writes; saving writes only a record that was
// set since it was loaded, and deletes the value instead when it equals the default.
//
// Every Load and Save takes an open key of the record's group, or nullptr: then the
// record opens its group's key itself and closes it flushed when done.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"
#include "settings/store/key_group.h"

class SettingBinding {
 public:
  SettingBinding() = default;
  SettingBinding(const SettingBinding&) = delete;
  SettingBinding& operator=(const SettingBinding&) = delete;
  virtual ~SettingBinding() = default;

  // Clears the changed flag and records the value name and group. Every Load begins here.
  virtual void Bind(const wchar_t* valueName, KeyGroup keyGroup);

  DWORD changed = 0;  // 1 after any set operation, even to the same value, until the next Load
  WideString name;
  KeyGroup group = kNoKeyGroup;
};

class DwordSetting : public SettingBinding {
 public:
  DWORD Load(HKEY key, DWORD fallback, const wchar_t* valueName, KeyGroup keyGroup);
  // Returns the previous value; marks the record changed.
  DWORD Set(DWORD newValue);
  void Save(HKEY key);
  // Binds and takes the default without touching the registry.
  void LoadDefault(DWORD fallback, const wchar_t* valueName, KeyGroup keyGroup);

  // The value as the signed number most settings are.
  LONG Signed() const { return static_cast<LONG>(value); }

  DWORD value = 0;
  DWORD defaultValue = 0;
};

class StringSetting : public SettingBinding {
 public:
  const wchar_t* Load(HKEY key, const wchar_t* fallback, const wchar_t* valueName, KeyGroup keyGroup);
  void Set(const wchar_t* text);
  void Save(HKEY key);
  void LoadDefault(const wchar_t* fallback, const wchar_t* valueName, KeyGroup keyGroup);

  WideString value;
  WideString defaultValue;
};

// A packed bit array the plug-in keeps (fold states). This program reads it, never writes it.
class BitSetSetting : public SettingBinding {
 public:
  // Fills the buffer with 0xFF or 0 and then reads the value over it, but only when it is
  // REG_BINARY of exactly the byte count.
  const BYTE* Load(HKEY key, bool fillWithOnes, const wchar_t* valueName, DWORD bitCount, KeyGroup keyGroup);
  void LoadDefault(bool fillWithOnes, const wchar_t* valueName, DWORD bitCount, KeyGroup keyGroup);

  static DWORD ByteCountFor(DWORD bitCount) { return bitCount / 8 + (bitCount % 8 ? 1 : 0); }

  std::unique_ptr<BYTE[]> buffer;
  DWORD byteCount = 0;
};
