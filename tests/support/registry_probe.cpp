#include "tests/support/registry_probe.h"

#include <cwchar>

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name) {
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegGetValueW(root, path, name, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS || type != REG_DWORD)
    return std::nullopt;
  return value;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
  wchar_t buffer[2048] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t), type = 0;
  if (RegGetValueW(root, path, name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::wstring(buffer, wcsnlen(buffer, size / sizeof(wchar_t)));
}

std::optional<DWORD> ValueType(HKEY root, const wchar_t* path, const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, nullptr);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return type;
}

bool KeyExists(HKEY root, const wchar_t* path) {
  HKEY key;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::vector<std::wstring> ValueNames(HKEY root, const wchar_t* path) {
  std::vector<std::wstring> names;
  HKEY key;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  wchar_t name[16384];
  for (DWORD index = 0;; ++index) {
    DWORD length = 16384;
    if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

bool WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value) {
  return RegSetKeyValueW(root, path, name, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
}

bool WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text) {
  auto bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(root, path, name, REG_SZ, text, bytes) == ERROR_SUCCESS;
}

namespace {

void DumpKey(HKEY key, const std::wstring& path, std::wstring& out) {
  out += L"[" + path + L"]\n";
  std::vector<wchar_t> name(16384);
  std::vector<BYTE> data(1 << 20);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueW(key, index, name.data(), &length, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    wchar_t prefix[32];
    std::swprintf(prefix, 32, L"=%lu:", static_cast<unsigned long>(type));
    out += std::wstring(name.data(), length) + prefix;
    for (DWORD i = 0; i < size; ++i) {
      wchar_t hex[4];
      std::swprintf(hex, 4, L"%02x", data[i]);
      out += hex;
    }
    out += L"\n";
  }
  std::vector<std::wstring> children;
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name.data(), length);
  }
  for (const std::wstring& child : children) {
    HKEY sub;
    if (RegOpenKeyExW(key, child.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
    DumpKey(sub, path + L"\\" + child, out);
    RegCloseKey(sub);
  }
}

}  // namespace

std::wstring DumpRegistryTree(HKEY root, const wchar_t* path) {
  HKEY key;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"(missing)";
  std::wstring out;
  DumpKey(key, path, out);
  RegCloseKey(key);
  return out;
}
