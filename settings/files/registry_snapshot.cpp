#include "settings/files/registry_snapshot.h"

#include <algorithm>

#include "settings/store/key_group.h"

bool RegistrySnapshot::ReadKey(HKEY key, Key& out) {
  DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values, &longestName,
                       &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::vector<wchar_t> name(std::max(longestName, longestSubKey) + 2);
  std::vector<BYTE> data(longestData + 2);
  for (DWORD index = 0; index < values; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    Value value;
    if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &value.type, data.data(), &size) != ERROR_SUCCESS)
      return false;
    value.name.assign(name.data(), nameLength);
    value.data.assign(data.begin(), data.begin() + size);
    out.values.push_back(std::move(value));
  }
  for (DWORD index = 0; index < subKeys; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return false;
    Key child;
    child.name.assign(name.data(), nameLength);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(key, child.name.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegistryKey owner(opened, RegistryKey::OnClose::kPlainClose);
    if (!ReadKey(owner.Get(), child)) return false;
    out.children.push_back(std::move(child));
  }
  return true;
}

bool RegistrySnapshot::WriteKey(HKEY parent, const Key& key) {
  RegistryKey created = CreateRegistryKey(parent, key.name.c_str());
  if (!created) return false;
  bool ok = true;
  for (const Value& value : key.values)
    ok = RegSetValueExW(created.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS &&
         ok;
  for (const Key& child : key.children) ok = WriteKey(created.Get(), child) && ok;
  return ok;
}

bool RegistrySnapshot::Take(HKEY root, const wchar_t* path) {
  root_ = root;
  path_ = path;
  tree_ = Key{};
  tree_.name = path;
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExW(root, path, 0, KEY_READ, &opened);
  existed_ = status == ERROR_SUCCESS;
  if (!existed_) return status == ERROR_FILE_NOT_FOUND;
  RegistryKey owner(opened, RegistryKey::OnClose::kPlainClose);
  return ReadKey(owner.Get(), tree_);
}

bool RegistrySnapshot::Restore() const {
  RegDeleteTreeW(root_, path_.c_str());
  RegDeleteKeyW(root_, path_.c_str());
  return !existed_ || WriteKey(root_, tree_);
}
