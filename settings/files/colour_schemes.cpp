#include "settings/files/colour_schemes.h"

#include <commctrl.h>

#include "platform/ce_platform.h"

#include <cwchar>
#include <cwctype>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/scoped_find.h"
#include "settings/files/backup_file.h"
#include "settings/files/registry_snapshot.h"
#include "settings/files/wide_text_file.h"
#include "settings/store/key_group.h"
#include "settings/store/settings_store.h"

namespace {

constexpr int kNameChars = 255;
// The file's path, and the writer's temporary file beside it (4 more characters), must fit.
constexpr std::size_t kLongestSchemePath = MAX_PATH - 1 - 4;
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_NOHSCROLL;
// What the Today screen is told after a scheme rewrote the colours it draws with.
constexpr WPARAM kTodayColoursChanged = 0xF2;

enum Message : UINT {
  kNoSchemeSelected = 863,
  kConfirmDelete = 865,
  kEmptyName = 867,
  kNameTaken = 869,
  kSaved = 871,
  kConfirmApply = 873,
  kCannotOpen = 875,
  kCannotRead = 877,
  kNotAFileName = 1740,
  kTooLongName = 1742,
  kBadNameCaption = 1741,
  kCannotWrite = 1743,
};

// Each text's caption is the next id.
int Tell(HWND owner, UINT textId, UINT buttons = MB_OK, UINT captionId = 0) {
  return ShowLanguageMessage(owner, textId, captionId ? captionId : textId + 1, buttons);
}

bool Forbidden(wchar_t c) { return c < 32 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr; }

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 name devices, whatever extension follows.
bool DeviceName(std::wstring_view name) {
  std::wstring base(name.substr(0, name.find(L'.')));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
  if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL") return true;
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
         base[3] <= L'9';
}

std::wstring SchemePath(const wchar_t* fileName) {
  std::wstring path(SchemesFolder().c_str());
  path += L'\\';
  path += fileName;
  return path;
}

// The list's selection mark and that item's text; false when nothing is selected.
bool SelectedScheme(HWND list, int& index, wchar_t (&name)[kNameChars + 2]) {
  index = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
  if (index < 0) return false;
  name[0] = L'\0';
  ListView_GetItemText(list, index, 0, name, kNameChars + 2);
  return true;
}

void InsertItem(HWND list, int index, const wchar_t* text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(text);
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void DeleteKey(const wchar_t* path) {
  RegDeleteTreeW(HKEY_CURRENT_USER, path);
  RegDeleteKeyW(HKEY_CURRENT_USER, path);
}

}  // namespace

WideString SchemesFolder() {
  WideString folder(Store().InstallFolder());
  folder.Append(L"\\Schemes");
  return folder;
}

SchemeName CheckSchemeName(std::wstring_view name, std::size_t folderLength) {
  if (name.empty()) return SchemeName::kEmpty;
  for (wchar_t c : name)
    if (Forbidden(c)) return SchemeName::kNotAFileName;
  if (DeviceName(name)) return SchemeName::kNotAFileName;
  if (folderLength + 1 + name.size() + std::wcslen(kSchemeExtension) > kLongestSchemePath)
    return SchemeName::kTooLong;
  return SchemeName::kUsable;
}

std::wstring SchemeText() {
  std::wstring text;
  WriteKeySection(KeyGroupPath(kColoursGroup), text);
  WriteKeySection(KeyGroupPath(kFontsGroup), text);
  WriteCategoriesSection(text);
  return text;
}

// The two keys go first, so that a scheme without a colour section leaves every colour at
// its default; the copy taken before puts them back when the scheme fails.
bool RestoreScheme(std::wstring_view text) {
  RegistrySnapshot before;
  if (!before.Take(HKEY_CURRENT_USER, kProductKeyPath)) return false;
  DeleteKey(KeyGroupPath(kColoursGroup));
  DeleteKey(KeyGroupPath(kFontsGroup));
  if (RestoreBackup(text)) return true;
  before.Restore();
  return false;
}

void FillSchemeList(HWND list, HFONT font) {
  SendMessageW(list, LVM_DELETECOLUMN, 0, 0);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExStyle);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = ScaleX(300);
  wchar_t title[] = L"Calendar settings";
  column.pszText = title;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);

  WideString pattern;
  if (!pattern.Format(L"%s\\Schemes\\*%s", Store().InstallFolder(), kSchemeExtension)) return;
  WIN32_FIND_DATAW found{};
  ScopedFind search(pattern.c_str(), found);
  if (!search.Found()) return;
  int index = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) InsertItem(list, index++, found.cFileName);
  } while (search.Next(found));
}

void SaveScheme(HWND owner, HWND nameEdit, HWND list) {
  wchar_t name[kNameChars + 1] = L"";
  GetWindowTextW(nameEdit, name, kNameChars + 1);
  const WideString folder = SchemesFolder();
  switch (CheckSchemeName(name, folder.Length())) {
    case SchemeName::kEmpty: Tell(owner, kEmptyName); return;
    case SchemeName::kNotAFileName: Tell(owner, kNotAFileName); return;
    case SchemeName::kTooLong: Tell(owner, kTooLongName, MB_OK, kBadNameCaption); return;
    case SchemeName::kUsable: break;
  }
  std::wstring fileName(name);
  fileName += kSchemeExtension;
  const std::wstring path = SchemePath(fileName.c_str());
  {
    WIN32_FIND_DATAW found{};
    // The file system decides what "taken" means: on the device a name differing only in
    // letter case is the same file.
    if (ScopedFind(path.c_str(), found).Found()) {
      Tell(owner, kNameTaken);
      return;
    }
  }
  CreateDirectoryW(folder.c_str(), nullptr);  // usually there already
  if (!WriteWideTextFile(path.c_str(), SchemeText())) {
    Tell(owner, kCannotWrite);
    return;
  }
  InsertItem(list, 0, fileName.c_str());
  SetWindowTextW(nameEdit, L"");
  Tell(owner, kSaved);
}

bool ApplyScheme(HWND owner, HWND list) {
  int index = -1;
  wchar_t name[kNameChars + 2];
  if (!SelectedScheme(list, index, name)) {
    Tell(owner, kNoSchemeSelected);
    return false;
  }
  if (Tell(owner, kConfirmApply, MB_YESNO) != IDYES) return false;
  std::wstring text;
  if (!ReadWideTextFile(SchemePath(name).c_str(), text)) {
    Tell(owner, kCannotOpen);
    return false;
  }
  if (!RestoreScheme(text)) {
    Tell(owner, kCannotRead);
    return false;
  }
  Store().LoadAll(Modules().languageLibrary);
  SendMessageW(GetDesktopWindow(), WM_SETTINGCHANGE, kTodayColoursChanged, 0);
  return true;
}

void DeleteScheme(HWND owner, HWND list) {
  int index = -1;
  wchar_t name[kNameChars + 2];
  if (!SelectedScheme(list, index, name)) {
    Tell(owner, kNoSchemeSelected);
    return;
  }
  if (Tell(owner, kConfirmDelete, MB_YESNO) != IDYES) return;
  DeleteFileW(SchemePath(name).c_str());
  SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}
