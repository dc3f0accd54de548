// The Calendar page driven as the user drives it, in the test process: tabs, rows, the
// element editors, the icon choices and the sample's arrows; then the settings it wrote.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "settings/base/scale.h"
#include "settings/pages/calendar_elements.h"
#include "settings/pages/calendar_page.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"
#include "tests/support/device_clock.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/page_host.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kCalendarKey[] = L"Software\\Tessaly\\Quillmere\\Calendar";
constexpr int kCalendarCommand = 1;

enum class Form { kCheck, kList, kPath, kText };

// Every element of the five lists, as the user sees it: its tab, list, position, the value
// it edits and how many choices its list offers.
struct Element {
  int tab;
  int list;
  int index;
  const wchar_t* name;
  Form form;
  int choices;
};

constexpr Element kElements[] = {
    {2, 1218, 0, L"IncldTasksInCR", Form::kCheck, 0},
    {2, 1218, 1, L"IncldOverDueTsksInCR", Form::kCheck, 0},
    {2, 1218, 2, L"IncldFutureTsksInCR", Form::kCheck, 0},
    {2, 1218, 3, L"IncldUndatedTsksInCR", Form::kCheck, 0},
    {2, 1218, 4, L"DatesToIncldCmpltdTsksOnClr", Form::kList, 4},
    {2, 1218, 5, L"IncldPastCmpltdTsksInClndr", Form::kCheck, 0},
    {2, 1218, 6, L"FutureLimitTsksOnClr", Form::kList, 8},
    {2, 1218, 7, L"TasksSubsortOnCal", Form::kList, 7},
    {2, 1218, 8, L"SkipActiveTsksWeekends", Form::kList, 4},
    {2, 1218, 9, L"DueDateTsksDateFrmt", Form::kList, 5},
    {2, 1218, 10, L"ShowActiveTsksOnCal", Form::kCheck, 0},
    {2, 1218, 11, L"PaintTsksBeforeAppts", Form::kCheck, 0},
    {2, 1218, 12, L"ConfirmTaskComplete", Form::kCheck, 0},
    {3, 1219, 0, L"DayTtlFrmt", Form::kList, 7},
    {3, 1219, 1, L"dDayBreaker", Form::kList, 4},
    {3, 1219, 2, L"TimeLines", Form::kList, 3},
    {3, 1219, 3, L"ShowTomorrowTtl", Form::kCheck, 0},
    {3, 1219, 4, L"IncldCounters", Form::kCheck, 0},
    {3, 1219, 5, L"UseSmartFolding", Form::kCheck, 0},
    {3, 1219, 6, L"FoldingType", Form::kList, 3},
    {3, 1219, 7, L"FilterFreeApptsFromTL", Form::kCheck, 0},
    {3, 1219, 8, L"ForceTodayTitleDsply", Form::kCheck, 0},
    {3, 1219, 9, L"AppendDateToTodayTtl", Form::kCheck, 0},
    {3, 1219, 10, L"AppendDaysCountTottl", Form::kCheck, 0},
    {3, 1219, 11, L"AppendWeekNumTottl", Form::kCheck, 0},
    {3, 1219, 12, L"TimelinesStart", Form::kList, 19},
    {3, 1219, 13, L"TimelinesLength", Form::kList, 19},
    {3, 1219, 14, L"TimelinesVertZ", Form::kList, 2},
    {3, 1219, 15, L"TimelinesHorZ", Form::kList, 2},
    {5, 1220, 0, L"OnPopupMonthCalClick", Form::kList, 4},
    {5, 1220, 1, L"MonthlyPopupCalDateFrmt", Form::kList, 2},
    {5, 1220, 2, L"MonthlyStartDay", Form::kList, 7},
    {5, 1220, 3, L"FirstWorkDay", Form::kList, 7},
    {5, 1220, 4, L"MonthlyPopWithWeekNum", Form::kCheck, 0},
    {5, 1220, 5, L"MonthlyPopTimelines", Form::kList, 3},
    {5, 1220, 6, L"MonthlyPopCatIcons", Form::kCheck, 0},
    {5, 1220, 7, L"MonthlyPopIconsSize", Form::kList, 9},
    {5, 1220, 8, L"PopupClrDPadNavigation", Form::kList, 3},
    {6, 1221, 0, L"IncludeMainOnCal", Form::kCheck, 0},
    {6, 1221, 1, L"MailHideWhenZeroMsgs", Form::kCheck, 0},
    {6, 1221, 2, L"MailTitleFormat", Form::kList, 4},
    {6, 1221, 3, L"MailSoftwareToUse", Form::kList, 2},
    {6, 1221, 4, L"MailCustomInboxStr", Form::kPath, 0},
    {6, 1221, 5, L"HideMailTtlUnderToday", Form::kCheck, 0},
    {6, 1221, 6, L"ShowMailCounterOnTtl", Form::kCheck, 0},
    {8, 1222, 0, L"Force2DigitsTImeFrmt", Form::kCheck, 0},
    {8, 1222, 1, L"SkinTodayWhenCollpsAll", Form::kCheck, 0},
    {8, 1222, 2, L"HumanTime", Form::kList, 9},
    {8, 1222, 3, L"HideOverDueTsksDayTtl", Form::kCheck, 0},
    {8, 1222, 4, L"HideUndatedTsksDayTtl", Form::kCheck, 0},
    {8, 1222, 5, L"CustomDayttlFrmtDefault", Form::kText, 0},
};

RecordRef Record(const wchar_t* name) { return Store().Find(kCalendarGroup, name); }

// What the user picks for an element: the next choice, the other check state, a new text.
int NextChoice(const PageHost& host) { return (host.Selection(kEditorList) + 1) % host.ItemCount(kEditorList); }

class CalendarPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProductRegistry(); }
  void TearDown() override {
    host_.reset();
    ResetProductRegistry();
  }
  void Open() {
    if (!host_) host_ = std::make_unique<PageHost>();
    ASSERT_NE(nullptr, host_->Open(kCalendarCommand));
  }
  PageHost& Host() { return *host_; }

  std::unique_ptr<PageHost> host_;
};

// Each element shows its setting in its editor; the user's change is written when another
// element is chosen or the tab is left, and shows again when the page is opened anew.
TEST_F(CalendarPageTest, EveryElementOfEveryListRoundTrips) {
  Open();
  PageHost& host = Host();
  std::map<std::wstring, std::wstring> expected;
  for (const Element& element : kElements) {
    if (host.Page()->CurrentTab() != element.tab) host.SelectTab(element.tab);
    ASSERT_TRUE(host.Visible(element.list)) << element.name;
    host.SelectListItem(element.list, element.index);
    RecordRef record = Record(element.name);
    ASSERT_TRUE(record) << element.name;
    switch (element.form) {
      case Form::kCheck:
        ASSERT_TRUE(host.Visible(kEditorCheck)) << element.name;
        EXPECT_EQ(record.number->value != 0, host.Checked(kEditorCheck)) << element.name;
        host.Click(kEditorCheck);
        expected[element.name] = host.Checked(kEditorCheck) ? L"1" : L"0";
        break;
      case Form::kList: {
        ASSERT_TRUE(host.Visible(kEditorList)) << element.name;
        EXPECT_EQ(element.choices, host.ItemCount(kEditorList)) << element.name;
        const int next = NextChoice(host);
        host.Choose(kEditorList, next);
        expected[element.name] = host.ItemText(kEditorList, next);
        break;
      }
      case Form::kPath:
      case Form::kText: {
        const int edit = element.form == Form::kPath ? kEditorPath : kEditorText;
        ASSERT_TRUE(host.Visible(edit)) << element.name;
        EXPECT_EQ(record.text->value.c_str(), host.Text(edit)) << element.name;
        host.Type(edit, L"\\Storage Card\\Mail \"x\"");
        expected[element.name] = L"\\Storage Card\\Mail \"x\"";
        break;
      }
    }
  }
  host.SelectTab(0);  // stores the last list's open editor
  host.Close();

  // Opened anew, every editor shows what was chosen.
  Open();
  for (const Element& element : kElements) {
    if (host.Page()->CurrentTab() != element.tab) host.SelectTab(element.tab);
    host.SelectListItem(element.list, element.index);
    std::wstring shown;
    switch (element.form) {
      case Form::kCheck: shown = host.Checked(kEditorCheck) ? L"1" : L"0"; break;
      case Form::kList: shown = host.ItemText(kEditorList, host.Selection(kEditorList)); break;
      case Form::kPath: shown = host.Text(kEditorPath); break;
      case Form::kText: shown = host.Text(kEditorText); break;
    }
    EXPECT_EQ(expected[element.name], shown) << element.name;
    EXPECT_TRUE(Record(element.name).number ? Record(element.name).number->changed : Record(element.name).text->changed)
        << element.name << " was set by the page";
  }
}

TEST_F(CalendarPageTest, ListValuesBeyondTheirIndexesAndTheTitleOrder) {
  WriteDword(HKEY_CURRENT_USER, kCalendarKey, L"dNumOfDays", 45);
  WriteDword(HKEY_CURRENT_USER, kCalendarKey, L"TimelinesVertZ", 2);
  WriteDword(HKEY_CURRENT_USER, kCalendarKey, L"MonthlyPopIconsSize", 11);
  WriteDword(HKEY_CURRENT_USER, kCalendarKey, L"CalTitlesOrder3", 9);
  Open();
  PageHost& host = Host();
  // A number of days the list lacks is added and chosen.
  EXPECT_EQ(31, host.ItemCount(1201));
  EXPECT_EQ(L"45", host.ItemText(1201, host.Selection(1201)));
  host.SelectTab(3);
  host.SelectListItem(1219, 14);
  EXPECT_EQ(1, host.Selection(kEditorList));  // "2" of "1", "2"
  host.SelectTab(5);
  host.SelectListItem(1220, 7);
  EXPECT_EQ(L"11", host.ItemText(kEditorList, host.Selection(kEditorList)));
  host.Choose(kEditorList, 0);
  // The day-title order: a stored 9 shows part 3 at position 3; moving the first part down.
  host.SelectTab(8);
  host.SelectListItem(1222, 6);
  EXPECT_TRUE(host.Visible(kTitleOrderList));
  EXPECT_FALSE(host.Visible(kEditorTip));
  ListView_SetItemState(host.Control(kTitleOrderList), 0, LVIS_SELECTED, LVIS_SELECTED);
  SendMessageW(host.Control(kTitleOrderList), LVM_SETSELECTIONMARK, 0, 0);
  host.Click(kTitleOrderDown);
  host.Close();

  SettingsStore& store = Store();
  EXPECT_EQ(45u, store.calendar.dNumOfDays.value);
  EXPECT_EQ(2u, store.calendar.TimelinesVertZ.value);
  EXPECT_EQ(6u, store.calendar.MonthlyPopIconsSize.value);  // the first size at 96 dpi
  const DWORD order[] = {store.calendar.CalTitlesOrder0.value, store.calendar.CalTitlesOrder1.value,
                         store.calendar.CalTitlesOrder2.value, store.calendar.CalTitlesOrder3.value};
  EXPECT_EQ(1u, order[0]);
  EXPECT_EQ(0u, order[1]);
  EXPECT_EQ(3u, order[3]);
}

// The pinned monthly calendar needs a height limit of 200 at 96 dpi: below it the user is
// told and the choice does not stick.
TEST_F(CalendarPageTest, PinnedMonthlyCalendarNeedsTheHeight) {
  for (DWORD limit : {150u, 250u}) {
    ResetProductRegistry();
    WriteDword(HKEY_CURRENT_USER, L"Software\\Tessaly\\Quillmere", L"dHeightLimit", limit);
    host_.reset();
    Open();
    PageHost& host = Host();
    host.SelectTab(5);
    host.SelectListItem(1220, 9);
    EXPECT_NE(std::wstring::npos, host.Text(kEditorTip).find(L"200")) << host.Text(kEditorTip);
    host.Click(kEditorCheck);
    // Other windows of the thread may be activated first: each answer looks for the box.
    std::set<HWND> boxes;
    auto answer = [&](HWND) {
      EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
        if (ClassName(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        reinterpret_cast<std::set<HWND>*>(found)->insert(window);
        PressButton(window, IDOK);
        return FALSE;
      }, reinterpret_cast<LPARAM>(&boxes));
    };
    ModalAnswerer answers;
    answers.Then(answer).Then(answer).Then(answer);
    host.SelectTab(0);
    EXPECT_EQ(limit < 200 ? 1u : 0u, boxes.size()) << limit;
    EXPECT_EQ(limit < 200 ? 0u : 1u, Store().calendar.PinnedMonthlyClr.value) << limit;
    host.Close();
  }
}

// Left icons taken out of the right icons and written at once; the sample's arrows step the
// display format round from 12 to 1.
TEST_F(CalendarPageTest, IconChoicesAndTheFormatArrowsAreWrittenAtOnce) {
  Open();
  PageHost& host = Host();
  host.SelectTab(4);
  HWND page = host.Window();
  SendMessageW(page, kMarkerChosenMessage, 4, 1);  // appointment left icon 1: recurring
  EXPECT_EQ(4u, ReadDword(HKEY_CURRENT_USER, kCalendarKey, L"ApptLeftAlignIcon1"));
  const DWORD right = ReadDword(HKEY_CURRENT_USER, kCalendarKey, L"ClrApptRightIcons").value_or(
      Store().calendar.ClrApptRightIcons.defaultValue);
  EXPECT_EQ(0u, right & 4);
  SendMessageW(page, kMarkerChosenMessage, 32, 3);  // task left icon 1: importance
  EXPECT_EQ(32u, ReadDword(HKEY_CURRENT_USER, kCalendarKey, L"TaskLeftAlignIcon1"));
  EXPECT_EQ(0u, Store().calendar.ClrTaskRightIcons.value & 32);

  EXPECT_EQ(1u, StepDisplayFormat(12, true));
  EXPECT_EQ(12u, StepDisplayFormat(1, false));
  EXPECT_EQ(7u, StepDisplayFormat(6, true));
  // The arrows lie at the sample's top, below the two icon rows.
  WriteDword(HKEY_CURRENT_USER, kCalendarKey, L"ApptDisplayFormat", 12);
  host.Reload();
  const int arrowsY = ScaleY(8) + 2 * ScaleY(42) + ScaleY(8) + ScaleX(6);
  SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ScaleX(10), arrowsY));
  EXPECT_EQ(11u, ReadDword(HKEY_CURRENT_USER, kCalendarKey, L"ApptDisplayFormat"));
  SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ScaleX(20), arrowsY));
  SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ScaleX(20), arrowsY));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kCalendarKey, L"ApptDisplayFormat"));
  SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ScaleX(40), arrowsY));  // beside the arrows
  EXPECT_EQ(1u, Store().calendar.ApptDisplayFormat.value);
}

// The times the lists offer follow the user's clock.
TEST_F(CalendarPageTest, TimesFollowTheDevicesClock) {
  DeviceClock deviceClock;
  struct Clock {
    bool twentyFourHours;
    const wchar_t* firstHumanTime;
    const wchar_t* oneInTheAfternoon;
  } clocks[] = {{false, L"0:00 AM", L"1:00 PM"}, {true, L"0:00", L"13:00"}};
  for (const Clock& clock : clocks) {
    deviceClock.Use(clock.twentyFourHours);
    host_.reset();
    Open();
    PageHost& host = Host();
    host.SelectTab(8);
    host.SelectListItem(1222, 2);
    EXPECT_EQ(clock.firstHumanTime, host.ItemText(kEditorList, 0));
    host.SelectTab(3);
    host.SelectListItem(1219, 12);
    EXPECT_EQ(clock.oneInTheAfternoon, host.ItemText(kEditorList, 13));
  }
}

}  // namespace
