#pragma once
// The Calendar page: days shown, grouping, appointment display, tasks on the calendar, day
// titles and time lines, the monthly pop-up calendar, the mail and weather lines, item
// icons with a live sample, and the order of the day-title parts, on nine tabs.
#include <windows.h>

#include "settings/toolkit/icon_choice_group.h"
#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kCalendarPageClass[] = L"CalendarSettingsWin";

// The appointment display format after a tap on one of the sample's arrows: 1 to 12, wrapping.
DWORD StepDisplayFormat(DWORD format, bool up);

class CalendarPage : public RowTablePage {
 public:
  CalendarPage();

 protected:
  void ShowTab(HWND window, int showCommand) override;
  void OnDestroy(HWND window) override;
  void OnPaint(HWND window) override;
  LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMarkerChosen(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMarkerClicked(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void OnRowsBuilt(HWND window) override;

 private:
  void ShowListTab(HWND window, int listId, int showCommand);
  void ShowWeatherTab(HWND window, int showCommand);
  // The editor of the element at a list's selection mark, written back.
  void StoreOpenEditor(HWND window, int listId);
  void PaintSample(HWND window, HDC dc);
  static void ChooseMailProgram(HWND window);

  IconChoiceGroup appointmentIcons_;
  IconChoiceGroup taskIcons_;
  int sampleY_ = 0;
  bool clearingSelection_ = false;
};
