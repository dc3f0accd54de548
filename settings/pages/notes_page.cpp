#include "settings/pages/notes_page.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <new>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/controls/file_dialog.h"
#include "settings/store/key_group.h"
#include "settings/store/registry_values.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"
#include "settings/toolkit/search_bar_box.h"

namespace {

enum ControlId : int {
  kSearchBarLabel = 1200,
  kSearchBarBox = 1201,
  kPreviewLabel = 1202,
  kPreviewBox = 1203,
  kLineBreakLabel = 1204,
  kLineBreakBox = 1205,
  kFoldButtonsCheck = 1206,
  kCountersCheck = 1207,
  kFirstFileTypeCheck = 1208,
  kLastFileTypeCheck = 1213,
  kFoldersText = 1214,
  kFolderList = 1215,
  kRemoveButton = 1216,
  kAddButton = 1217,
};

enum NotesOwnRow : int { kSearchBarRow = 1, kFileTypesRow = 2, kFoldersRow = 3 };

constexpr int kFileTypeCount = 6;
struct FileType {
  UINT textId;
  DWORD readBit;
  DWORD writeBits;
};
constexpr FileType kFileTypes[kFileTypeCount] = {
    {1495, 1, 1}, {1496, 2, 2}, {1497, 4, 4}, {1498, 8, 8 | 256}, {1499, 16, 16 | 512}, {1504, 32, 32},
};

constexpr int kImageGrowth = 1000;
constexpr int kFolderChars = 259;

constexpr UINT kPreviewChoices[] = {1404, 1405, 1406};
constexpr UINT kLineBreakChoices[] = {109, 110, 111, 1233};

const PageRow kSearchRows[] = {
    OwnRow(kSearchBarRow, kSearchBarLabel, kSearchBarBox, 1407),
    ListRow(kPreviewLabel, kPreviewBox, 1403, kPreviewChoices, QM_NUMBER(notes, NotesPreviewNotesState)),
};

const PageRow kLayoutRows[] = {
    ListRow(kLineBreakLabel, kLineBreakBox, 1068, kLineBreakChoices, QM_NUMBER(notes, NotesBreakLineStyle)),
    CheckRow(kFoldButtonsCheck, 1069, QM_NUMBER(notes, NotesIncldFoldBttns)),
    CheckRow(kCountersCheck, 1254, QM_NUMBER(notes, NotesIncldCounters)),
};

const PageRow kFileTypeRows[] = {
    OwnRow(kFileTypesRow, 0, kFirstFileTypeCheck, 1495),
};

const PageRow kFolderRows[] = {
    OwnRow(kFoldersRow, kFoldersText, kFolderList, 1493),
};

const PageTab kTabs[] = {
    {635, kSearchBarLabel, kPreviewBox, kSearchRows},
    {1062, kLineBreakLabel, kCountersCheck, kLayoutRows},
    {1494, kFirstFileTypeCheck, kLastFileTypeCheck, kFileTypeRows},
    {1492, kFoldersText, kAddButton, kFolderRows},
};

// The built-in search bars: kind, text, and the bit of CntctsActiveLanguages that offers it.

// Exact and case-sensitive: the list view's own search ignores case.
bool ListedExactly(HWND list, const wchar_t* text) {
  const int count = ListView_GetItemCount(list);
  wchar_t listed[kFolderChars + 1];
  for (int item = 0; item < count; ++item) {
    listed[0] = L'\0';
    ListView_GetItemText(list, item, 0, listed, kFolderChars + 1);
    if (lstrcmpW(listed, text) == 0) return true;
  }
  return false;
}

}  // namespace

std::vector<WideString> ReadNotesFolders() {
  std::vector<WideString> folders;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kNotesFoldersKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return folders;
  RegistryKey key(opened, RegistryKey::OnClose::kPlainClose);
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD nameChars = 256;
    const LONG status = RegEnumValueW(key.Get(), index, name, &nameChars, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) continue;
    WideString folder;
    if (ReadStringValue(name, &folder, L"", key.Get())) folders.push_back(std::move(folder));
  }
  return folders;
}

bool WriteNotesFolders(const std::vector<WideString>& folders) {
  // The key is emptied only once it is open, so that a key that cannot be opened keeps the
  // folders it had.
  RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, kNotesFoldersKey);
  if (!key) return false;
  RegDeleteTreeW(key.Get(), nullptr);
  wchar_t name[16];
  for (std::size_t index = 0; index < folders.size(); ++index) {
    wsprintfW(name, L"%d", static_cast<int>(index));
    // The plug-in reads paths of at most MAX_PATH - 1 characters.
    WideString text;
    text.Assign(folders[index].c_str(), std::min<std::size_t>(folders[index].Length(), kFolderChars));
    WriteStringValue(key.Get(), name, text.c_str(), nullptr);
  }
  return true;
}

DWORD ComposeScannedFileTypes(const bool (&checked)[6], bool lastEnabled) {
  DWORD bits = 0;
  for (int index = 0; index < kFileTypeCount; ++index) {
    const bool last = index == kFileTypeCount - 1;
    if (checked[index] || (last && !lastEnabled)) bits |= kFileTypes[index].writeBits;
  }
  return bits;
}

bool ListProductInstalled() {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tessaly\\Ledgerly", 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return false;
  RegistryKey key(opened, RegistryKey::OnClose::kPlainClose);
  WideString path;
  return ReadStringValue(L"ListsPath", &path, L"", key.Get()) && !path.Empty();
}

NotesPage::NotesPage() : RowTablePage(kTabs) {}

int NotesPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kSearchBarRow: return BuildSearchBar(window, row, y);
    case kFileTypesRow: return BuildFileTypes(window, y);
    case kFoldersRow: return BuildFolderList(window);
    default: return 0;
  }
}

void NotesPage::WriteOwnRow(HWND window, const PageRow& row) {
  switch (row.own) {
    case kSearchBarRow: WriteSearchBarBox(GetDlgItem(window, kSearchBarBox), SearchBar()); break;
    case kFileTypesRow: WriteFileTypes(window); break;
    case kFoldersRow: WriteFolders(window); break;
    default: break;
  }
}

int NotesPage::BuildSearchBar(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  FillSearchBarBox(GetDlgItem(window, kSearchBarBox), SearchBar());
  return advance;
}

// The alphabets are the contacts tab's; the notes tab shares them.
SearchBarRecords NotesPage::SearchBar() {
  SettingsStore& store = Store();
  return {store.notes.NotesActiveSearchBar, store.notes.NotesCustomSearchBarSelected,
          store.contacts.CntctsActiveLanguages};
}

int NotesPage::BuildFileTypes(HWND window, int y) {
  const DWORD stored = Store().notes.NotesScannedFileTypes.value;
  int advance = 0;
  for (int index = 0; index < kFileTypeCount; ++index) {
    const FileType& type = kFileTypes[index];
    advance += AddCheckRow(*this, window, kFirstFileTypeCheck + index, type.textId, (stored & type.readBit) != 0,
                           y + advance);
  }
  if (!ListProductInstalled()) {
    CheckDlgButton(window, kLastFileTypeCheck, BST_UNCHECKED);
    EnableWindow(GetDlgItem(window, kLastFileTypeCheck), FALSE);
  }
  return advance;
}

void NotesPage::WriteFileTypes(HWND window) {
  bool checked[kFileTypeCount];
  for (int index = 0; index < kFileTypeCount; ++index) checked[index] = IsChecked(window, kFirstFileTypeCheck + index);
  const bool lastEnabled = IsWindowEnabled(GetDlgItem(window, kLastFileTypeCheck)) != FALSE;
  Store().notes.NotesScannedFileTypes.Set(ComposeScannedFileTypes(checked, lastEnabled));
}

int NotesPage::BuildFolderList(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int right = client.right;
  const int bottom = client.bottom;
  AddStatic(*this, window, kFoldersText, 1493, ScaleX(10), ScaleY(8), right - ScaleX(20), ScaleX(20), SS_LEFT);
  const int listY = ScaleY(8) + ScaleY(20);
  const DWORD listStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER |
                          LVS_SHOWSELALWAYS;
  HWND list = AddControl(*this, window, WC_LISTVIEWW, L"", listStyle, ScaleX(10), listY, right - ScaleX(20),
                         std::max(0, bottom - ScaleY(58) - listY), kFolderList);
  const int buttonY = bottom - ScaleY(53);
  AddButton(*this, window, kRemoveButton, 1517, right - ScaleX(140), buttonY, ScaleX(60), ScaleY(20));
  AddButton(*this, window, kAddButton, 860, right - ScaleX(70), buttonY, ScaleX(60), ScaleY(20));
  if (!list) return 0;

  // 32-bit with mask: the platform's default depth flattens the shell's icons.
  HIMAGELIST images = ImageList_Create(ScaleX(16), ScaleY(16), ILC_COLOR32 | ILC_MASK, 0, kImageGrowth);
  if (images) {
    SetImageList(images);
    ImageList_RemoveAll(images);
    ListView_SetImageList(list, images, LVSIL_SMALL);
  }
  ListView_DeleteColumn(list, 0);
  ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT listClient{};
  GetClientRect(list, &listClient);
  wchar_t title[] = L"List Column";
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = title;
  column.cx = listClient.right;
  ListView_InsertColumn(list, 0, &column);
  ListView_DeleteAllItems(list);
  for (const WideString& folder : ReadNotesFolders()) AddFolder(window, folder.c_str());
  return 0;
}

bool NotesPage::AddFolder(HWND window, const wchar_t* path) {
  HWND list = GetDlgItem(window, kFolderList);
  if (!list || !path || ListedExactly(list, path)) return false;
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES |
                                                       SHGFI_SMALLICON) ||
      !info.hIcon)
    return false;
  int image = -1;
  if (ImageList()) image = ImageList_AddIcon(ImageList(), info.hIcon);
  DestroyIcon(info.hIcon);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = ListView_GetItemCount(list);
  item.pszText = const_cast<wchar_t*>(path);
  item.iImage = image;
  return ListView_InsertItem(list, &item) >= 0;
}

void NotesPage::AddChosenFolder(HWND window) {
  std::unique_ptr<FileDialogRequest> request = MakeFileDialogRequest(L"Add Notes Folder", nullptr, nullptr, nullptr);
  if (!request || !RunSelectFolderDialog(*request)) return;
  const WideString& chosen = request->resultPath;
  std::size_t length = chosen.Length();
  if (length > 0 && chosen.c_str()[length - 1] == L'\\') --length;
  WideString path;
  path.Assign(chosen.c_str(), length);
  if (AddFolder(window, path.c_str())) {
    foldersChanged_ = true;
    return;
  }
  ShowLanguageMessage(window, 1519, 1518, MB_OK, L"This folder is already in the list.", L"Add Notes Folder");
}

void NotesPage::RemoveSelectedFolder(HWND window) {
  HWND list = GetDlgItem(window, kFolderList);
  const int mark = ListView_GetSelectionMark(list);
  if (mark < 0) {
    ShowLanguageMessage(window, 633, 634, MB_OK, L"Please select an item first.", L"Selection Missing");
    return;
  }
  ListView_DeleteItem(list, mark);
  ListView_SetSelectionMark(list, -1);
  foldersChanged_ = true;
}

void NotesPage::WriteFolders(HWND window) {
  HWND list = GetDlgItem(window, kFolderList);
  // An untouched list leaves the key as it was, or absent.
  if (!list || !foldersChanged_) return;
  std::vector<WideString> folders;
  const int count = ListView_GetItemCount(list);
  wchar_t text[kFolderChars + 1];
  for (int item = 0; item < count; ++item) {
    text[0] = L'\0';
    ListView_GetItemText(list, item, 0, text, kFolderChars + 1);
    folders.emplace_back(text);
  }
  WriteNotesFolders(folders);
}

// The client shrinks once the page's bars are in place; the folder list and its buttons keep
// to the bottom.
LRESULT NotesPage::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int listY = ScaleY(8) + ScaleY(20);
  const int buttonY = client.bottom - ScaleY(53);
  if (HWND list = GetDlgItem(window, kFolderList)) {
    MoveWindow(list, ScaleX(10), listY, client.right - ScaleX(20), std::max(0, static_cast<int>(client.bottom) - ScaleY(58) - listY),
               TRUE);
    RECT inside{};
    GetClientRect(list, &inside);
    ListView_SetColumnWidth(list, 0, inside.right);
  }
  if (HWND remove = GetDlgItem(window, kRemoveButton))
    MoveWindow(remove, client.right - ScaleX(140), buttonY, ScaleX(60), ScaleY(20), TRUE);
  if (HWND add = GetDlgItem(window, kAddButton))
    MoveWindow(add, client.right - ScaleX(70), buttonY, ScaleX(60), ScaleY(20), TRUE);
  return 0;
}

LRESULT NotesPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (id == kSearchBarBox && code == CBN_SELCHANGE)
    OnSearchBarChanged(GetDlgItem(window, kSearchBarBox), Instance(), Font(), SearchBar());
  if (id == kAddButton && code == BN_CLICKED) AddChosenFolder(window);
  if (id == kRemoveButton && code == BN_CLICKED) RemoveSelectedFolder(window);
  return 0;
}
