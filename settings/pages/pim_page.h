#pragma once
// The PIM page: which PIM program the plug-in works with (only the installed ones are
// offered), the default reminders of new items, and options that matter only when another
// program than Pocket Outlook is chosen, on two tabs.
#include <windows.h>

#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kPimPageClass[] = L"PIMSettingsWin";

// The value of both reminder settings that means no default reminder.
inline constexpr DWORD kNoDefaultReminder = 949998;

// The PIM programs, as the plug-in's PimSw names them.
enum PimProgram : DWORD {
  kPocketOutlook = 0,
  kPocketInformant = 1,
  kAgendaFusion = 2,
  kAgendaOne = 3,
  kOwnCalendar = 4,
};

// Tells the user that the maker's calendar program is not installed.
void ShowOwnCalendarMissing(HWND owner);

// The choices of each box, appended with their value as item data.
void FillPimPrograms(HWND box);
void FillAppointmentReminders(HWND box);
void FillTaskReminders(HWND box);

class PimPage : public RowTablePage {
 public:
  PimPage();

 protected:
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  void ChooseProgram(HWND window);
  void ApplyProgramRule(HWND window);
};
