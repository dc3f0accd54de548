#include "tools/fuzz/fuzz_readers.h"

#include <cstring>
#include <cwchar>
#include <string>

#include <windows.h>

namespace {

// One per process, so that runs side by side keep to their own keys.
const std::wstring& ScratchPath() {
  static const std::wstring path = L"Software\\QMFuzzScratch\\" + std::to_wstring(GetCurrentProcessId());
  return path;
}

HKEY OpenScratch(const wchar_t* leaf) {
  std::wstring path = ScratchPath() + L"\\" + leaf;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return nullptr;
  RegDeleteTreeW(key, nullptr);
  return key;
}

bool& Redirected() {
  static bool redirected = false;
  return redirected;
}

}  // namespace

std::span<const FuzzReader> FuzzReaders() {
  static const FuzzReader readers[] = {TgaReader(),     PngReader(),      BackupReader(),  SchemeReader(),
                                       FiltersReader(), RegistryReader(), CopyDataReader()};
  return readers;
}

bool RedirectRegistry() {
  if (Redirected()) return true;
  HKEY user = OpenScratch(L"User");
  HKEY machine = OpenScratch(L"Machine");
  const bool ok = user && machine && RegOverridePredefKey(HKEY_CURRENT_USER, user) == ERROR_SUCCESS &&
                  RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine) == ERROR_SUCCESS;
  // The override keeps its own reference.
  if (user) RegCloseKey(user);
  if (machine) RegCloseKey(machine);
  Redirected() = ok;
  return ok;
}

void EndRegistryRedirection() {
  if (!Redirected()) return;
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeW(HKEY_CURRENT_USER, ScratchPath().c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, ScratchPath().c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QMFuzzScratch");  // when no other run is using it
  Redirected() = false;
}

Bytes WideWord(const wchar_t* text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
  return Bytes(bytes, bytes + std::wcslen(text) * sizeof(wchar_t));
}

Bytes NarrowWord(const char* text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
  return Bytes(bytes, bytes + std::strlen(text));
}
