#pragma once
// The Special events page: which birthdays and anniversaries the plug-in shows and how,
// the look-ahead of its additional filters with their four categories, and the layout of
// the list, on three tabs.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kSpecialEventsPageClass[] = L"SEventsSettingsWin";

// The date format box's entry for index 1 to 4: the date in that entry's pattern; empty
// for any other index (entry 0 is the "no date" text).
WideString EventDateSample(int index, const SYSTEMTIME& date);
// The day span box: the entry that shows a stored span (an unlisted span shows 30), and
// the span an entry's text stands for.
int DaySpanEntry(DWORD days);
DWORD DaySpanFromText(const wchar_t* text);

class SpecialEventsPage : public RowTablePage {
 public:
  SpecialEventsPage();

 protected:
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;

 private:
  int BuildDaySpanRow(HWND window, const PageRow& row, int y);
  int BuildCategoryRow(HWND window, const PageRow& row, int y);
};
