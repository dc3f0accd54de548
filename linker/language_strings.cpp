#include "linker/language_strings.h"

#include "linker/registry_readers.h"

namespace {

constexpr wchar_t kProductKey[] = L"Software\\Tessaly\\Quillmere";

std::wstring LoadLibraryText(HMODULE library, UINT id) {
  wchar_t buffer[1024];
  const int length = LoadStringW(library, id, buffer, 1024);
  return length > 0 ? std::wstring(buffer, static_cast<size_t>(length)) : std::wstring();
}

// Resources only: loading the file as data runs none of its code.
HMODULE LoadLanguageLibrary(const std::wstring& path) {
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

}  // namespace

bool LanguageStrings(UINT firstId, UINT secondId, std::wstring& first, std::wstring& second) {
  first.clear();
  second.clear();
  std::wstring path;
  {
    ScopedRegistryKey key;
    RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_READ, nullptr, key.Put(), nullptr);
    path = ReadTextValue(key.Get(), L"SelectedLangResFile", kDefaultLanguageLibrary);
  }
  HMODULE library = LoadLanguageLibrary(path);
  if (!library) library = LoadLanguageLibrary(kDefaultLanguageLibrary);
  if (!library) return false;
  first = LoadLibraryText(library, firstId);
  second = LoadLibraryText(library, secondId);
  FreeLibrary(library);
  return true;
}
