#pragma once
// QMLinker's registry access: an owner for open keys and the two readers its operations
// use. A failed read gives the caller's default; nothing here writes.
#include <windows.h>

#include <string>
#include <utility>

// Owns an open registry key and closes it. Move-only.
class ScopedRegistryKey {
 public:
  ScopedRegistryKey() = default;
  ScopedRegistryKey(const ScopedRegistryKey&) = delete;
  ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;
  ScopedRegistryKey(ScopedRegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  ScopedRegistryKey& operator=(ScopedRegistryKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  ~ScopedRegistryKey() { Close(); }

  HKEY* Put() {
    Close();
    return &key_;
  }
  HKEY Get() const { return key_; }
  void Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

// A text value: its size asked first, then read whole, up to its first NUL. The default
// when there is no key, no value, or the value is not a text.
std::wstring ReadTextValue(HKEY key, const wchar_t* name, const wchar_t* fallback);
// A 32-bit value read as 4 bytes; the default when there is no key or no such value.
DWORD ReadNumberValue(HKEY key, const wchar_t* name, DWORD fallback);
