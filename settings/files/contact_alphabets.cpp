#include "settings/files/contact_alphabets.h"

#include <cwchar>

#include "settings/controls/scoped_find.h"
#include "settings/store/key_group.h"
#include "settings/store/settings_store.h"

namespace {

constexpr wchar_t kExtension[] = L".txt";
constexpr std::size_t kExtensionChars = 4;

// The key is only read here: a page that is merely opened must not create it.
RegistryKey OpenAlphabetsForReading() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kAlphabetsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key, RegistryKey::OnClose::kPlainClose);
}

bool HasValue(HKEY key, const wchar_t* name) {
  return key && RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool IsFolder(const WIN32_FIND_DATAW& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Whether the folder holds the alphabet file of this name. A value name is only data: one
// with a path or wildcards finds no file of its own name, and a file whose extension is not
// ".txt" exactly is not an alphabet.
bool AlphabetFileExists(const wchar_t* name) {
  WideString path = CustomAlphabetFolder();
  path.Append(L"\\");
  path.Append(name);
  path.Append(kExtension);
  WIN32_FIND_DATAW found{};
  ScopedFind search(path.c_str(), found);
  if (!search.Found() || IsFolder(found)) return false;
  WideString foundName;
  return IsAlphabetFileName(found.cFileName, &foundName) && _wcsicmp(foundName.c_str(), name) == 0;
}

}  // namespace

bool IsAlphabetFileName(const wchar_t* fileName, WideString* name) {
  if (!fileName) return false;
  const std::size_t length = std::wcslen(fileName);
  if (length < kExtensionChars + 1 || std::wcscmp(fileName + length - kExtensionChars, kExtension) != 0) return false;
  if (name) name->Assign(fileName, length - kExtensionChars);
  return true;
}

WideString CustomAlphabetFolder() {
  WideString folder(Store().InstallFolder());
  folder.Append(L"\\CustomAlphabets");
  return folder;
}

int ListCustomAlphabets(HWND list, const LVITEMW& itemTemplate) {
  WideString pattern = CustomAlphabetFolder();
  pattern.Append(L"\\*.*");
  WIN32_FIND_DATAW found{};
  ScopedFind search(pattern.c_str(), found);
  if (!search.Found()) return 0;
  const RegistryKey active = OpenAlphabetsForReading();
  int added = 0;
  do {
    WideString name;
    if (IsFolder(found) || !IsAlphabetFileName(found.cFileName, &name)) continue;
    LVITEMW item = itemTemplate;
    item.mask |= LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.iSubItem = 0;
    item.pszText = name.Raw();
    item.lParam = kCustomAlphabetBit;
    const LRESULT index = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0) continue;
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(HasValue(active.Get(), name.c_str()) ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
    ++added;
  } while (search.Next(found));
  return added;
}

int AddActiveAlphabets(HWND combo, DWORD storedKind, const wchar_t* storedName) {
  const RegistryKey active = OpenAlphabetsForReading();
  if (!active) return 0;
  int added = 0;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kAlphabetNameChars] = L"";
    DWORD length = kAlphabetNameChars;
    const LONG status = RegEnumValueW(active.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;  // longer than any alphabet name: not one of ours
    if (status != ERROR_SUCCESS) break;
    if (!AlphabetFileExists(name)) continue;
    const LRESULT entry = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (entry < 0) continue;
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(entry), kCustomSearchBarKind);
    if (storedKind == kCustomSearchBarKind && storedName && std::wcscmp(name, storedName) == 0)
      SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    ++added;
  }
  return added;
}

int ConfirmAlphabets(HWND list) {
  RegDeleteKeyW(HKEY_CURRENT_USER, kAlphabetsKeyPath);
  int result = 0;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    const UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                                      LVIS_STATEIMAGEMASK));
    if ((state >> 12) == 1) continue;  // unchecked
    wchar_t text[kAlphabetNameChars] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = kAlphabetNameChars;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) continue;
    if (item.lParam != static_cast<LPARAM>(kCustomAlphabetBit)) {
      result |= static_cast<int>(item.lParam);
      continue;
    }
    RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, kAlphabetsKeyPath);
    const DWORD one = 1;
    if (key && RegSetValueExW(key.Get(), text, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one) ==
                   ERROR_SUCCESS)
      result |= static_cast<int>(kCustomAlphabetBit);
  }
  return result;
}
