#include "settings/controls/file_browser_rules.h"

#include <windows.h>

#include <cwchar>

bool NameHasExtension(const wchar_t* name, const wchar_t* extension) {
  std::size_t nameLength = wcslen(name);
  std::size_t extensionLength = wcslen(extension);
  if (nameLength < extensionLength) return false;
  return wcscmp(name + nameLength - extensionLength, extension) == 0;
}

int CompareBrowserEntries(bool folderA, const wchar_t* nameA, bool folderB, const wchar_t* nameB) {
  if (folderA != folderB) return folderA ? -1 : 1;
  int order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, nameA, -1, nameB, -1);
  if (order == CSTR_LESS_THAN) return -1;
  if (order == CSTR_GREATER_THAN) return 1;
  return 0;
}

bool ParentFolder(const wchar_t* folder, WideString& parent, WideString& left) {
  std::size_t length = wcslen(folder);
  if (length > 0 && folder[length - 1] == L'\\') --length;
  std::size_t cut = length;
  while (cut > 0 && folder[cut - 1] != L'\\') --cut;
  // cut is one past the last "\" before the name; none means root or no parent.
  if (cut == 0 || cut == length) return false;
  if (!left.Assign(folder + cut, length - cut)) return false;
  return parent.Assign(folder, cut);
}

FileNameCheck CheckFileName(const wchar_t* name) {
  if (!name || !*name) return FileNameCheck::Missing;
  if (wcspbrk(name, L"/:*?\"<>|")) return FileNameCheck::IllegalCharacters;
  return FileNameCheck::Ok;
}

bool ComposeSavePath(const wchar_t* folder, const wchar_t* name, const wchar_t* extension, WideString& path) {
  bool ok = path.Assign(folder) && path.Append(name);
  if (ok && *extension) ok = path.Append(L".") && path.Append(extension);
  return ok;
}
