// The Calendar page of QMSettings.exe driven from outside: opened from the main list, rows
// and element editors changed, closed with the caption OK, saved with Done.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kCalendar[] = L"Software\\Tessaly\\Quillmere\\Calendar";
constexpr DWORD kWait = 20000;

HWND Control(HWND page, int id) { return GetDlgItem(page, id); }

void NextTabs(HWND page, int count) {
  for (int i = 0; i < count; ++i) ASSERT_TRUE(NextTab(page));
}

// Taps an element of a list and waits until its editor shows.
bool OpenElement(HWND page, int listId, int index, int editorId) {
  TapListItem(Control(page, listId), index);
  return WaitUntil([&] { return IsWindowVisible(Control(page, editorId)) != FALSE; }, kWait);
}

class CalendarPageProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
  }

  HWND OpenCalendar(RunningProgram& program) { return OpenPageFromList(program, 1, L"CalendarSettingsWin", &main_); }
  void CloseAndDone(RunningProgram& program, HWND page) { ASSERT_TRUE(ClosePageAndDone(program, main_, page)); }

  HWND main_ = nullptr;
};

TEST_F(CalendarPageProgram, ChangesAreSavedOnDoneAndAnUnchangedVisitWritesNothing) {
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesVertZ", 2);
  {
    RunningProgram program;
    HWND page = OpenCalendar(program);
    ASSERT_NE(nullptr, page);
    ChooseItem(page, 1201, 9);                               // ten days
    SendMessageW(Control(page, 1208), BM_CLICK, 0, 0);   // special events on the calendar
    NextTabs(page, 1);
    ChooseItem(page, 1213, 2);                               // leading rectangles
    NextTabs(page, 1);
    ASSERT_TRUE(OpenElement(page, 1218, 1, 1226));       // overdue tasks
    SendMessageW(Control(page, 1226), BM_CLICK, 0, 0);
    NextTabs(page, 1);                                   // leaving the tab stores the editor
    ASSERT_TRUE(OpenElement(page, 1219, 15, 1225));      // horizontal time-line zoom
    ChooseItem(page, 1225, 1);
    ASSERT_TRUE(OpenElement(page, 1219, 0, 1225));       // choosing another element stores it
    ChooseItem(page, 1225, 3);
    CloseAndDone(program, page);
  }
  EXPECT_EQ(10u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays"));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"SEventsOnClr"));
  EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"LeadingRects"));
  EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"IncldOverDueTsksInCR"));
  EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesHorZ"));
  EXPECT_EQ(3u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"DayTtlFrmt"));
  EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesVertZ"));

  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, kProduct);
  {
    RunningProgram program;
    HWND page = OpenCalendar(program);
    ASSERT_NE(nullptr, page);
    NextTabs(page, 8);
    CloseAndDone(program, page);
  }
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, kProduct));
}

}  // namespace
