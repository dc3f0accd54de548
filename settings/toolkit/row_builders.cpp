#include "settings/toolkit/row_builders.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"
#include "settings/toolkit/settings_page.h"

namespace {

// None of these carries WS_VISIBLE: a tab's controls appear when the page shows the tab.
constexpr DWORD kEditStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kPathEditStyle = kEditStyle | ES_READONLY;
constexpr DWORD kCheckStyle = WS_CHILD | BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT;  // box at the right
constexpr DWORD kComboStyle = WS_CHILD | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kListStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_AUTOARRANGE |
                             LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
// Full-row select and CE's LVS_EX_NOHSCROLL.
constexpr DWORD kListExStyle = 0x10000020;
static_assert(kEditStyle == 0x40800080 && kPathEditStyle == 0x40800880 && kCheckStyle == 0x40000223 &&
              kComboStyle == 0x40210000 && kListStyle == 0x4081C105);

// The two buttons beside every read-only path field.
constexpr UINT kFirstButtonText = 859;
constexpr UINT kSecondButtonText = 856;

constexpr UINT kNoSelectionText = 633;
constexpr UINT kNoSelectionCaption = 634;
constexpr UINT kNoColourText = 915;
constexpr COLORREF kNoColour = 0xFFFFFFFF;

constexpr wchar_t kTodayImage[] = L"\\Windows\\tdywater.gif";
constexpr wchar_t kFallbackTodayImage[] = L"\\windows\\stwater.gif";
constexpr COLORREF kBandColour = 0xD7B798;
constexpr COLORREF kBandKey = RGB(255, 0, 0);

constexpr int kListTextLimit = 256;

WideString Text(UINT id) {
  WideString text;
  LoadText(Modules().languageLibrary, id, text);
  return text;
}

int ClientRight(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.right;
}

HWND CreatePathEdit(SettingsPage& page, HWND window, int id, const wchar_t* text, int x, int y, int width, int height) {
  HWND edit = AddControl(page, window, L"edit", L"", kPathEditStyle, x, y, width, height, id);
  if (edit) SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
  return edit;
}

// The two path buttons, right-aligned on the line at y.
void AddPathButtons(SettingsPage& page, HWND window, int button1Id, int button2Id, int right, int y) {
  AddButton(page, window, button1Id, kFirstButtonText, right - ScaleX(105), y, ScaleX(45), ScaleX(20));
  AddButton(page, window, button2Id, kSecondButtonText, right - ScaleX(55), y, ScaleX(45), ScaleX(20));
}

// Copies the band from the Today background, if there is one large enough. Its pure red
// pixels are see-through and keep the plain band colour beneath.
void CopyTodayBackground(HDC band, int width, int height) {
  ScopedBitmap image(SHLoadImageFile(kTodayImage));
  if (!image) image.Reset(SHLoadImageFile(kFallbackTodayImage));
  if (!image) return;
  BITMAP info{};
  if (!GetObjectW(image.Get(), sizeof info, &info)) return;
  if (info.bmHeight < ScaleY(10) + height || info.bmWidth < width) return;
  int top = info.bmHeight - ScaleX(160);
  if (top < 0) top = ScaleY(10);
  TransparentImage(band, 0, 0, width, height, image.Get(), 0, top, width, height, kBandKey);
}

struct ListRow {
  wchar_t text[kListTextLimit];
  LPARAM data;
  bool checked;
};

bool HasCheckBoxes(HWND list) {
  return (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

void ReadRow(HWND list, int index, bool checks, ListRow& row) {
  row.text[0] = L'\0';
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = row.text;
  item.cchTextMax = kListTextLimit;
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  row.data = item.lParam;
  row.checked = checks && (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK) >>
                           12) == 2;
}

void WriteRow(HWND list, int index, bool checks, ListRow& row) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = row.text;
  item.lParam = row.data;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (!checks) return;
  LVITEMW state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1);
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
}

}  // namespace

HWND AddControl(SettingsPage& page, HWND window, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                int y, int width, int height, int id) {
  HWND control = CreateWindowExW(0, className, text, style, x, y, width, height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), page.Instance(), nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(page.Font()), TRUE);
  return control;
}

HWND AddStatic(SettingsPage& page, HWND window, int id, UINT textId, int x, int y, int width, int height, DWORD style) {
  return AddControl(page, window, L"static", Text(textId).c_str(), style | WS_CHILD, x, y, width, height, id);
}

HWND AddEdit(SettingsPage& page, HWND window, int id, const wchar_t* text, int x, int y, int width, int height) {
  HWND edit = AddControl(page, window, L"edit", L"", kEditStyle, x, y, width, height, id);
  if (edit) SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
  return edit;
}

HWND AddButton(SettingsPage& page, HWND window, int id, UINT textId, int x, int y, int width, int height) {
  return AddControl(page, window, L"button", Text(textId).c_str(), WS_CHILD | BS_PUSHBUTTON, x, y, width, height, id);
}

int AddCheckRow(SettingsPage& page, HWND window, int id, UINT textId, bool checked, int y) {
  HWND box = AddControl(page, window, L"BUTTON", Text(textId).c_str(), kCheckStyle, ScaleX(10), y,
                           ClientRight(window) - ScaleX(20), ScaleX(20), id);
  if (box) SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return ScaleY(24);
}

int AddComboRow(SettingsPage& page, HWND window, int labelId, int comboId, UINT textId, const UINT* choiceIds,
                int count, int selected, int y, bool editable) {
  const int right = ClientRight(window);
  AddStatic(page, window, labelId, textId, 0, y + ScaleX(3), right - ScaleX(140), ScaleX(20), SS_RIGHT);
  const DWORD style = kComboStyle | (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
  HWND combo = AddControl(page, window, L"combobox", L"", style, right - ScaleX(135), y, ScaleX(125), ScaleX(100),
                             comboId);
  if (!combo) return ScaleY(24);
  for (int index = 0; choiceIds && index < count; ++index)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text(choiceIds[index]).c_str()));
  if (selected < count) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  return ScaleY(24);
}

int AddEditButtonsRow(SettingsPage& page, HWND window, int labelId, int editId, int button1Id, int button2Id,
                      UINT textId, const wchar_t* text, int y) {
  const int right = ClientRight(window);
  AddStatic(page, window, labelId, textId, 0, y + ScaleY(3), right - ScaleX(140), ScaleX(20), SS_RIGHT);
  CreatePathEdit(page, window, editId, text, right - ScaleX(135), y, ScaleX(125), ScaleY(20));
  AddPathButtons(page, window, button1Id, button2Id, right, y + ScaleY(24));
  return ScaleY(48);
}

int AddEditButtonsLine(SettingsPage& page, HWND window, int editId, int button1Id, int button2Id, const wchar_t* text,
                       int y) {
  const int right = ClientRight(window);
  CreatePathEdit(page, window, editId, text, ScaleX(10), y, right - ScaleX(120), ScaleX(20));
  AddPathButtons(page, window, button1Id, button2Id, right, y);
  return ScaleY(24);
}

HWND AddListView(SettingsPage& page, HWND window, int id, const UINT* itemIds, int count, int y) {
  RECT client{};
  GetClientRect(window, &client);
  HWND list = AddControl(page, window, WC_LISTVIEWW, L"", kListStyle, ScaleX(10), ScaleX(68) + y,
                            client.right - ScaleX(20), client.bottom - ScaleX(96) - y, id);
  if (!list) return nullptr;
  SendMessageW(list, LVM_DELETECOLUMN, 0, 0);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExStyle);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = ScaleX(300);
  wchar_t title[] = L"List Column";
  column.pszText = title;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (int index = 0; itemIds && index < count; ++index) {
    WideString text = Text(itemIds[index]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = text.Raw();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  return list;
}

void ShowControlRange(HWND window, int firstId, int lastId, int showCommand) {
  for (int id = firstId; id <= lastId; ++id) {
    if (HWND control = GetDlgItem(window, id)) ShowWindow(control, showCommand);
  }
}

void MoveListItem(HWND window, int listId, bool up) {
  HWND list = GetDlgItem(window, listId);
  if (!list) return;
  const auto mark = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
  if (mark < 0) {
    MessageBoxW(window, Text(kNoSelectionText).c_str(), Text(kNoSelectionCaption).c_str(), MB_OK);
    return;
  }
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  const int target = up ? mark - 1 : mark + 1;
  if (mark >= count || target < 0 || target >= count) return;

  // Text, data and check state travel together.
  const bool checks = HasCheckBoxes(list);
  ListRow moved;
  ListRow displaced;
  ReadRow(list, mark, checks, moved);
  ReadRow(list, target, checks, displaced);
  WriteRow(list, target, checks, moved);
  WriteRow(list, mark, checks, displaced);

  SendMessageW(list, LVM_SETSELECTIONMARK, 0, target);
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&state));
  SetFocus(list);
}

void DrawColourSwatch(SettingsPage& page, HDC dc, COLORREF colour, int x, int y) {
  const RECT frame{x, y, x + ScaleX(44), y + ScaleX(20)};
  FillSolid(dc, frame, RGB(0, 0, 0));
  RECT inner = frame;
  InflateRect(&inner, -ScaleX(1), -ScaleX(1));
  if (colour != kNoColour) {
    FillSolid(dc, inner, colour);
    return;
  }
  FillSolid(dc, inner, RGB(255, 255, 255));
  WideString text = Text(kNoColourText);
  ScopedSelectObject font(dc, page.Font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text.c_str(), -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

HBITMAP DrawHeaderBand(SettingsPage& page, HDC dc, int width) {
  if (page.HeaderBitmap()) return page.HeaderBitmap();
  const int height = ScaleY(42);
  ScopedMemoryDc memory(dc);
  if (!memory.Get()) return nullptr;
  HBITMAP band = CreateCompatibleBitmap(dc, width, height);
  if (!band) return nullptr;
  {
    ScopedSelectObject select(memory.Get(), band);
    FillSolid(memory.Get(), RECT{0, 0, width, height}, kBandColour);
    CopyTodayBackground(memory.Get(), width, height);
    FillSolid(memory.Get(), RECT{0, 0, width, ScaleY(1)}, RGB(0, 0, 0));
    FillSolid(memory.Get(), RECT{0, height - ScaleY(1), width, height}, RGB(0, 0, 0));
  }
  // The page keeps it until its window goes.
  page.SetHeaderBitmap(band);
  return band;
}

bool MakeSampleBand(SettingsPage& page, HDC dc, int width, int height, MemoryImage& band) {
  if (width <= 0 || !band.Create(dc, width, height)) return false;
  if (HBITMAP header = DrawHeaderBand(page, dc, width)) {
    ScopedMemoryDc source(dc);
    ScopedSelectObject selected(source, header);
    BitBlt(band.Dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  }
  return true;
}
