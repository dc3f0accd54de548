#include "settings/pages/calendar_page.h"

#include <commctrl.h>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/file_dialog.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"
#include "settings/files/sample_lines.h"
#include "settings/pages/calendar_elements.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kDaysLabel = 1200,
  kDaysBox,
  kFirstWeekLabel,
  kFirstWeekBox,
  kTextColourLabel,
  kTextColourBox,
  kHideEmptyGroupsCheck,
  kHideEmptyGroupsItemCheck,
  kSpecialEventsCheck,
  kSortTasksCheck,
  kPassedLabel = 1210,
  kPassedBox,
  kLeadingRectsLabel,
  kLeadingRectsBox,
  kConflictingLabel,
  kConflictingBox,
  kYearlyCountersCheck,
  kAllDayIconCheck,
  kTaskList = 1218,
  kTitleList = 1219,
  kPopupList = 1220,
  kMailList = 1221,
  kOtherList = 1222,
  kWeatherMissing = 1232,
  kWeatherLayoutLabel,
  kWeatherLayoutBox,
  kWeatherClickLabel,
  kWeatherClickBox,
  kFirstIconControl = 1240,
  kApptLeft1Label = 1240,
  kApptLeft2Label,
  kTaskLeft1Label,
  kTaskLeft2Label,
  kApptRightLabel,
  kTaskRightLabel,
  kApptLeft1Marker,
  kApptLeft2Marker,
  kTaskLeft1Marker,
  kTaskLeft2Marker,
  kApptRightMarker,
  kTaskRightMarker,
};

enum CalendarOwnRow : int { kElementListRow = 1, kIconsRow, kWeatherMessageRow };
enum IconNotify : UINT { kApptLeft1 = 1, kApptLeft2, kTaskLeft1, kTaskLeft2, kApptRight, kTaskRight };

constexpr int kIconsTab = 4;
constexpr int kWeatherTab = 7;
constexpr UINT kArrowsBitmap = 213;
constexpr COLORREF kArrowsKey = RGB(255, 0, 0);
constexpr int kLowestFormat = 1, kHighestFormat = 12;

constexpr NumberChoices kDays{false, 1, 30, 1};
constexpr UINT kFirstWeeks[] = {716, 717, 718, 719};
constexpr UINT kTextColours[] = {721, 722, 723};
constexpr UINT kPassedChoices[] = {112, 114};
constexpr UINT kLeadingRects[] = {730, 731, 732};
constexpr UINT kConflicts[] = {735, 736, 737};
constexpr UINT kWeatherLayouts[] = {1531, 1532, 1538, 1539};
constexpr UINT kWeatherClicks[] = {1534, 1535};

const PageRow kGeneralRows[] = {
    NumberListRow(kDaysLabel, kDaysBox, 713, kDays, QM_NUMBER(calendar, dNumOfDays), ListValue::kNumber),
    ListRow(kFirstWeekLabel, kFirstWeekBox, 658, kFirstWeeks, QM_NUMBER(calendar, FirstWeekInYear)),
    ListRow(kTextColourLabel, kTextColourBox, 720, kTextColours, QM_NUMBER(calendar, ClrTextColor)),
    CheckRow(kHideEmptyGroupsCheck, 1525, QM_NUMBER(calendar, HideEmptyGroups), 3),
    CheckRow(kHideEmptyGroupsItemCheck, 1526, QM_NUMBER(calendar, HideEmptyGroupsItem), 3),
    CheckRow(kSpecialEventsCheck, 1213, QM_NUMBER(calendar, SEventsOnClr), 3),
    CheckRow(kSortTasksCheck, 1451, QM_NUMBER(calendar, ClrSortTsksWithAppts), 3),
};

const PageRow kAppointmentRows[] = {
    ListRow(kPassedLabel, kPassedBox, 1644, kPassedChoices, QM_NUMBER(calendar, dAppoPassedToday)),
    ListRow(kLeadingRectsLabel, kLeadingRectsBox, 1645, kLeadingRects, QM_NUMBER(calendar, LeadingRects)),
    ListRow(kConflictingLabel, kConflictingBox, 662, kConflicts, QM_NUMBER(calendar, Conflicting)),
    CheckRow(kYearlyCountersCheck, 726, QM_NUMBER(calendar, IncludeYearlyCounters)),
    CheckRow(kAllDayIconCheck, 727, QM_NUMBER(calendar, HideAlldayEventIcon)),
};

const PageRow kTaskRows[] = {OwnRow(kElementListRow, 0, kTaskList, 0)};
const PageRow kTitleRows[] = {OwnRow(kElementListRow, 0, kTitleList, 0)};
const PageRow kIconRows[] = {OwnRow(kIconsRow, 0, kFirstIconControl, 0)};
const PageRow kPopupRows[] = {OwnRow(kElementListRow, 0, kPopupList, 0)};
const PageRow kMailRows[] = {OwnRow(kElementListRow, 0, kMailList, 0)};
const PageRow kWeatherRows[] = {
    OwnRow(kWeatherMessageRow, 0, kWeatherMissing, 1537),
    ListRow(kWeatherLayoutLabel, kWeatherLayoutBox, 1533, kWeatherLayouts, QM_NUMBER(calendar, WeatehrLayout)),
    ListRow(kWeatherClickLabel, kWeatherClickBox, 1536, kWeatherClicks, QM_NUMBER(calendar, WeatehrOnClick)),
};
const PageRow kOtherRows[] = {OwnRow(kElementListRow, 0, kOtherList, 0)};

const PageTab kTabs[] = {
    {635, kDaysLabel, kSortTasksCheck, kGeneralRows},
    {636, kPassedLabel, kAllDayIconCheck, kAppointmentRows},
    {637, kTaskList, kTaskList, kTaskRows},
    {638, kTitleList, kTitleList, kTitleRows},
    {639, kApptLeft1Label, kTaskRightMarker, kIconRows},
    {640, kPopupList, kPopupList, kPopupRows},
    {641, kMailList, kMailList, kMailRows},
    {1530, kWeatherMissing, kWeatherClickBox, kWeatherRows},
    {642, kOtherList, kOtherList, kOtherRows},
};

WideString Text(UINT id) {
  WideString text;
  LoadText(Modules().languageLibrary, id, text);
  return text;
}

// The weather line needs the maker's weather utilities: their library named in the registry.
bool WeatherUtilitiesInstalled() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tessaly\\Nimbrel", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  wchar_t path[MAX_PATH] = L"";
  DWORD size = sizeof path - sizeof(wchar_t), type = 0;
  const bool read = RegQueryValueExW(key, L"NMUtilsPath", nullptr, &type, reinterpret_cast<BYTE*>(path), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_SZ;
  RegCloseKey(key);
  path[size / sizeof(wchar_t)] = L'\0';
  return read && path[0] && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int SelectionMark(HWND window, int listId) {
  return static_cast<int>(SendDlgItemMessageW(window, listId, LVM_GETSELECTIONMARK, 0, 0));
}

const CalendarElement* ElementAt(int listId, int index) {
  const ElementList* list = FindElementList(listId);
  if (!list || index < 0 || index >= static_cast<int>(list->elements.size())) return nullptr;
  return &list->elements[static_cast<std::size_t>(index)];
}

}  // namespace

DWORD StepDisplayFormat(DWORD format, bool up) {
  LONG next = static_cast<LONG>(format) + (up ? 1 : -1);
  if (next < kLowestFormat) next = kHighestFormat;
  if (next > kHighestFormat) next = kLowestFormat;
  return static_cast<DWORD>(next);
}

CalendarPage::CalendarPage()
    : RowTablePage(kTabs),
      appointmentIcons_({QM_NUMBER(calendar, ApptLeftAlignIcon1), QM_NUMBER(calendar, ApptLeftAlignIcon2),
                         QM_NUMBER(calendar, ClrApptRightIcons)}),
      taskIcons_({QM_NUMBER(calendar, TaskLeftAlignIcon1), QM_NUMBER(calendar, TaskLeftAlignIcon2),
                  QM_NUMBER(calendar, ClrTaskRightIcons)}) {}

int CalendarPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kElementListRow: {
      const ElementList* list = FindElementList(row.controlId);
      if (!list) return 0;
      UINT itemIds[20];
      int count = 0;
      for (const CalendarElement& element : list->elements)
        if (count < 20) itemIds[count++] = element.itemTextId;
      AddListView(*this, window, row.controlId, itemIds, count, y);
      return 0;
    }
    case kIconsRow: {
      const ItemIcons appointments = ItemIcons::ForAppointments();
      const ItemIcons tasks = ItemIcons::ForTasks();
      int advance = appointmentIcons_.Build(*this, window, {kApptLeft1Label, 645, nullptr, kApptLeft1Marker, kApptLeft1, 0},
                                            {kApptRightLabel, 649, nullptr, kApptRightMarker, kApptRight, 0},
                                            {kApptLeft2Label, 646, nullptr, kApptLeft2Marker, kApptLeft2, 0},
                                            appointments.Items(), y);
      advance += taskIcons_.Build(*this, window, {kTaskLeft1Label, 647, nullptr, kTaskLeft1Marker, kTaskLeft1, 0},
                                  {kTaskRightLabel, 1210, nullptr, kTaskRightMarker, kTaskRight, 0},
                                  {kTaskLeft2Label, 648, nullptr, kTaskLeft2Marker, kTaskLeft2, 0}, tasks.Items(),
                                  y + advance);
      sampleY_ = y + advance + ScaleY(8);
      return advance;
    }
    case kWeatherMessageRow: {
      RECT client{};
      GetClientRect(window, &client);
      AddStatic(*this, window, row.controlId, row.textId, ScaleX(10), y, client.right - ScaleX(20), client.bottom - y,
                SS_CENTER);
      return 0;
    }
    default: return 0;
  }
}

void CalendarPage::OnRowsBuilt(HWND window) {
  CreateElementEditor(*this, window);
  EnableControl(window, kHideEmptyGroupsItemCheck, !IsChecked(window, kHideEmptyGroupsCheck));
}

void CalendarPage::ShowTab(HWND window, int showCommand) {
  const int tab = CurrentTab();
  const PageTab& shown = Tabs()[static_cast<std::size_t>(tab < 0 ? 0 : tab)];
  if (FindElementList(shown.firstId)) ShowListTab(window, shown.firstId, showCommand);
  else if (tab == kWeatherTab) ShowWeatherTab(window, showCommand);
  else RowTablePage::ShowTab(window, showCommand);
  HideElementEditor(window);
  InvalidateRect(window, nullptr, TRUE);
}

void CalendarPage::ShowListTab(HWND window, int listId, int showCommand) {
  HWND list = GetDlgItem(window, listId);
  if (!list) return;
  if (showCommand == SW_HIDE) {
    StoreOpenEditor(window, listId);
    // The editor is stored: the list's own notice of the lost selection must not store it again.
    clearingSelection_ = true;
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    clearingSelection_ = false;
    ShowWindow(list, SW_HIDE);
    return;
  }
  ShowWindow(list, SW_SHOW);
  SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CalendarPage::ShowWeatherTab(HWND window, int showCommand) {
  if (showCommand == SW_HIDE) {
    ShowControlRange(window, kWeatherMissing, kWeatherClickBox, SW_HIDE);
    return;
  }
  const bool installed = WeatherUtilitiesInstalled();
  ShowControlRange(window, kWeatherLayoutLabel, kWeatherClickBox, installed ? SW_SHOW : SW_HIDE);
  ShowWindow(GetDlgItem(window, kWeatherMissing), installed ? SW_HIDE : SW_SHOW);
}

void CalendarPage::StoreOpenEditor(HWND window, int listId) {
  const int mark = SelectionMark(window, listId);
  HWND list = GetDlgItem(window, listId);
  if (!list || mark < 0 || !(ListView_GetItemState(list, mark, LVIS_SELECTED) & LVIS_SELECTED)) return;
  if (const CalendarElement* element = ElementAt(listId, mark)) StoreElementEditor(window, *element);
}

void CalendarPage::OnDestroy(HWND window) {
  RowTablePage::OnDestroy(window);
  StoreTitleOrder(window);
}

LRESULT CalendarPage::OnNotify(HWND window, WPARAM, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header || header->code != LVN_ITEMCHANGED || clearingSelection_ ||
      !FindElementList(static_cast<int>(header->idFrom)))
    return 0;
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
  if (!(change->uChanged & LVIF_STATE)) return 0;
  const int listId = static_cast<int>(header->idFrom);
  const CalendarElement* element = ElementAt(listId, change->iItem);
  if (!element) return 0;
  const bool was = change->uOldState & LVIS_SELECTED, is = change->uNewState & LVIS_SELECTED;
  if (was && !is) StoreElementEditor(window, *element);
  if (is && !was) ShowElementEditor(window, *element);
  return 0;
}

LRESULT CalendarPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  switch (LOWORD(wParam)) {
    case kHideEmptyGroupsCheck:
      EnableControl(window, kHideEmptyGroupsItemCheck, !IsChecked(window, kHideEmptyGroupsCheck));
      break;
    case kTitleOrderUp: MoveListItem(window, kTitleOrderList, true); break;
    case kTitleOrderDown: MoveListItem(window, kTitleOrderList, false); break;
    case kEditorPathClear: SetDlgItemTextW(window, kEditorPath, L""); break;
    case kEditorPathBrowse: ChooseMailProgram(window); break;
    case kEditorTextClear: SetDlgItemTextW(window, kEditorText, L""); break;
    default: break;
  }
  return 0;
}

void CalendarPage::ChooseMailProgram(HWND window) {
  std::unique_ptr<FileDialogRequest> request = MakeFileDialogRequest(L"Custom Mail App.", nullptr, nullptr, nullptr);
  if (request && RunLoadFileDialog(*request)) SetDlgItemTextW(window, kEditorPath, request->resultPath.c_str());
}

LRESULT CalendarPage::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int top = ScaleX(68) + ScaleY(8);
  for (const ElementList& list : CalendarElementLists())
    if (HWND control = GetDlgItem(window, list.listId))
      MoveWindow(control, ScaleX(10), top, client.right - ScaleX(20), client.bottom - ScaleX(96) - ScaleY(8), TRUE);
  return 0;
}

LRESULT CalendarPage::OnMarkerChosen(HWND window, WPARAM wParam, LPARAM lParam) {
  const UINT notify = static_cast<UINT>(lParam);
  if (appointmentIcons_.OnChosen(notify, static_cast<DWORD>(wParam)) ||
      taskIcons_.OnChosen(notify, static_cast<DWORD>(wParam)))
    InvalidateRect(window, nullptr, FALSE);
  return 0;
}

LRESULT CalendarPage::OnMarkerClicked(HWND window, WPARAM, LPARAM lParam) {
  const UINT notify = static_cast<UINT>(lParam);
  if (appointmentIcons_.OnClicked(notify) || taskIcons_.OnClicked(notify)) InvalidateRect(window, nullptr, FALSE);
  return 0;
}

LRESULT CalendarPage::OnLButtonDown(HWND window, WPARAM, LPARAM lParam) {
  if (CurrentTab() != kIconsTab) return 0;
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  if (y < sampleY_ || y >= sampleY_ + ScaleX(12) || x < ScaleX(6) || x >= ScaleX(26)) return 0;
  DwordSetting& format = Store().calendar.ApptDisplayFormat;
  WriteNow(format, StepDisplayFormat(format.value, x >= ScaleX(16)));
  InvalidateRect(window, nullptr, FALSE);
  return 0;
}

void CalendarPage::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (CurrentTab() == kIconsTab) PaintSample(window, dc);
  EndPaint(window, &paint);
}

// The format's arrows and name, and below them the sample appointment on the header band.
void CalendarPage::PaintSample(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  const DWORD format = Store().calendar.ApptDisplayFormat.value;
  if (HBITMAP arrows = LoadBitmapW(Modules().resolutionLibrary, MAKEINTRESOURCEW(kArrowsBitmap))) {
    BITMAP info{};
    GetObjectW(arrows, sizeof info, &info);
    TransparentImage(dc, ScaleX(6), sampleY_, ScaleX(20), ScaleX(12), arrows, 0, 0, info.bmWidth, info.bmHeight,
                     kArrowsKey);
    DeleteObject(arrows);
  }
  RECT label{ScaleX(30), sampleY_, client.right, sampleY_ + ScaleX(16)};
  FillSolid(dc, label, RGB(255, 255, 255));
  WideString name;
  name.Format(Text(628).c_str(), static_cast<int>(format));
  name.Append(Text(format < 7 ? 629 : 630).c_str());
  ScopedSelectObject font(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT text = label;
  text.left += ScaleX(2);
  DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);

  const int bandTop = sampleY_ + metrics.tmHeight + ScaleY(4);
  const int bandHeight = ScaleX(42);
  MemoryImage band;
  if (!MakeSampleBand(*this, dc, client.right, bandHeight, band)) return;
  PaintSampleAppointment(band.Dc(), client.right, bandHeight);
  BitBlt(dc, 0, bandTop, client.right, bandHeight, band.Dc(), 0, 0, SRCCOPY);
}
