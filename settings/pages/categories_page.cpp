#include "settings/pages/categories_page.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/file_dialog.h"
#include "settings/controls/gdi_guards.h"
#include "settings/files/category_manager.h"
#include "settings/files/icon_library.h"
#include "settings/files/icon_picker.h"
#include "settings/pages/category_icon_file.h"
#include "settings/pages/rename_dialog.h"
#include "settings/store/settings_store.h"
#include "settings/store/theme_colours.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kCategoryList = 1200,
  kIconButton = 1201,
  kColourButton = 1202,
  kFilterLabel = 1203,
  kFilterBox = 1204,
  kRenameButton = 1205,
  kVisibleCheck = 1206,
  kUncategorizedCheck = 1207,
  kSensitivityLabel = 1208,
  kSensitivityBox = 1209,
  kCheckAllButton = 1210,
  kUncheckAllButton = 1211,
  kMemberList = 1212,
  kFolderLabel = 1213,
  kFolderEdit = 1214,
  kFolderClearButton = 1215,
  kFolderBrowseButton = 1216,
};

enum CategoriesOwnRow : int { kCategoryRows = 1, kFilterChoice = 2, kMemberRows = 3, kIconsFolderRow = 4 };

// Texts of the page's own messages.
constexpr UINT kEmptyTitleText = 1790;
constexpr UINT kTakenTitleText = 1791;
constexpr UINT kRenameCaption = 1792;
constexpr UINT kNotABitmapText = 1793;
constexpr UINT kCopyFailedText = 1794;
constexpr UINT kKeptFileText = 1795;
constexpr UINT kIconCaption = 1796;

// Owner-drawn report list: border, tab stop, single selection, selection always shown, no
// column header.
constexpr DWORD kCategoryListStyle = WS_CHILD | 0x0081C40D;
constexpr DWORD kMemberListStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_AUTOARRANGE |
                                   LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
constexpr DWORD kFilterBoxStyle = WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kRowExStyle = LVS_EX_FULLROWSELECT | LVS_EX_NOHSCROLL;
constexpr COLORREF kIconKey = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr UINT kSensitivityChoices[] = {1239, 1240, 1241};

const PageRow kCategoryTabRows[] = {
    OwnRow(kCategoryRows, 0, kCategoryList, 0),
};

// The check boxes and the sensitivity show the filter the box selects; the page fills them.
const PageRow kFilterTabRows[] = {
    OwnRow(kFilterChoice, kFilterLabel, kFilterBox, 923),
    CheckRow(kVisibleCheck, 925, nullptr),
    CheckRow(kUncategorizedCheck, 924, nullptr),
    ListRow(kSensitivityLabel, kSensitivityBox, 1238, kSensitivityChoices, nullptr),
    OwnRow(kMemberRows, 0, kMemberList, 0),
};

// Written as it is chosen, not when the page closes.
const PageRow kOtherTabRows[] = {
    OwnRow(kIconsFolderRow, kFolderLabel, kFolderEdit, 858, QM_TEXT(categories, AdditionalIconsFolder)),
};

const PageTab kTabs[] = {
    {1428, kCategoryList, kColourButton, kCategoryTabRows},
    {1431, kFilterLabel, kMemberList, kFilterTabRows},
    {642, kFolderLabel, kFolderBrowseButton, kOtherTabRows},
};

int ClientRight(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.right;
}

int ClientBottom(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.bottom;
}

int NotNegative(int value) { return value > 0 ? value : 0; }

// A report list with one column; its items are the manager's categories, each item's data
// the category.
HWND AddCategoryListView(SettingsPage& page, HWND window, int id, DWORD style, DWORD exStyle, const wchar_t* title,
                         int columnWidth, int x, int y, int width, int height) {
  HWND list = AddControl(page, window, WC_LISTVIEWW, L"", style, x, y, width, height, id);
  if (!list) return nullptr;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle);
  WideString caption(title);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = columnWidth;
  column.pszText = caption.Raw();
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  for (const std::unique_ptr<Category>& category : Categories().Categories()) {
    item.pszText = category->name.Raw();
    item.lParam = reinterpret_cast<LPARAM>(category.get());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    ++item.iItem;
  }
  return list;
}

Category* ItemCategory(HWND list, int index) {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (index < 0 || !SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<Category*>(item.lParam);
}

// The category at the list's selection mark, or null.
Category* MarkedCategory(HWND list, int* index) {
  *index = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
  return ItemCategory(list, *index);
}

// The bitmap at most `limit` wide and high, its proportions kept, centred on (x, y); pure
// green is see-through.
void DrawIcon(HDC dc, HBITMAP icon, int x, int y, int limit) {
  BITMAP picture{};
  if (!icon || !GetObjectW(icon, sizeof picture, &picture) || picture.bmWidth <= 0 || picture.bmHeight <= 0) return;
  int width = picture.bmWidth;
  int height = picture.bmHeight;
  if (width > limit || height > limit) {
    const bool wide = width >= height;
    width = wide ? limit : picture.bmWidth * limit / picture.bmHeight;
    height = wide ? picture.bmHeight * limit / picture.bmWidth : limit;
  }
  TransparentImage(dc, x - width / 2, y - height / 2, width, height, icon, 0, 0, picture.bmWidth, picture.bmHeight,
                   kIconKey);
}

bool IsBlank(const wchar_t* text) {
  for (; *text; ++text)
    if (*text != L' ' && *text != L'\t') return false;
  return true;
}

}  // namespace

UINT FilterTitleRefusal(const CategoryFilter& renamed, const wchar_t* title) {
  if (!title || IsBlank(title)) return kEmptyTitleText;
  for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters())
    if (filter.get() != &renamed &&
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, filter->name.c_str(), -1, title, -1) == CSTR_EQUAL)
      return kTakenTitleText;
  return 0;
}

CategoriesPage::CategoriesPage() : RowTablePage(kTabs) {}

int CategoriesPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kCategoryRows: return BuildCategoryRows(window, y);
    case kFilterChoice: return BuildFilterChoice(window, y);
    case kMemberRows: return BuildMemberRows(window, y);
    case kIconsFolderRow: return BuildIconsFolderRow(window, row, y);
    default: return 0;
  }
}

int CategoriesPage::BuildCategoryRows(HWND window, int) {
  const int right = ClientRight(window);
  const int top = ScaleX(8);
  HWND list = AddCategoryListView(*this, window, kCategoryList, kCategoryListStyle, kRowExStyle, L"List Column", 0,
                                  ScaleX(10), top, right - ScaleX(80), NotNegative(ClientBottom(window) - ScaleY(28) - top));
  if (list) {
    RECT inside{};
    GetClientRect(list, &inside);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(inside.right, 0));
  }
  AddButton(*this, window, kIconButton, 1429, right - ScaleX(65), top, ScaleX(55), ScaleX(20));
  AddButton(*this, window, kColourButton, 1430, right - ScaleX(65), top + ScaleY(24), ScaleX(55), ScaleX(20));
  return 0;
}

int CategoriesPage::BuildFilterChoice(HWND window, int y) {
  const int right = ClientRight(window);
  AddStatic(*this, window, kFilterLabel, 923, ScaleX(10), y + ScaleX(4), ScaleX(60), ScaleX(15), SS_RIGHT);
  AddControl(*this, window, L"combobox", L"", kFilterBoxStyle, ScaleX(74), y, right - ScaleX(150), ScaleX(100),
             kFilterBox);
  AddButton(*this, window, kRenameButton, 926, right - ScaleX(72), y, ScaleX(62), ScaleX(20));
  return ScaleX(24);
}

int CategoriesPage::BuildMemberRows(HWND window, int y) {
  const int right = ClientRight(window);
  AddButton(*this, window, kCheckAllButton, 927, right - ScaleX(230), y, ScaleX(65), ScaleX(20));
  AddButton(*this, window, kUncheckAllButton, 928, right - ScaleX(230), y + ScaleX(24), ScaleX(65), ScaleX(20));
  AddCategoryListView(*this, window, kMemberList, kMemberListStyle, kRowExStyle | LVS_EX_CHECKBOXES,
                      L"Categories List", ScaleX(250), right - ScaleX(160), y, ScaleX(150),
                      NotNegative(ClientBottom(window) - ScaleY(28) - y));
  return 0;
}

int CategoriesPage::BuildIconsFolderRow(HWND window, const PageRow& row, int) {
  AddStatic(*this, window, row.labelId, row.textId, ScaleX(10), ScaleX(8), ClientRight(window) - ScaleX(20),
            ScaleX(20), SS_LEFT);
  AddEditButtonsLine(*this, window, kFolderEdit, kFolderClearButton, kFolderBrowseButton,
                     row.text(Store()).value.c_str(), ScaleX(8) + ScaleY(20));
  return 0;
}

void CategoriesPage::OnRowsBuilt(HWND window) {
  selectionColours_ = ReadSelectionColours();
  FillFilterBox(window, 0);
  ShowFilter(window, 0);
}

void CategoriesPage::OnDestroy(HWND window) {
  StoreFilter(window);
  RowTablePage::OnDestroy(window);
}

LRESULT CategoriesPage::OnSize(HWND window) {
  const int right = ClientRight(window);
  const int bottom = ClientBottom(window);
  if (HWND list = GetDlgItem(window, kCategoryList)) {
    const int top = ScaleY(8);
    MoveWindow(list, ScaleX(10), top, right - ScaleX(80), NotNegative(bottom - ScaleY(28) - top), TRUE);
    RECT inside{};
    GetClientRect(list, &inside);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(inside.right, 0));
  }
  if (HWND members = GetDlgItem(window, kMemberList)) {
    const int top = ScaleY(8) + ScaleY(96);
    MoveWindow(members, right - ScaleX(160), top, ScaleX(150), NotNegative(bottom - ScaleY(28) - top), TRUE);
  }
  return 0;
}

LRESULT CategoriesPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == kFilterBox && code == CBN_SELCHANGE) {
    StoreFilter(window);
    ShowFilter(window, static_cast<int>(SendDlgItemMessageW(window, kFilterBox, CB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (code != BN_CLICKED) return 0;
  switch (id) {
    case kIconButton: ChooseIconOfSelected(window); break;
    case kColourButton: ChooseColourOfSelected(window); break;
    case kRenameButton: RenameFilter(window); break;
    case kCheckAllButton: CheckAllMembers(window, true); break;
    case kUncheckAllButton: CheckAllMembers(window, false); break;
    case kFolderClearButton:
      SetDlgItemTextW(window, kFolderEdit, L"");
      StoreIconsFolder(L"");
      break;
    case kFolderBrowseButton: ChooseIconsFolder(window); break;
    default: break;
  }
  return 0;
}

LRESULT CategoriesPage::OnMeasureItem(HWND, WPARAM, LPARAM lParam) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!measure || measure->CtlID != kCategoryList) return FALSE;
  measure->itemHeight = static_cast<UINT>(ScaleY(16));
  return TRUE;
}

LRESULT CategoriesPage::OnDrawItem(HWND, WPARAM, LPARAM lParam) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!draw || draw->CtlID != kCategoryList) return FALSE;
  DrawCategoryRow(*draw);
  return TRUE;
}

void CategoriesPage::DrawCategoryRow(const DRAWITEMSTRUCT& draw) {
  const auto* category = reinterpret_cast<const Category*>(draw.itemData);
  HDC dc = draw.hDC;
  RECT client{};
  GetClientRect(draw.hwndItem, &client);
  const RECT row{client.left, draw.rcItem.top, client.right, draw.rcItem.bottom};
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  FillSolid(dc, row, selected ? selectionColours_.background : kWhite);
  if (!category) return;

  DrawIcon(dc, category->icon.Get(), row.left + ScaleX(4) + ScaleX(6), row.top + ScaleX(8), ScaleX(12));
  if (category->colour != kNoCategoryColour) {
    RECT box{row.right - ScaleX(4) - ScaleX(14), row.top + ScaleY(2), row.right - ScaleX(4), row.bottom - ScaleY(2)};
    FillSolid(dc, box, RGB(0, 0, 0));
    InflateRect(&box, -ScaleY(1), -ScaleY(1));
    FillSolid(dc, box, category->colour);
  }

  RECT text{row.left + ScaleX(20), row.top, row.right - ScaleX(22), row.bottom};
  ScopedSelectObject font(dc, Font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = selected ? SetTextColor(dc, selectionColours_.text) : GetTextColor(dc);
  DrawTextW(dc, category->name.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void CategoriesPage::ChooseColourOfSelected(HWND window) {
  HWND list = GetDlgItem(window, kCategoryList);
  int index = -1;
  Category* category = MarkedCategory(list, &index);
  if (!category) return;
  const COLORREF chosen = ChooseColour(category->colour);
  if (chosen != kCancelledColour) category->colour = chosen;
  SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
  SetFocus(list);
}

void CategoriesPage::ChooseIconOfSelected(HWND window) {
  HWND list = GetDlgItem(window, kCategoryList);
  int index = -1;
  Category* category = MarkedCategory(list, &index);
  if (!category) return;
  const WideString icon = CategoryIconPath(*category);
  WideString path;
  if (GetFileAttributesW(icon.c_str()) != INVALID_FILE_ATTRIBUTES) path.Assign(icon.c_str());
  if (ChooseIcon(window, Instance(), path) == 1) {
    switch (ChangeCategoryIcon(*category, path.c_str())) {
      case IconChange::kNotABitmap: ShowLanguageMessage(window, kNotABitmapText, kIconCaption, MB_OK | MB_ICONEXCLAMATION); break;
      case IconChange::kCopyFailed: ShowLanguageMessage(window, kCopyFailedText, kIconCaption, MB_OK | MB_ICONEXCLAMATION); break;
      case IconChange::kKeptFile: ShowLanguageMessage(window, kKeptFileText, kIconCaption, MB_OK | MB_ICONEXCLAMATION); break;
      default: break;
    }
  }
  SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
  SetFocus(list);
}

void CategoriesPage::FillFilterBox(HWND window, int selection) {
  HWND box = GetDlgItem(window, kFilterBox);
  if (!box) return;
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  for (const std::unique_ptr<CategoryFilter>& filter : Categories().Filters())
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter->name.c_str()));
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selection >= 0 ? selection : 0), 0);
}

void CategoriesPage::ShowFilter(HWND window, int index) {
  if (index < 0 || index >= kFilterCount) return;
  shownFilter_ = index;
  HWND members = GetDlgItem(window, kMemberList);
  const int count = static_cast<int>(SendMessageW(members, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    const Category* category = ItemCategory(members, item);
    ListView_SetCheckState(members, item, category && (category->filterBits >> index) & 1);
  }
  const CategoryFilter* filter = Categories().FindFilter(index + 1);
  if (!filter) return;
  CheckDlgButton(window, kVisibleCheck, filter->visible ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(window, kUncategorizedCheck, filter->includeUncategorized ? BST_CHECKED : BST_UNCHECKED);
  // A sensitivity no choice stands for shows none and is kept.
  SendDlgItemMessageW(window, kSensitivityBox, CB_SETCURSEL, filter->sensitivity <= 2 ? filter->sensitivity : -1, 0);
}

void CategoriesPage::StoreFilter(HWND window) {
  const int index = shownFilter_;
  const DWORD bit = 1u << index;
  HWND members = GetDlgItem(window, kMemberList);
  const int count = static_cast<int>(SendMessageW(members, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    Category* category = ItemCategory(members, item);
    if (!category) continue;
    if (ListView_GetCheckState(members, item))
      category->filterBits |= bit;
    else
      category->filterBits &= ~bit;
  }
  CategoryFilter* filter = Categories().FindFilter(index + 1);
  if (!filter) return;
  filter->visible = IsChecked(window, kVisibleCheck) ? 1 : 0;
  filter->includeUncategorized = IsChecked(window, kUncategorizedCheck) ? 1 : 0;
  const LRESULT sensitivity = SendDlgItemMessageW(window, kSensitivityBox, CB_GETCURSEL, 0, 0);
  if (sensitivity >= 0) filter->sensitivity = static_cast<DWORD>(sensitivity);
}

void CategoriesPage::RenameFilter(HWND window) {
  const int selection = static_cast<int>(SendDlgItemMessageW(window, kFilterBox, CB_GETCURSEL, 0, 0));
  CategoryFilter* filter = Categories().FindFilter(selection + 1);
  if (!filter) return;
  WideString title(filter->name.c_str());
  const RenameCheck check = [filter](const wchar_t* name) { return FilterTitleRefusal(*filter, name); };
  if (!RunRenameDialog(Instance(), title, check, kRenameCaption)) return;
  filter->name.Assign(title.c_str());
  FillFilterBox(window, selection);
}

void CategoriesPage::CheckAllMembers(HWND window, bool checked) {
  HWND members = GetDlgItem(window, kMemberList);
  const int count = static_cast<int>(SendMessageW(members, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) ListView_SetCheckState(members, item, checked);
}

void CategoriesPage::ChooseIconsFolder(HWND window) {
  std::unique_ptr<FileDialogRequest> request =
      MakeFileDialogRequest(L"Additional Icons Path", nullptr, nullptr, nullptr);
  if (!request || !RunSelectFolderDialog(*request)) return;
  SetDlgItemTextW(window, kFolderEdit, request->resultPath.c_str());
  StoreIconsFolder(request->resultPath.c_str());
}

void CategoriesPage::StoreIconsFolder(const wchar_t* folder) {
  StringSetting& setting = Store().categories.AdditionalIconsFolder;
  setting.Set(folder);
  setting.Save(nullptr);
  // The icon picker gathers its library once; a new folder is seen at its next use.
  ProgramIcons().Clear();
}
