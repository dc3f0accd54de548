#include "settings/controls/file_browser_dialog.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ce_platform.h"
#include "settings/base/scale.h"
#include "settings/controls/file_browser_rules.h"
#include "settings/controls/scoped_find.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kUpFolderKey = RGB(0, 255, 0);
constexpr int kImageGrowth = 1000;

WideString& Remembered() {
  static WideString folder(L"\\");
  return folder;
}

struct Entry {
  WideString name;
  bool isFolder;
  int image;
  int number;
};

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

int NonNegative(int v) { return v < 0 ? 0 : v; }

void FitColumn(HWND list) {
  RECT client;
  if (list && GetClientRect(list, &client)) ListView_SetColumnWidth(list, 0, client.right);
}

}  // namespace

const wchar_t* RememberedFolder() { return Remembered().c_str(); }

void SetRememberedFolder(const wchar_t* folder) { Remembered().Assign(folder); }

FileBrowserDialog::FileBrowserDialog(FileDialogRequest& request)
    : InlineDialog(request.instance, request.flag != 0), request_(request) {}

INT_PTR FileBrowserDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kSelectCommand) {
        OnSelect(window);
        return TRUE;
      }
      if (LOWORD(wParam) == kCancelCommand) {
        EndDialog(window, 0);
        return TRUE;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header && header->hwndFrom == list_ && header->code == LVN_ITEMACTIVATE) {
        OpenSelectedEntry(window);
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN: {
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (PtInRect(&upFolderRect_, point)) GoUp(window);
      return TRUE;
    }
    case WM_HOTKEY:
      // The Back key, overridden on the menu bar: act on its release.
      if (HIWORD(lParam) == VK_TBACK && (LOWORD(lParam) & MOD_KEYUP)) GoUp(window);
      return TRUE;
    case WM_PRINTCLIENT: PaintContent(window, reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_CTLCOLORSTATIC: {
      // Labels sit on the white client area; the read-only boxes keep their own colours.
      auto control = reinterpret_cast<HWND>(lParam);
      if (control && (control == fileNameLabel_ || control == extensionLabel_)) {
        SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
      }
      break;
    }
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

void FileBrowserDialog::CreateMenuBar(HWND window) {
  HWND bar = CreateSoftKeyBar(window, request_.instance, request_.menuBarId, MenuBarFlags(), kSelectCommand,
                              request_.selectText, kCancelCommand, request_.cancelText);
  if (!bar) return;
  // The Back key walks up a folder instead of leaving the dialog.
  SendMessageW(bar, SHCMBM_OVERRIDEKEY, VK_TBACK,
               MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY));
}

const wchar_t* FileBrowserDialog::DialogTitle() {
  return request_.title.Empty() ? DefaultTitle() : request_.title.c_str();
}

void FileBrowserDialog::CreateFileNameRow(HWND window) {
  fileNameLabel_ = CreateStatic(window, kFileNameLabelId, request_.fileNameLabel.c_str(), false);
  fileNameBox_ = CreateEdit(window, kFileNameBoxId, request_.proposedName.c_str(), false);
}

void FileBrowserDialog::CreateExtensionRow(HWND window) {
  extensionLabel_ = CreateStatic(window, kExtensionLabelId, request_.extensionLabel.c_str(), false);
  extensionBox_ = CreateEdit(window, kExtensionBoxId, request_.filterDescription.c_str(), true);
}

void FileBrowserDialog::CreatePathAndList(HWND window, DWORD extraListStyle) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  pathBox_ = CreateEdit(window, kPathBoxId, L"", true);
  list_ = CreateListView(window, kFileListId, extraListStyle);
  if (!list_) return;
  ListView_SetExtendedListViewStyleEx(list_, LVS_EX_ONECLICKACTIVATE, LVS_EX_ONECLICKACTIVATE);
  wchar_t title[] = L"List Column";
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = title;
  column.cx = ScaleX(300);
  SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  // 32-bit with mask: the default depth of the platform's image lists is 4 bits, which
  // flattens the shell's icons.
  int side = ScaleX(16);
  imageList_ = ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 0, kImageGrowth);
  if (imageList_) ListView_SetImageList(list_, imageList_, LVSIL_SMALL);
}

bool FileBrowserDialog::OnInitDialog(HWND window) {
  bool ok = InlineDialog::OnInitDialog(window);
  currentFolder_.Assign(RememberedFolder());
  if (currentFolder_.Empty() || currentFolder_.c_str()[currentFolder_.Length() - 1] != L'\\')
    currentFolder_.Append(L"\\");
  if (request_.resolutionLibrary)
    upFolderBitmap_.Reset(LoadBitmapW(request_.resolutionLibrary, MAKEINTRESOURCEW(request_.upFolderBitmapId)));
  FillList();
  SelectEntry(0);
  return ok;
}

bool FileBrowserDialog::MatchesExtension(const wchar_t* name, bool isFolder) const {
  return isFolder || NameHasExtension(name, request_.extension.c_str());
}

void FileBrowserDialog::FillList() {
  HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (pathBox_) SetWindowTextW(pathBox_, currentFolder_.c_str());
  if (list_) ListView_DeleteAllItems(list_);
  if (imageList_) ImageList_RemoveAll(imageList_);

  std::vector<Entry> entries;
  WideString pattern(currentFolder_);
  pattern.Append(L"*");
  WIN32_FIND_DATAW found;
  ScopedFind search(pattern.c_str(), found);
  if (search.Found()) {
    WideString path;
    do {
      // The desktop's "." and ".." are not entries of a folder on the device.
      if (IsDotEntry(found.cFileName)) continue;
      bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (!AcceptEntry(found.cFileName, isFolder)) continue;
      path.Assign(currentFolder_.c_str());
      path.Append(found.cFileName);
      int image = -1;
      SHFILEINFOW info{};
      if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) && info.hIcon) {
        if (imageList_) image = ImageList_AddIcon(imageList_, info.hIcon);
        DestroyIcon(info.hIcon);
      }
      int number = static_cast<int>(entries.size()) + (isFolder ? kFolderEntryBase : 0);
      entries.push_back(Entry{WideString(found.cFileName), isFolder, image, number});
    } while (search.Next(found));
  }

  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return CompareBrowserEntries(a.isFolder, a.name.c_str(), b.isFolder, b.name.c_str()) < 0;
  });
  if (list_) {
    int index = 0;
    for (Entry& entry : entries) {
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
      item.iItem = index++;
      item.pszText = entry.name.Raw();
      item.iImage = entry.image;
      item.lParam = entry.number;
      SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    FitColumn(list_);
  }
  SetCursor(previousCursor);
}

void FileBrowserDialog::SelectEntry(int index) {
  if (!list_ || index < 0 || index >= ListView_GetItemCount(list_)) return;
  UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, index, state, state);
  ListView_SetSelectionMark(list_, index);
  ListView_EnsureVisible(list_, index, FALSE);
}

bool FileBrowserDialog::SelectedEntry(WideString& name, bool& isFolder) const {
  if (!list_) return false;
  int mark = ListView_GetSelectionMark(list_);
  // The mark outlives a selection the user has cleared; only a selected entry counts.
  if (mark < 0 || !(ListView_GetItemState(list_, mark, LVIS_SELECTED) & LVIS_SELECTED)) return false;
  wchar_t text[MAX_PATH + 1] = L"";
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = mark;
  item.pszText = text;
  item.cchTextMax = MAX_PATH + 1;
  if (!SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return false;
  isFolder = item.lParam >= kFolderEntryBase;
  return name.Assign(text);
}

void FileBrowserDialog::OpenSelectedEntry(HWND window) {
  WideString name;
  bool isFolder = false;
  if (!SelectedEntry(name, isFolder) || !isFolder) return;
  currentFolder_.Append(name.c_str());
  currentFolder_.Append(L"\\");
  FillList();
  SelectEntry(0);
  InvalidateRect(window, nullptr, TRUE);
}

void FileBrowserDialog::GoUp(HWND window) {
  WideString parent;
  WideString left;
  if (!ParentFolder(currentFolder_.c_str(), parent, left)) return;
  currentFolder_ = std::move(parent);
  FillList();
  if (list_) {
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = left.c_str();
    SelectEntry(static_cast<int>(SendMessageW(list_, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(&find))));
  }
  InvalidateRect(window, nullptr, TRUE);
}

void FileBrowserDialog::EndWithChoice(HWND window, const wchar_t* resultPath) {
  request_.resultPath.Assign(resultPath);
  SetRememberedFolder(currentFolder_.c_str());
  EndDialog(window, 1);
}

void FileBrowserDialog::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) PaintContent(window, dc);
  EndPaint(window, &paint);
}

void FileBrowserDialog::PaintContent(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  BITMAP picture;
  if (upFolderBitmap_ && GetObjectW(upFolderBitmap_.Get(), sizeof picture, &picture)) {
    TransparentImage(dc, upFolderRect_.left, upFolderRect_.top, ScaleX(20), ScaleX(20), upFolderBitmap_.Get(), 0, 0,
                     picture.bmWidth, picture.bmHeight, kUpFolderKey);
  }
}

void FileBrowserDialog::OnSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int margin = ScaleX(10);
  const int labelWidth = ScaleX(50);
  const int rowHeight = ScaleX(20);
  const int button = ScaleX(20);
  const int width = client.right;
  int top = ScaleY(10);
  auto row = [&](HWND label, HWND box) {
    MoveWindow(label, margin, top + ScaleY(3), labelWidth, rowHeight, TRUE);
    MoveWindow(box, margin + labelWidth, top, NonNegative(width - 2 * margin - labelWidth), rowHeight, TRUE);
    top += ScaleY(24);
  };
  if (fileNameBox_) row(fileNameLabel_, fileNameBox_);
  if (extensionBox_) row(extensionLabel_, extensionBox_);
  upFolderRect_ = RECT{width - button - margin, top, width - margin, top + rowHeight};
  MoveWindow(pathBox_, margin, top, NonNegative(width - button - margin - margin), rowHeight, TRUE);
  int listTop = top + ScaleY(24);
  MoveWindow(list_, margin, listTop, NonNegative(width - 2 * margin), NonNegative(client.bottom - ScaleY(10) - listTop),
             TRUE);
  FitColumn(list_);
  InvalidateRect(window, nullptr, TRUE);
  if (list_) SetFocus(list_);
}
