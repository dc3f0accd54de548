#include "settings/pages/tabs_page.h"

#include <commctrl.h>

#include "platform/ce_platform.h"
#include "settings/base/scale.h"
#include "settings/files/today_plugins.h"
#include "settings/store/settings_store.h"
#include "settings/store/tab_list.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kPositionLabel = 1200,
  kPositionBox = 1201,
  kStyleLabel = 1202,
  kStyleBox = 1203,
  kGesturesLabel = 1204,
  kGesturesBox = 1205,
  kGestureEffectLabel = 1206,
  kGestureEffectBox = 1207,
  kTabListView = 1208,
  kMoveUpButton = 1209,
  kMoveDownButton = 1210,
  kAddPluginButton = 1211,
  kRemovePluginButton = 1212,
  kTimeOutLabel = 1213,
  kTimeOutBox = 1214,
  kDefaultTabLabel = 1215,
  kDefaultTabBox = 1216,
  kDefaultOnStartupCheck = 1217,
};

enum TabsOwnRow : int { kTabListRow = 1 };

// Border, tab stop, report view, single selection, selection always shown, no header.
constexpr DWORD kTabListStyle = 0x0081C00D;  // with WS_CHILD added where it is made
constexpr DWORD kTabListExStyle = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_NOHSCROLL;
// Listed tabs are numbered after the Calendar tab, which is never listed and stays first.
constexpr LONG kFirstListedOrder = 2;
constexpr UINT kChecked = 2;

constexpr UINT kPositionChoices[] = {1666, 1667, 1668, 1669};
constexpr UINT kStyleChoices[] = {1671, 1672};
constexpr UINT kGestureChoices[] = {1634, 1635};
constexpr UINT kGestureEffectChoices[] = {1639, 1640};
constexpr UINT kTimeOutChoices[] = {1421, 1422, 1423, 1424, 1425, 1426, 1427};
constexpr UINT kDefaultTabChoices[] = {1436, 1416, 1417, 1418, 1419, 1420};

const PageRow kLookRows[] = {
    ListRow(kPositionLabel, kPositionBox, 1665, kPositionChoices, QM_NUMBER(tabSettings, TabsPosition)),
    ListRow(kStyleLabel, kStyleBox, 1670, kStyleChoices, QM_NUMBER(tabSettings, TabsStyle)),
    ListRow(kGesturesLabel, kGesturesBox, 1633, kGestureChoices, QM_NUMBER(tabSettings, TabGestures)),
    ListRow(kGestureEffectLabel, kGestureEffectBox, 1638, kGestureEffectChoices,
            QM_NUMBER(tabSettings, TabGesturEffect)),
};

const PageRow kOrderRows[] = {
    OwnRow(kTabListRow, 0, kTabListView, 0),
};

const PageRow kDefaultTabRows[] = {
    ListRow(kTimeOutLabel, kTimeOutBox, 1414, kTimeOutChoices, QM_NUMBER(tabSettings, DfltTabTimeOut)),
    ListRow(kDefaultTabLabel, kDefaultTabBox, 1415, kDefaultTabChoices, QM_NUMBER(tabSettings, DfltTab)),
    CheckRow(kDefaultOnStartupCheck, 1437, QM_NUMBER(tabSettings, DfltTabOnStartup)),
};

const PageTab kTabs[] = {
    {635, kPositionLabel, kGestureEffectBox, kLookRows},
    {1637, kTabListView, kRemovePluginButton, kOrderRows},
    {1402, kTimeOutLabel, kDefaultOnStartupCheck, kDefaultTabRows},
};

void PlaceTabList(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MoveWindow(GetDlgItem(window, kTabListView), ScaleX(10), ScaleY(8), client.right - ScaleX(100),
             client.bottom - ScaleY(28) - ScaleY(8), TRUE);
}

}  // namespace

TabsPage::TabsPage() : RowTablePage(kTabs) {}

// The tab list and its buttons are placed by the page's edges, not by the running y.
int TabsPage::BuildOwnRow(HWND window, const PageRow& row, int) {
  if (row.own == kTabListRow) BuildTabList(window);
  return 0;
}

// The list of tabs in the plug-in's order, with a check box for each tab's visibility, and
// the buttons beside it.
void TabsPage::BuildTabList(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HWND list = AddControl(*this, window, WC_LISTVIEWW, L"", WS_CHILD | kTabListStyle, ScaleX(10), ScaleX(8),
                         client.right - ScaleX(100), client.bottom - ScaleY(28) - ScaleX(8), kTabListView);
  if (list) {
    SendMessageW(list, LVM_DELETECOLUMN, 0, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kTabListExStyle);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    RECT inside{};
    GetClientRect(list, &inside);
    column.cx = inside.right;
    wchar_t title[] = L"Calendar settings";
    column.pszText = title;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (TabEntry* entry = Store().Tabs().First(); entry; entry = entry->next)
      if (entry->type != kTabCalendar) AppendTabItem(list, *entry, entry->enabled == 1);
  }
  const int x = client.right - ScaleX(85);
  const int width = ScaleX(75), height = ScaleX(20);
  int y = ScaleX(8);
  AddButton(*this, window, kMoveUpButton, 643, x, y, width, height);
  y += ScaleY(24);
  AddButton(*this, window, kMoveDownButton, 644, x, y, width, height);
  y += ScaleY(30);
  AddButton(*this, window, kAddPluginButton, 1053, x, y, width, height);
  y += ScaleY(24);
  AddButton(*this, window, kRemovePluginButton, 1052, x, y, width, height);
}

void TabsPage::OnRowsBuilt(HWND window) {
  ApplyGestureRule(window);
  UpdateRemoveButton(window, kTabListView, kRemovePluginButton);
}

void TabsPage::WriteOwnRow(HWND window, const PageRow& row) {
  if (row.own != kTabListRow) return;
  HWND list = GetDlgItem(window, kTabListView);
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam) continue;
    auto* entry = reinterpret_cast<TabEntry*>(item.lParam);
    const UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                                      LVIS_STATEIMAGEMASK));
    entry->order = kFirstListedOrder + index;
    entry->enabled = (state >> 12) == kChecked ? 1 : 0;
  }
}

LRESULT TabsPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  switch (id) {
    case kMoveUpButton:
    case kMoveDownButton:
      if (code == BN_CLICKED) MoveListItem(window, kTabListView, id == kMoveUpButton);
      break;
    case kAddPluginButton:
      if (code == BN_CLICKED) AddPluginTab(window, kTabListView, kRemovePluginButton);
      break;
    case kRemovePluginButton:
      if (code == BN_CLICKED) RemovePluginTab(window, kTabListView, kRemovePluginButton);
      break;
    case kGesturesBox:
      if (code == CBN_SELCHANGE) ApplyGestureRule(window);
      break;
    default: break;
  }
  return 0;
}

LRESULT TabsPage::OnNotify(HWND window, WPARAM, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header || header->idFrom != kTabListView || header->code != LVN_ITEMCHANGED) return 0;
  // The list may report the new selection before it moves its selection mark there.
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
  if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED) && change->iItem >= 0)
    SendMessageW(header->hwndFrom, LVM_SETSELECTIONMARK, 0, change->iItem);
  UpdateRemoveButton(window, kTabListView, kRemovePluginButton);
  return 0;
}

LRESULT TabsPage::OnSize(HWND window) {
  PlaceTabList(window);
  return 0;
}

// The effect of a gesture means something only while gestures switch tabs.
void TabsPage::ApplyGestureRule(HWND window) {
  const bool gestures = SendDlgItemMessageW(window, kGesturesBox, CB_GETCURSEL, 0, 0) != 0;
  EnableControl(window, kGestureEffectLabel, gestures);
  EnableControl(window, kGestureEffectBox, gestures);
}
