#include "settings/pages/calendar_elements.h"

#include <commctrl.h>

#include "platform/ce_platform.h"

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/date_texts.h"
#include "settings/toolkit/row_builders.h"
#include "settings/toolkit/settings_page.h"

namespace {

constexpr int kTextChars = 255;
constexpr int kTitleParts = 6;
constexpr UINT kFirstTitlePartText = 700;
constexpr UINT kPinnedCalendarTip = 1204;
constexpr UINT kPinnedCalendarText = 1205;
constexpr UINT kPinnedCalendarCaption = 1206;

// ---- Made choices.

void AddDates(HWND box, std::initializer_list<const wchar_t*> pictures) {
  const SYSTEMTIME today = Today();
  for (const wchar_t* picture : pictures) AddChoiceText(box, FormatDate(today, picture).c_str());
}

void FillDueDateFormats(HWND box) {
  AddChoiceText(box, FormatDate(Today(), nullptr, DATE_SHORTDATE).c_str());
  AddDates(box, {L"M'/'d'/'yy", L"d'/'M'/'yy", L"M'/'d", L"d'/'M"});
}

void FillDayTitleFormats(HWND box) {
  const SYSTEMTIME today = Today();
  AddDates(box, {L"dddd',' MMM dd yyyy", L"dddd',' MMM dd", L"ddd',' MMM dd yyyy", L"ddd',' MMM dd"});
  AddChoiceText(box, FormatDate(today, nullptr, DATE_SHORTDATE).c_str());
  AddChoiceText(box, FormatDate(today, nullptr, DATE_LONGDATE).c_str());
  AddDates(box, {L"ddd',' dd MMM yyyy"});
}

void FillPopupDateFormats(HWND box) { AddDates(box, {L"MM'/'dd", L"dd'/'MM"}); }

void FillTimelineStarts(HWND box) {
  for (int hour = 0; hour <= 18; ++hour) AddChoiceText(box, FormatTime(hour, 0).c_str());
}

void AddNumbers(HWND box, int first, int last) {
  WideString text;
  for (int number = first; number <= last; ++number)
    if (text.Format(L"%d", number)) AddChoiceText(box, text.c_str());
}

void FillTimelineLengths(HWND box) { AddNumbers(box, 6, 24); }
void FillOneOrTwo(HWND box) { AddNumbers(box, 1, 2); }

void FillDayNames(HWND box) {
  for (int day = 0; day < 7; ++day) AddChoiceText(box, DayName(day).c_str());
}

// The icon sizes in pixels of this screen, each carrying its number.
void FillIconSizes(HWND box) {
  WideString text;
  for (int size = 6; size <= 14; ++size) {
    const int pixels = ScaleX(size);
    if (!text.Format(L"%d", pixels)) continue;
    const int index = AddChoiceText(box, text.c_str());
    if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), pixels);
  }
}

// The hour of the day on which an appointment that runs past midnight still counts as
// ending the day before: written as the user's clock writes hours.
void FillHumanTimes(HWND box) {
  WideString text;
  const bool twelveHour = Store().TwelveHourClock() != 0;
  for (int hour = 0; hour <= 8; ++hour)
    if (text.Format(twelveHour ? L"%d:00 AM" : L"%d:00", hour)) AddChoiceText(box, text.c_str());
}

// ---- The elements.

constexpr CalendarElement Check(UINT itemText, UINT controlText, UINT tip, NumberBinding number,
                                ElementRule rule = ElementRule::kNone) {
  return {itemText, EditorForm::kCheck, controlText, tip, nullptr, 0, nullptr, ListValue::kIndex, number, nullptr, rule};
}

template <std::size_t count>
constexpr CalendarElement List(UINT itemText, UINT label, UINT tip, const UINT (&choices)[count],
                               NumberBinding number) {
  return {itemText, EditorForm::kList, label, tip, choices, static_cast<int>(count), nullptr, ListValue::kIndex, number,
          nullptr, ElementRule::kNone};
}

constexpr CalendarElement Made(UINT itemText, UINT label, UINT tip, ChoiceFiller fill, NumberBinding number,
                               ListValue value = ListValue::kIndex) {
  return {itemText, EditorForm::kList, label, tip, nullptr, 0, fill, value, number, nullptr, ElementRule::kNone};
}

constexpr CalendarElement Field(UINT itemText, EditorForm form, UINT tip, TextBinding text) {
  return {itemText, form, 0, tip, nullptr, 0, nullptr, ListValue::kIndex, nullptr, text, ElementRule::kNone};
}

constexpr UINT kCompletedTaskDates[] = {1227, 1228, 1229, 1230};
constexpr UINT kFutureLimits[] = {1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084};
constexpr UINT kTaskSubsorts[] = {752, 753, 754, 755, 756, 757, 758};
constexpr UINT kWeekendSkips[] = {761, 762, 763, 764};
constexpr UINT kDayBreakers[] = {109, 110, 111, 1233};
constexpr UINT kTimeLines[] = {779, 780, 781};
constexpr UINT kFoldings[] = {790, 791, 792};
constexpr UINT kPopupClicks[] = {811, 812, 813, 814};
constexpr UINT kPopupTimelines[] = {1207, 1208, 1209};
constexpr UINT kPopupNavigation[] = {1452, 1453, 1454};
constexpr UINT kMailTitles[] = {827, 828, 829, 830};
constexpr UINT kMailPrograms[] = {833, 834};

const CalendarElement kTaskElements[] = {
    Check(663, 738, 739, QM_NUMBER(calendar, IncldTasksInCR)),
    Check(664, 740, 741, QM_NUMBER(calendar, IncldOverDueTsksInCR)),
    Check(665, 742, 743, QM_NUMBER(calendar, IncldFutureTsksInCR)),
    Check(666, 744, 745, QM_NUMBER(calendar, IncldUndatedTsksInCR)),
    List(667, 1225, 1226, kCompletedTaskDates, QM_NUMBER(calendar, DatesToIncldCmpltdTsksOnClr)),
    Check(668, 748, 749, QM_NUMBER(calendar, IncldPastCmpltdTsksInClndr)),
    List(1214, 1231, 1232, kFutureLimits, QM_NUMBER(calendar, FutureLimitTsksOnClr)),
    List(669, 750, 751, kTaskSubsorts, QM_NUMBER(calendar, TasksSubsortOnCal)),
    List(670, 759, 760, kWeekendSkips, QM_NUMBER(calendar, SkipActiveTsksWeekends)),
    Made(671, 765, 766, FillDueDateFormats, QM_NUMBER(calendar, DueDateTsksDateFrmt)),
    Check(672, 767, 768, QM_NUMBER(calendar, ShowActiveTsksOnCal)),
    Check(673, 769, 770, QM_NUMBER(calendar, PaintTsksBeforeAppts)),
    Check(674, 771, 772, QM_NUMBER(calendar, ConfirmTaskComplete)),
};

const CalendarElement kTitleElements[] = {
    Made(675, 773, 774, FillDayTitleFormats, QM_NUMBER(calendar, DayTtlFrmt)),
    List(676, 775, 776, kDayBreakers, QM_NUMBER(calendar, dDayBreaker)),
    List(677, 777, 778, kTimeLines, QM_NUMBER(calendar, TimeLines)),
    Check(678, 782, 783, QM_NUMBER(calendar, ShowTomorrowTtl)),
    Check(679, 784, 785, QM_NUMBER(calendar, IncldCounters)),
    Check(680, 786, 787, QM_NUMBER(calendar, UseSmartFolding)),
    List(681, 788, 789, kFoldings, QM_NUMBER(calendar, FoldingType)),
    Check(682, 797, 798, QM_NUMBER(calendar, FilterFreeApptsFromTL)),
    Check(685, 801, 802, QM_NUMBER(calendar, ForceTodayTitleDsply)),
    Check(686, 803, 804, QM_NUMBER(calendar, AppendDateToTodayTtl)),
    Check(687, 805, 806, QM_NUMBER(calendar, AppendDaysCountTottl)),
    Check(688, 807, 808, QM_NUMBER(calendar, AppendWeekNumTottl)),
    Made(1215, 799, 800, FillTimelineStarts, QM_NUMBER(calendar, TimelinesStart)),
    Made(1216, 1234, 1235, FillTimelineLengths, QM_NUMBER(calendar, TimelinesLength)),
    Made(1217, 1189, 1190, FillOneOrTwo, QM_NUMBER(calendar, TimelinesVertZ), ListValue::kIndexPlusOne),
    Made(1218, 1191, 1192, FillOneOrTwo, QM_NUMBER(calendar, TimelinesHorZ), ListValue::kIndexPlusOne),
};

const CalendarElement kPopupElements[] = {
    List(689, 809, 810, kPopupClicks, QM_NUMBER(calendar, OnPopupMonthCalClick)),
    Made(690, 815, 816, FillPopupDateFormats, QM_NUMBER(calendar, MonthlyPopupCalDateFrmt)),
    Made(691, 1193, 1194, FillDayNames, QM_NUMBER(calendar, MonthlyStartDay)),
    Made(1219, 1195, 1196, FillDayNames, QM_NUMBER(calendar, FirstWorkDay)),
    Check(692, 819, 820, QM_NUMBER(calendar, MonthlyPopWithWeekNum)),
    List(1220, 1197, 1198, kPopupTimelines, QM_NUMBER(calendar, MonthlyPopTimelines)),
    Check(1221, 1199, 1200, QM_NUMBER(calendar, MonthlyPopCatIcons)),
    Made(1222, 1201, 1202, FillIconSizes, QM_NUMBER(calendar, MonthlyPopIconsSize), ListValue::kNumber),
    List(1455, 1455, 1456, kPopupNavigation, QM_NUMBER(calendar, PopupClrDPadNavigation)),
    Check(1223, 1203, kPinnedCalendarTip, QM_NUMBER(calendar, PinnedMonthlyClr), ElementRule::kPinnedCalendar),
};

const CalendarElement kMailElements[] = {
    Check(706, 821, 822, QM_NUMBER(calendar, IncludeMainOnCal)),
    Check(707, 823, 824, QM_NUMBER(calendar, MailHideWhenZeroMsgs)),
    List(708, 825, 826, kMailTitles, QM_NUMBER(calendar, MailTitleFormat)),
    List(709, 831, 832, kMailPrograms, QM_NUMBER(calendar, MailSoftwareToUse)),
    Field(710, EditorForm::kPath, 835, QM_TEXT(calendar, MailCustomInboxStr)),
    Check(711, 836, 837, QM_NUMBER(calendar, HideMailTtlUnderToday)),
    Check(712, 838, 839, QM_NUMBER(calendar, ShowMailCounterOnTtl)),
};

const CalendarElement kOtherElements[] = {
    Check(693, 840, 841, QM_NUMBER(calendar, Force2DigitsTImeFrmt)),
    Check(694, 845, 846, QM_NUMBER(calendar, SkinTodayWhenCollpsAll)),
    Made(696, 849, 850, FillHumanTimes, QM_NUMBER(calendar, HumanTime)),
    Check(697, 851, 852, QM_NUMBER(calendar, HideOverDueTsksDayTtl)),
    Check(698, 853, 854, QM_NUMBER(calendar, HideUndatedTsksDayTtl)),
    Field(699, EditorForm::kText, 855, QM_TEXT(calendar, CustomDayttlFrmtDefault)),
    Field(1224, EditorForm::kTitleOrder, 0, nullptr),
};

const ElementList kLists[] = {
    {1218, kTaskElements}, {1219, kTitleElements}, {1220, kPopupElements},
    {1221, kMailElements}, {1222, kOtherElements},
};

const NumberBinding kTitleOrder[kTitleParts] = {
    QM_NUMBER(calendar, CalTitlesOrder0), QM_NUMBER(calendar, CalTitlesOrder1), QM_NUMBER(calendar, CalTitlesOrder2),
    QM_NUMBER(calendar, CalTitlesOrder3), QM_NUMBER(calendar, CalTitlesOrder4), QM_NUMBER(calendar, CalTitlesOrder5),
};

// ---- The editor.

WideString Text(UINT id) {
  WideString text;
  LoadText(Modules().languageLibrary, id, text);
  return text;
}

void Show(HWND window, int id) {
  if (HWND control = GetDlgItem(window, id)) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(control, SW_SHOW);
  }
}

void SetText(HWND window, int id, const wchar_t* text) { SetDlgItemTextW(window, id, text); }

void ShowTip(HWND window, const CalendarElement& element) {
  WideString tip = Text(element.tipId);
  if (element.rule == ElementRule::kPinnedCalendar) tip.Format(Text(element.tipId).c_str(), ScaleY(200));
  SetText(window, kEditorTip, tip.c_str());
  Show(window, kEditorTip);
}

void FillTitleOrder(HWND window) {
  HWND list = GetDlgItem(window, kTitleOrderList);
  if (!list) return;
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (int position = 0; position < kTitleParts; ++position) {
    const int value = TitleOrderValue(kTitleOrder[position](Store()).value, position);
    WideString text = Text(kFirstTitlePartText + static_cast<UINT>(value));
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = position;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = value;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int SelectedIndex(const CalendarElement& element, HWND box) {
  const DWORD value = element.number(Store()).value;
  if (element.value == ListValue::kIndexPlusOne) return value >= 1 ? static_cast<int>(value - 1) : -1;
  if (element.value == ListValue::kNumber) {
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index)
      if (static_cast<DWORD>(SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)) == value) return index;
    return 0;
  }
  return value == 0xFFFFFFFF ? -1 : static_cast<int>(value);
}

// A pinned monthly calendar does not fit below a lower height limit: say so and turn it off.
void RefuseLowPinnedCalendar(DwordSetting& pinned) {
  const int needed = ScaleX(200);
  if (pinned.value != 1 || Store().general.dHeightLimit.Signed() >= needed) return;
  WideString text;
  text.Format(Text(kPinnedCalendarText).c_str(), needed);
  MessageBoxW(nullptr, text.c_str(), Text(kPinnedCalendarCaption).c_str(), MB_OK);
  pinned.Set(0);
}

}  // namespace

std::span<const ElementList> CalendarElementLists() { return kLists; }

const ElementList* FindElementList(int listId) {
  for (const ElementList& list : kLists)
    if (list.listId == listId) return &list;
  return nullptr;
}

int TitleOrderValue(DWORD stored, int position) { return stored <= 5 ? static_cast<int>(stored) : position; }

void CreateElementEditor(SettingsPage& page, HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int right = client.right, top = ScaleY(8), line = top + ScaleX(42);
  AddControl(page, window, L"static", L"Tip text", WS_CHILD | SS_EDITCONTROL, ScaleX(10), top, right - ScaleX(20),
             ScaleX(38), kEditorTip);
  AddControl(page, window, L"static", L"Static combo :", WS_CHILD | SS_RIGHT, 0, top + ScaleX(45), ScaleX(105),
             ScaleX(20), kEditorLabel);
  AddControl(page, window, L"combobox", L"", WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, ScaleX(108), line,
             right - ScaleX(118), ScaleX(100), kEditorList);
  AddControl(page, window, L"BUTTON", L"Calendar static checkbox", WS_CHILD | BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT,
             ScaleX(10), line, right - ScaleX(20), ScaleX(20), kEditorCheck);
  AddControl(page, window, L"edit", L"", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, ScaleX(10), line,
             right - ScaleX(115), ScaleX(20), kEditorPath);
  AddButton(page, window, kEditorPathClear, 859, right - ScaleX(95), line, ScaleX(40), ScaleX(20));
  AddButton(page, window, kEditorPathBrowse, 856, right - ScaleX(50), line, ScaleX(40), ScaleX(20));
  HWND text = AddControl(page, window, L"edit", L"", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, ScaleX(10), line,
                         right - ScaleX(70), ScaleX(20), kEditorText);
  if (text) SendMessageW(text, EM_LIMITTEXT, kTextChars, 0);
  AddButton(page, window, kEditorTextClear, 859, right - ScaleX(50), line, ScaleX(40), ScaleX(20));

  HWND order = AddControl(page, window, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_AUTOARRANGE |
                              LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER,
                          ScaleX(10), top, ScaleX(160), ScaleX(62), kTitleOrderList);
  if (order) {
    // Like the element lists, without a horizontal scroll bar: the parts' names are short.
    SendMessageW(order, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_NOHSCROLL);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(L"Column");
    column.cx = ScaleX(300);
    SendMessageW(order, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  }
  FillTitleOrder(window);
  AddButton(page, window, kTitleOrderUp, 643, ScaleX(175), top, ScaleX(55), ScaleX(20));
  AddButton(page, window, kTitleOrderDown, 644, ScaleX(175), top + ScaleX(25), ScaleX(55), ScaleX(20));
}

void HideElementEditor(HWND window) {
  ShowControlRange(window, kEditorTip, kEditorTextClear, SW_HIDE);
  ShowControlRange(window, kTitleOrderList, kTitleOrderDown, SW_HIDE);
}

void ShowElementEditor(HWND window, const CalendarElement& element) {
  HideElementEditor(window);
  HWND box = GetDlgItem(window, kEditorList);
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  switch (element.form) {
    case EditorForm::kCheck:
      SetText(window, kEditorCheck, Text(element.controlTextId).c_str());
      SendDlgItemMessageW(window, kEditorCheck, BM_SETCHECK, element.number(Store()).value ? BST_CHECKED : 0, 0);
      Show(window, kEditorCheck);
      ShowTip(window, element);
      break;
    case EditorForm::kList: {
      if (element.fill) element.fill(box);
      for (int i = 0; i < element.choiceCount; ++i) AddChoiceText(box, Text(element.choiceIds[i]).c_str());
      const int selected = SelectedIndex(element, box);
      if (selected >= 0) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
      SetText(window, kEditorLabel, Text(element.controlTextId).c_str());
      Show(window, kEditorList);
      Show(window, kEditorLabel);
      ShowTip(window, element);
      break;
    }
    case EditorForm::kPath:
      SetText(window, kEditorPath, element.text(Store()).value.c_str());
      ShowTip(window, element);
      for (int id : {kEditorPath, kEditorPathClear, kEditorPathBrowse}) Show(window, id);
      break;
    case EditorForm::kText:
      SetText(window, kEditorText, element.text(Store()).value.c_str());
      ShowTip(window, element);
      for (int id : {kEditorText, kEditorTextClear}) Show(window, id);
      break;
    case EditorForm::kTitleOrder:
      for (int id : {kTitleOrderList, kTitleOrderUp, kTitleOrderDown}) Show(window, id);
      break;
  }
}

void StoreElementEditor(HWND window, const CalendarElement& element) {
  switch (element.form) {
    case EditorForm::kCheck:
      element.number(Store()).Set(SendDlgItemMessageW(window, kEditorCheck, BM_GETCHECK, 0, 0) & 1);
      if (element.rule == ElementRule::kPinnedCalendar) RefuseLowPinnedCalendar(element.number(Store()));
      break;
    case EditorForm::kList: {
      const LRESULT index = SendDlgItemMessageW(window, kEditorList, CB_GETCURSEL, 0, 0);
      if (index < 0) break;  // nothing chosen: the value stays
      DWORD value = static_cast<DWORD>(index);
      if (element.value == ListValue::kIndexPlusOne) value += 1;
      if (element.value == ListValue::kNumber)
        value = static_cast<DWORD>(SendDlgItemMessageW(window, kEditorList, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
      element.number(Store()).Set(value);
      break;
    }
    case EditorForm::kPath:
    case EditorForm::kText: {
      wchar_t text[kTextChars + 1] = L"";
      GetDlgItemTextW(window, element.form == EditorForm::kPath ? kEditorPath : kEditorText, text, kTextChars + 1);
      element.text(Store()).Set(text);
      break;
    }
    case EditorForm::kTitleOrder: break;  // written when the page closes
  }
}

void StoreTitleOrder(HWND window) {
  HWND list = GetDlgItem(window, kTitleOrderList);
  if (!list) return;
  for (int position = 0; position < kTitleParts; ++position) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = position;
    if (SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
      kTitleOrder[position](Store()).Set(static_cast<DWORD>(item.lParam));
  }
}
