#include "settings/store/key_group.h"

#include <utility>

#include "settings/store/registry_values.h"

namespace {

struct KeyGroupEntry {
  HKEY root;
  const wchar_t* path;
};

const KeyGroupEntry kKeyGroups[kKeyGroupCount] = {
    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\today\\items\\Quillmere"},
    {HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant"},
    {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Calendar"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Tasks"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Notes"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Contacts"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Messages"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\SEvents"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Fonts"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Colors"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\CustomPIM"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\TabSettings"},
    {HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere\\Categories"},
};

}  // namespace

const wchar_t* KeyGroupPath(KeyGroup group) { return group < kKeyGroupCount ? kKeyGroups[group].path : nullptr; }

HKEY KeyGroupRoot(KeyGroup group) { return group < kKeyGroupCount ? kKeyGroups[group].root : nullptr; }

RegistryKey::RegistryKey(HKEY key, OnClose onClose) noexcept : key_(key), onClose_(onClose) {}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : key_(std::exchange(other.key_, nullptr)), onClose_(other.onClose_) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
    onClose_ = other.onClose_;
  }
  return *this;
}

RegistryKey::~RegistryKey() { Close(); }

void RegistryKey::Close() noexcept {
  if (!key_) return;
  if (onClose_ == OnClose::kFlush)
    CloseFlushed(key_);
  else
    RegCloseKey(key_);
  key_ = nullptr;
}

void RegistryKey::CloseWithoutFlush() noexcept {
  if (!key_) return;
  RegCloseKey(key_);
  key_ = nullptr;
}

RegistryKey CreateRegistryKey(HKEY root, const wchar_t* path, RegistryKey::OnClose onClose) {
  HKEY key = nullptr;
  if (!root || !path ||
      RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return RegistryKey();
  return RegistryKey(key, onClose);
}

RegistryKey OpenKeyGroup(KeyGroup group, RegistryKey::OnClose onClose) {
  return CreateRegistryKey(KeyGroupRoot(group), KeyGroupPath(group), onClose);
}

RegistryKey OpenKeyGroupForReading(KeyGroup group) {
  HKEY key = nullptr;
  if (group >= kKeyGroupCount ||
      RegOpenKeyExW(KeyGroupRoot(group), KeyGroupPath(group), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return RegistryKey();
  return RegistryKey(key, RegistryKey::OnClose::kPlainClose);
}
