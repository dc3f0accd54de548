#include "linker/registry_readers.h"

#include <vector>

std::wstring ReadTextValue(HKEY key, const wchar_t* name, const wchar_t* fallback) {
  DWORD type = 0, size = 0;
  if (!key || RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return fallback;
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
    return fallback;
  return std::wstring(text.data());
}

DWORD ReadNumberValue(HKEY key, const wchar_t* name, DWORD fallback) {
  DWORD value = 0, size = sizeof value;
  if (!key || RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
    return fallback;
  return value;
}
