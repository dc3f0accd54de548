#include "settings/store/registry_values.h"

#include <cwchar>
#include <memory>
#include <new>

HKEY KeyWithValues(HKEY key) {
  DWORD values = 0;
  if (key && RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                              nullptr, nullptr) == ERROR_SUCCESS &&
      values == 0)
    return nullptr;
  return key;
}

DWORD ReadDwordValue(const wchar_t* name, DWORD fallback, HKEY key) {
  if (!key) return fallback;
  BYTE bytes[4] = {0, 0, 0, 0};
  DWORD size = sizeof bytes;
  if (RegQueryValueExW(key, name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS) return fallback;
  return static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16 |
         static_cast<DWORD>(bytes[3]) << 24;
}

bool ReadStringValue(const wchar_t* name, WideString* out, const wchar_t* fallback, HKEY key) {
  auto failed = [&] {
    if (out) out->Assign(fallback);
    return false;
  };
  if (!key) return failed();
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return failed();
  // The data need not end in a null, nor be a whole number of characters: read it into
  // whole characters and take no more than it holds.
  const DWORD characters = (size + 1) / 2;
  std::unique_ptr<wchar_t[]> buffer(new (std::nothrow) wchar_t[characters + 1]);
  if (!buffer) return failed();
  DWORD read = characters * 2;
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.get()), &read) != ERROR_SUCCESS)
    return failed();
  if (out) out->Assign(buffer.get(), read / 2);
  return true;
}

bool WriteDwordValue(HKEY key, const wchar_t* name, DWORD value, DWORD fallback) {
  if (value == fallback)
    RegDeleteValueW(key, name);
  else
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  return true;
}

LONG WriteStringValue(HKEY key, const wchar_t* name, const wchar_t* text, const wchar_t* fallback) {
  if (!text) text = L"";
  if (std::wcscmp(text, fallback ? fallback : L"") == 0) return RegDeleteValueW(key, name);
  const DWORD bytes = static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
}

void CloseFlushed(HKEY key) {
  if (!key) return;
  RegFlushKey(key);
  RegCloseKey(key);
}
