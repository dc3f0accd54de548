#include "tests/support/registry_reset.h"

void DeleteKeyTree(HKEY root, const wchar_t* path) { RegDeleteTreeW(root, path); RegDeleteKeyW(root, path); }

void ResetProductRegistry() {
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\WebIS");
  DeleteKeyTree(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Calendar");
  DeleteKeyTree(HKEY_CURRENT_USER, L"SOFTWARE\\Developer One");
  DeleteKeyTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.");
  DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\today\\items\\Quillmere");
}
