// The Calendar page of QMSettings.exe driven from outside: opened from the main list, rows
// and element editors changed, closed with the caption OK, saved with Done.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

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

// Taps an element of a list and waits until it is selected and its editor shows (the
// editor may already show for the element before, when both have the same kind).
bool OpenElement(HWND page, int listId, int index, int editorId) {
  HWND list = Control(page, listId);
  TapListItem(list, index);
  return WaitUntil([&] {
           return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) == LVIS_SELECTED;
         }, kWait) &&
         WaitIdle(page) && WaitUntil([&] { return IsWindowVisible(Control(page, editorId)) != FALSE; }, kWait);
}

constexpr int kListTabs[][2] = {{2, 1218}, {3, 1219}, {5, 1220}, {6, 1221}, {8, 1222}};
enum Editor : int { kCheck = 1226, kList = 1225, kPath = 1227, kText = 1230, kTitleOrder = 1237 };

// Taps an element, scrolled into view first, and waits until the page has shown its editor.
int ShowElement(HWND page, int listId, int index) {
  HWND list = Control(page, listId);
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  TapListItem(list, index);
  WaitUntil([&] {
    return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) == LVIS_SELECTED;
  }, kWait);
  WaitIdle(page);
  for (int editor : {kCheck, kList, kPath, kText, kTitleOrder})
    if (IsWindowVisible(Control(page, editor))) return editor;
  return 0;
}

// What an editor shows, as text.
std::wstring Shown(HWND page, int editor) {
  switch (editor) {
    case kCheck: return SendMessageW(Control(page, kCheck), BM_GETCHECK, 0, 0) == BST_CHECKED ? L"on" : L"off";
    case kList: return std::to_wstring(SendMessageW(Control(page, kList), CB_GETCURSEL, 0, 0));
    case kPath:
    case kText: {
      wchar_t text[300] = L"";
      SendMessageW(Control(page, editor), WM_GETTEXT, 300, reinterpret_cast<LPARAM>(text));
      return text;
    }
    default: return L"";
  }
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

// Every element of every list changed from outside, saved with Done, and shown again by the
// next run of the program, which reads it back from the registry.
TEST_F(CalendarPageProgram, EveryElementChangedComesBackInTheNextRun) {
  WriteDword(HKEY_CURRENT_USER, kProduct, L"dHeightLimit", 300);  // the pinned calendar fits
  std::map<std::pair<int, int>, std::wstring> chosen;
  for (int run = 0; run < 2; ++run) {
    RunningProgram program;
    HWND page = OpenCalendar(program);
    ASSERT_NE(nullptr, page);
    int tab = 0;
    for (const auto& [listTab, listId] : kListTabs) {
      NextTabs(page, listTab - tab);
      tab = listTab;
      const int count = static_cast<int>(SendMessageW(Control(page, listId), LVM_GETITEMCOUNT, 0, 0));
      ASSERT_GT(count, 5) << listId;
      for (int index = 0; index < count; ++index) {
        const int editor = ShowElement(page, listId, index);
        ASSERT_NE(0, editor) << listId << " element " << index;
        const std::pair<int, int> element{listId, index};
        if (run == 1) {
          EXPECT_EQ(chosen[element], Shown(page, editor)) << listId << " element " << index;
          continue;
        }
        if (editor == kCheck) SendMessageW(Control(page, kCheck), BM_CLICK, 0, 0);
        if (editor == kList) {
          const LRESULT choices = SendMessageW(Control(page, kList), CB_GETCOUNT, 0, 0);
          ChooseItem(page, kList, static_cast<int>((SendMessageW(Control(page, kList), CB_GETCURSEL, 0, 0) + 1) % choices));
        }
        if (editor == kPath || editor == kText)
          SendMessageW(Control(page, editor), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>((L"\\Folder " + std::to_wstring(index)).c_str()));
        chosen[element] = Shown(page, editor);
      }
    }
    CloseAndDone(program, page);
  }
  // Each changed element left its value in the registry (the title order was not changed).
  EXPECT_GE(ValueNames(HKEY_CURRENT_USER, kCalendar).size(), chosen.size() - 1);
}

}  // namespace
