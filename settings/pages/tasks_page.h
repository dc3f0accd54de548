#pragma once
// The Tasks page: the date display of tasks, which tasks are shown, line breaking and
// folding, the icons at the left and right of a task with a live sample line, and a
// custom date display, on four tabs.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/toolkit/icon_choice_group.h"
#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kTasksPageClass[] = L"TasksSettingsWin";

// The date display sample of a choice of the date box (0 to 11): the start date, the due
// date or both in that choice's patterns; empty for any other index.
WideString TaskDateSample(int index, const SYSTEMTIME& start, const SYSTEMTIME& due);

class TasksPage : public RowTablePage {
 public:
  TasksPage();

  // Where the sample line is drawn on the icons tab (tests).
  int SampleY() const { return sampleY_; }

 protected:
  void ShowTab(HWND window, int showCommand) override;
  void OnPaint(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMarkerChosen(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMarkerClicked(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  int BuildIconRow(HWND window, int y);
  void PaintSample(HWND window, HDC dc);
  static void ApplyCustomDateRule(HWND window);

  IconChoiceGroup icons_;
  int sampleY_ = 0;
};
