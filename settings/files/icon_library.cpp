#include "settings/files/icon_library.h"

#include <algorithm>
#include <cwchar>

#include "platform/aygshell.h"
#include "settings/controls/scoped_find.h"
#include "settings/store/key_group.h"
#include "settings/store/settings_store.h"

namespace {

constexpr wchar_t kIconSetKey[] = L"Software\\Tessaly\\Quillmere\\IconSet";
constexpr const wchar_t* kIconSetValues[] = {L"InstallPath24", L"InstallPath18", L"InstallPath12",
                                             L"InstallPathBlank"};
constexpr DWORD kIconSetValueBytes = 512;

IconLibrary g_icons;

bool Lower(const wchar_t* left, const wchar_t* right) { return _wcsicmp(left, right) < 0; }

bool IsDots(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

void ScanIconSetFolders(IconLibrary& library) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kIconSetKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
  RegistryKey key(opened, RegistryKey::OnClose::kPlainClose);
  for (const wchar_t* name : kIconSetValues) {
    wchar_t folder[kIconSetValueBytes / sizeof(wchar_t) + 1] = L"";
    DWORD size = kIconSetValueBytes;
    if (RegQueryValueExW(key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size) != ERROR_SUCCESS)
      continue;
    folder[size / sizeof(wchar_t)] = L'\0';
    if (folder[0]) ScanIconFolder(library, folder);
  }
}

}  // namespace

IconLibrary& ProgramIcons() { return g_icons; }

const wchar_t* IconLibrary::Path(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return entries_[static_cast<std::size_t>(index)]->path.c_str();
}

HBITMAP IconLibrary::Bitmap(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  IconEntry& entry = *entries_[static_cast<std::size_t>(index)];
  if (!entry.bitmap && !entry.loadFailed) {
    entry.bitmap.Reset(SHLoadDIBitmap(entry.path.c_str()));
    entry.loadFailed = !entry.bitmap;
  }
  return entry.bitmap.Get();
}

void IconLibrary::Add(const wchar_t* path) {
  auto entry = std::make_unique<IconEntry>();
  if (!entry->path.Assign(path)) return;
  // Before the first entry after the head that is not lower; in front of a higher head.
  auto at = entries_.begin();
  if (!entries_.empty() && !Lower(path, entries_.front()->path.c_str())) {
    at = std::lower_bound(at + 1, entries_.end(), path,
                          [](const std::unique_ptr<IconEntry>& held, const wchar_t* added) {
                            return Lower(held->path.c_str(), added);
                          });
  }
  entries_.insert(at, std::move(entry));
}

void IconLibrary::Clear() { entries_.clear(); }

void ScanIconFolder(IconLibrary& library, const wchar_t* folder) {
  if (!folder || !*folder) return;
  WideString base(folder);
  if (base.c_str()[base.Length() - 1] != L'\\') base.Append(L"\\");
  // Deeper than a path can go there is nothing to find (and no loop to follow).
  if (base.Length() >= MAX_PATH) return;

  WIN32_FIND_DATAW found;
  WideString pattern(base);
  pattern.Append(L"*.*");
  {
    ScopedFind search(pattern.c_str(), found);
    for (bool more = search.Found(); more; more = search.Next(found)) {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !found.cFileName[0] || IsDots(found.cFileName))
        continue;
      WideString child(base);
      child.Append(found.cFileName);
      child.Append(L"\\");
      ScanIconFolder(library, child.c_str());
    }
  }
  pattern.Assign(base.c_str());
  pattern.Append(L"*.bmp");
  ScopedFind search(pattern.c_str(), found);
  for (bool more = search.Found(); more; more = search.Next(found)) {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    WideString path(base);
    path.Append(found.cFileName);
    library.Add(path.c_str());
  }
}

void BuildIconLibrary(IconLibrary& library) {
  if (!library.Empty()) return;
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  WideString folder(Store().ProgramFilesFolder());
  folder.Append(L"\\Tessaly\\Quillmere\\Icons\\");
  ScanIconFolder(library, folder.c_str());
  const WideString& additional = Store().categories.AdditionalIconsFolder.value;
  if (!additional.Empty()) ScanIconFolder(library, additional.c_str());
  ScanIconSetFolders(library);
  SetCursor(previous);
}
