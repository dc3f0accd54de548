// CE shell calls whose desktop counterparts read paths differently.
#include <windows.h>
#include <shellapi.h>

DWORD_PTR WINAPI CeStandInSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);

DWORD_PTR WINAPI CeStandInSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags) {
  // Device paths start at the root ("\My Documents\x"); the desktop shell only knows such a
  // path with its drive.
  wchar_t full[MAX_PATH];
  if (path && !(flags & SHGFI_PIDL) && path[0] == L'\\' && path[1] != L'\\') {
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    if (length > 0 && length < MAX_PATH) path = full;
  }
  return SHGetFileInfoW(path, attributes, info, size, flags);
}
