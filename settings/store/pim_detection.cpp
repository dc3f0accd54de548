#include "settings/store/pim_detection.h"

#include <windows.h>

#include "settings/store/key_group.h"
#include "settings/store/registry_values.h"

namespace {

bool ValueExists(HKEY root, const wchar_t* path, const wchar_t* valueName) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegistryKey key(opened, RegistryKey::OnClose::kPlainClose);
  return ReadStringValue(valueName, nullptr, L"", key.Get());
}

}  // namespace

bool DetectOwnCalendar() { return ValueExists(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Calendar", L"ExecutablePath"); }

bool DetectPocketInformant() {
  return ValueExists(HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant", L"version");
}

bool DetectAgendaFusion() {
  return ValueExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion", L"VerMajor");
}

bool DetectAgendaOne() {
  return ValueExists(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One\\Agenda One", L"InstallPath");
}
