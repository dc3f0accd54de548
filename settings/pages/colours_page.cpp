#include "settings/pages/colours_page.h"

#include <windows.h>
#include <commctrl.h>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/gdi_guards.h"
#include "settings/files/colour_schemes.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kChooseButton = 1200,
  kColourList = 1201,
  kSchemeNameEdit = 1202,
  kSaveButton = 1203,
  kSchemeList = 1204,
  kApplyButton = 1205,
  kDeleteButton = 1206,
};

enum ColoursOwnRow : int { kColoursTab = 1, kSchemesTab = 2 };

constexpr UINT kChooseText = 882;
constexpr UINT kSaveText = 881;
constexpr UINT kApplyText = 879;
constexpr UINT kDeleteText = 880;
constexpr UINT kSchemesIntro = 862;
constexpr int kSchemeNameChars = 255;

// The sixteen colours in list order: caption, description, setting.
struct PageColour {
  UINT captionId;
  UINT descriptionId;
  NumberBinding setting;
};

const PageColour kColours[] = {
    {883, 899, QM_NUMBER(colours, SeperatorLineClr)},   {884, 900, QM_NUMBER(colours, ShadowFontColor)},
    {885, 901, QM_NUMBER(colours, GeneralFontColor)},   {886, 902, QM_NUMBER(colours, HighlightBgClr)},
    {887, 903, QM_NUMBER(colours, HighlightTextClr)},   {888, 904, QM_NUMBER(colours, TimeLinesBgClr)},
    {889, 905, QM_NUMBER(colours, TimeLinesDfltClr)},   {890, 906, QM_NUMBER(colours, ClrBreakingLineClr)},
    {891, 907, QM_NUMBER(colours, ClrPopupClrBg)},      {892, 908, QM_NUMBER(colours, ClrPopupCurr)},
    {893, 909, QM_NUMBER(colours, ClrPopupHighlight)},  {894, 910, QM_NUMBER(colours, TskBreakingLineClr)},
    {895, 911, QM_NUMBER(colours, ClrStatusFree)},      {896, 912, QM_NUMBER(colours, ClrStatusBusy)},
    {897, 913, QM_NUMBER(colours, ClrStatusTentative)}, {898, 914, QM_NUMBER(colours, ClrStatusOutofoffice)},
};
constexpr int kColourCount = static_cast<int>(sizeof kColours / sizeof kColours[0]);

// Each tab is one own row that builds all of its controls; nothing is written back on
// close, since a chosen colour is set at once and schemes act on files at once.
const PageRow kColourRows[] = {OwnRow(kColoursTab, 0, kColourList, 0)};
const PageRow kSchemeRows[] = {OwnRow(kSchemesTab, 0, kSchemeList, 0)};

const PageTab kTabs[] = {
    {1236, kChooseButton, kColourList, kColourRows},
    {1237, kSchemeNameEdit, kDeleteButton, kSchemeRows},
};

constexpr int kColoursTabIndex = 0;

int Top() { return ScaleY(8); }

RECT Client(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

int SelectionMark(HWND window, int listId) {
  return static_cast<int>(SendDlgItemMessageW(window, listId, LVM_GETSELECTIONMARK, 0, 0));
}

void MoveControl(HWND window, int id, int x, int y, int width, int height) {
  if (HWND control = GetDlgItem(window, id)) MoveWindow(control, x, y, width, height, TRUE);
}

void DrawWrapped(HDC dc, UINT textId, const RECT& area) {
  WideString text;
  LoadText(Modules().languageLibrary, textId, text);
  RECT box = area;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text.c_str(), -1, &box, DT_WORDBREAK);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace

ColoursPage::ColoursPage() : RowTablePage(kTabs) {}

int ColoursPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  if (row.own == kColoursTab) BuildColoursTab(window, y);
  if (row.own == kSchemesTab) BuildSchemesTab(window, y);
  return 0;
}

void ColoursPage::BuildColoursTab(HWND window, int y) {
  const RECT client = Client(window);
  AddButton(*this, window, kChooseButton, kChooseText, client.right - ScaleX(50), ScaleX(42) + y, ScaleX(40),
            ScaleX(20));
  UINT captions[kColourCount];
  for (int index = 0; index < kColourCount; ++index) captions[index] = kColours[index].captionId;
  AddListView(*this, window, kColourList, captions, kColourCount, y);
}

void ColoursPage::BuildSchemesTab(HWND window, int y) {
  const RECT client = Client(window);
  if (HWND edit = AddEdit(*this, window, kSchemeNameEdit, L"", ScaleX(10), ScaleX(42) + y, ScaleX(130), ScaleX(20)))
    SendMessageW(edit, EM_LIMITTEXT, kSchemeNameChars, 0);
  AddButton(*this, window, kSaveButton, kSaveText, ScaleX(150), ScaleX(42) + y, ScaleX(80), ScaleX(20));
  constexpr DWORD kListStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_AUTOARRANGE |
                               LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
  if (HWND list = AddControl(*this, window, WC_LISTVIEWW, L"", kListStyle, ScaleX(10), ScaleX(68) + y,
                             client.right - ScaleX(20), client.bottom - ScaleX(122) - y, kSchemeList))
    FillSchemeList(list, Font());
  AddButton(*this, window, kApplyButton, kApplyText, ScaleX(10), client.bottom - ScaleX(48), ScaleX(80), ScaleX(20));
  AddButton(*this, window, kDeleteButton, kDeleteText, ScaleX(100), client.bottom - ScaleX(48), ScaleX(80),
            ScaleX(20));
}

void ColoursPage::ShowTab(HWND window, int showCommand) {
  RowTablePage::ShowTab(window, showCommand);
  // The description and swatch, or the schemes' introduction, follow the tab.
  InvalidateRect(window, nullptr, TRUE);
}

LRESULT ColoursPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  switch (LOWORD(wParam)) {
    case kChooseButton: ChooseSelectedColour(window); break;
    case kSaveButton: SaveScheme(window, GetDlgItem(window, kSchemeNameEdit), GetDlgItem(window, kSchemeList)); break;
    case kApplyButton:
      // The page shows values the scheme has replaced: the shell closes it (and frees the
      // page), as the caption OK would, once this click is done.
      if (ApplyScheme(window, GetDlgItem(window, kSchemeList)))
        PostMessageW(GetWindow(window, GW_OWNER), kClosePageMessage, 0, 0);
      break;
    case kDeleteButton: DeleteScheme(window, GetDlgItem(window, kSchemeList)); break;
    default: break;
  }
  return 0;
}

void ColoursPage::ChooseSelectedColour(HWND window) {
  const int mark = SelectionMark(window, kColourList);
  if (mark < 0 || mark >= kColourCount) return;
  DwordSetting& setting = kColours[mark].setting(Store());
  const COLORREF chosen = ChooseColour(setting.value);
  if (chosen == kCancelledColour) return;
  setting.Set(chosen);
  InvalidateRect(window, nullptr, TRUE);
}

LRESULT ColoursPage::OnNotify(HWND window, WPARAM, LPARAM lParam) {
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
  if (!change || change->hdr.code != LVN_ITEMCHANGED || change->hdr.idFrom != static_cast<UINT_PTR>(kColourList) ||
      !(change->uChanged & LVIF_STATE))
    return 0;
  if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
    const RECT band{0, 0, Client(window).right, ScaleY(80)};
    InvalidateRect(window, &band, TRUE);
    UpdateWindow(window);
  }
  return 0;
}

void ColoursPage::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) {
    const RECT client = Client(window);
    ScopedSelectObject font(dc, Font());
    if (CurrentTab() == kColoursTabIndex) {
      PaintSelectedColour(window, dc, client);
    } else {
      DrawWrapped(dc, kSchemesIntro, RECT{ScaleX(10), ScaleY(8), client.right - ScaleX(10), client.bottom});
    }
  }
  EndPaint(window, &paint);
}

void ColoursPage::PaintSelectedColour(HWND window, HDC dc, const RECT& client) {
  const int selected =
      static_cast<int>(SendDlgItemMessageW(window, kColourList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (selected < 0 || selected >= kColourCount) return;
  const PageColour& colour = kColours[selected];
  DrawWrapped(dc, colour.descriptionId, RECT{ScaleX(10), ScaleX(8), client.right - ScaleX(10), client.bottom});
  DrawColourSwatch(*this, dc, colour.setting(Store()).value, client.right - ScaleX(10) - ScaleX(90),
                   ScaleX(8) + ScaleY(42));
}

LRESULT ColoursPage::OnSize(HWND window) {
  const RECT client = Client(window);
  const int top = ScaleX(68) + Top();
  const int width = client.right - ScaleX(20);
  MoveControl(window, kChooseButton, client.right - ScaleX(50), ScaleX(42) + Top(), ScaleX(40), ScaleX(20));
  MoveControl(window, kColourList, ScaleX(10), top, width, client.bottom - ScaleX(96) - Top());
  MoveControl(window, kSchemeList, ScaleX(10), top, width, client.bottom - ScaleX(122) - Top());
  MoveControl(window, kApplyButton, ScaleX(10), client.bottom - ScaleX(48), ScaleX(80), ScaleX(20));
  MoveControl(window, kDeleteButton, ScaleX(100), client.bottom - ScaleX(48), ScaleX(80), ScaleX(20));
  return 0;
}
