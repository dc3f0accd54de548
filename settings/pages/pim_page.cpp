#include "settings/pages/pim_page.h"

#include <windows.h>

#include "settings/base/load_text.h"
#include "settings/base/wide_string.h"
#include "settings/store/pim_detection.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/date_texts.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kProgramLabel = 1200,
  kProgramBox = 1201,
  kAppointmentLabel = 1202,
  kAppointmentBox = 1203,
  kTaskLabel = 1204,
  kTaskBox = 1205,
  kCategoryIconsCheck = 1206,
  kCategoryColoursCheck = 1207,
  kLeaveRunningCheck = 1208,
  kHidePrioritiesCheck = 1209,
};

enum PimOwnRow : int { kProgramRow = 1, kAppointmentRow = 2, kTaskRow = 3 };

constexpr UINT kNoReminderText = 1542;
constexpr UINT kMissingText = 1647;
constexpr UINT kMissingCaption = 1648;

struct ProgramChoice {
  PimProgram program;
  UINT textId;
  const wchar_t* english;
  bool (*installed)();  // null: always offered
};
constexpr ProgramChoice kPrograms[] = {
    {kPocketOutlook, 106, L"Pocket Outlook", nullptr},
    {kOwnCalendar, 1646, L"Tessaly Calendar", nullptr},
    {kPocketInformant, 107, L"Pocket Informant", DetectPocketInformant},
    {kAgendaFusion, 139, L"Agenda Fusion", DetectAgendaFusion},
    {kAgendaOne, 108, L"Agenda One", DetectAgendaOne},
};

// An appointment reminder: a number before the unit's text, in minutes.
struct ReminderChoice {
  const wchar_t* prefix;
  UINT unitId;
  const wchar_t* english;
  DWORD minutes;
};
constexpr ReminderChoice kAppointmentReminders[] = {
    {L"0 ", 1543, L"minutes", 0},  {L"5 ", 1543, L"minutes", 5},    {L"10 ", 1543, L"minutes", 10},
    {L"15 ", 1543, L"minutes", 15}, {L"30 ", 1543, L"minutes", 30},  {L"45 ", 1543, L"minutes", 45},
    {L"1 ", 1544, L"hour", 60},     {L"2 ", 1545, L"hours", 120},    {L"4 ", 1545, L"hours", 240},
    {L"8 ", 1545, L"hours", 480},   {L"1 ", 1546, L"day", 1440},
};

int AddChoice(HWND box, const wchar_t* text, DWORD data) {
  const int index = AddChoiceText(box, text);
  if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return index;
}

void AddNoReminder(HWND box) { AddChoice(box, LanguageText(kNoReminderText, L"None").c_str(), kNoDefaultReminder); }

// Selects the entry that holds `data`, or the first when none does.
void SelectData(HWND box, DWORD data) {
  const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
  int selected = 0;
  for (int index = 0; index < count; ++index)
    if (static_cast<DWORD>(SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)) == data) {
      selected = index;
      break;
    }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// The item data of the selection; false without one.
bool SelectedData(HWND box, DWORD& data) {
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (index < 0) return false;
  data = static_cast<DWORD>(SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  return true;
}

ChoiceFiller FillerOf(int own) {
  switch (own) {
    case kProgramRow: return FillPimPrograms;
    case kAppointmentRow: return FillAppointmentReminders;
    case kTaskRow: return FillTaskReminders;
    default: return nullptr;
  }
}

const PageRow kProgramRows[] = {
    OwnRow(kProgramRow, kProgramLabel, kProgramBox, 918, nullptr, QM_NUMBER(customPim, PimSw)),
    OwnRow(kAppointmentRow, kAppointmentLabel, kAppointmentBox, 1540, nullptr,
           QM_NUMBER(customPim, DefaultReminderAppts)),
    OwnRow(kTaskRow, kTaskLabel, kTaskBox, 1541, nullptr, QM_NUMBER(customPim, DefaultReminderTasks)),
};

const PageRow kOptionRows[] = {
    CheckRow(kCategoryIconsCheck, 919, QM_NUMBER(customPim, OverridePimCatIcons)),
    CheckRow(kCategoryColoursCheck, 920, QM_NUMBER(customPim, OverridePimCatColros)),
    CheckRow(kLeaveRunningCheck, 921, QM_NUMBER(customPim, LeaveAFRunning)),
    CheckRow(kHidePrioritiesCheck, 922, QM_NUMBER(customPim, HideABCVals)),
};

const PageTab kTabs[] = {
    {916, kProgramLabel, kTaskBox, kProgramRows},
    {917, kCategoryIconsCheck, kHidePrioritiesCheck, kOptionRows},
};

}  // namespace

void ShowOwnCalendarMissing(HWND owner) {
  ShowLanguageMessage(owner, kMissingText, kMissingCaption, MB_OK | MB_ICONEXCLAMATION,
                      L"Tessaly Calendar is not installed.", L"PIM Program");
}

void FillPimPrograms(HWND box) {
  for (const ProgramChoice& choice : kPrograms)
    if (!choice.installed || choice.installed())
      AddChoice(box, LanguageText(choice.textId, choice.english).c_str(), choice.program);
}

void FillAppointmentReminders(HWND box) {
  AddNoReminder(box);
  for (const ReminderChoice& choice : kAppointmentReminders) {
    WideString text(choice.prefix);
    text.Append(LanguageText(choice.unitId, choice.english).c_str());
    AddChoice(box, text.c_str(), choice.minutes);
  }
}

// Every half hour of the day, in the user's time format.
void FillTaskReminders(HWND box) {
  AddNoReminder(box);
  for (int hour = 0; hour < 24; ++hour)
    for (int minute : {0, 30})
      AddChoice(box, FormatTime(hour, minute).c_str(), static_cast<DWORD>(hour * 60 + minute));
}

PimPage::PimPage() : RowTablePage(kTabs) {}

int PimPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  const ChoiceFiller fill = FillerOf(row.own);
  if (!fill) return 0;
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  if (HWND box = GetDlgItem(window, row.controlId)) {
    fill(box);
    SelectData(box, row.number(Store()).value);
  }
  return advance;
}

void PimPage::WriteOwnRow(HWND window, const PageRow& row) {
  DWORD data = 0;
  if (row.number && SelectedData(GetDlgItem(window, row.controlId), data)) row.number(Store()).Set(data);
}

void PimPage::OnRowsBuilt(HWND window) { ApplyProgramRule(window); }

LRESULT PimPage::OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != kProgramBox) return 0;
  // A pick from the open list ends with CBN_SELENDOK; the arrow keys on the closed box only
  // report the change, and must not slip a program past the check either.
  const UINT code = HIWORD(wParam);
  const bool dropped = SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) ChooseProgram(window);
  return 0;
}

void PimPage::ChooseProgram(HWND window) {
  HWND box = GetDlgItem(window, kProgramBox);
  DwordSetting& program = Store().customPim.PimSw;
  DWORD chosen = 0;
  if (!SelectedData(box, chosen)) return;
  if (chosen == kOwnCalendar && !DetectOwnCalendar()) {
    // Put the stored choice back first, so that a second notification of the same pick
    // finds nothing to refuse.
    SelectData(box, program.value);
    ShowOwnCalendarMissing(window);
    SelectedData(box, chosen);
  }
  program.Set(chosen);
  ApplyProgramRule(window);
}

void PimPage::ApplyProgramRule(HWND window) {
  const DWORD program = Store().customPim.PimSw.value;
  EnableControl(window, kLeaveRunningCheck, program == kAgendaFusion);
  for (int id : {kCategoryIconsCheck, kCategoryColoursCheck, kHidePrioritiesCheck})
    EnableControl(window, id, program != kPocketOutlook);
  for (int id = kAppointmentLabel; id <= kTaskBox; ++id) EnableControl(window, id, program == kPocketOutlook);
}
