#include "settings/pages/tasks_page.h"

#include <windows.h>

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/memory_image.h"
#include "settings/files/sample_lines.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/date_texts.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kDateFormatLabel = 1200,
  kDateFormatBox = 1201,
  kFutureLimitLabel = 1202,
  kFutureLimitBox = 1203,
  kHideCompletedCheck = 1204,
  kHidePastCompletedCheck = 1205,
  kConfirmCompleteCheck = 1206,
  kRemoveUndatedStringCheck = 1207,
  kRemoveUndatedCheck = 1208,
  kLineBreakerLabel = 1209,
  kLineBreakerBox = 1210,
  kFoldingLabel = 1211,
  kFoldingBox = 1212,
  kSmartFoldingCheck = 1213,
  kCountersCheck = 1214,
  kLeftIcon1Label = 1215,
  kLeftIcon1Marker = 1216,
  kLeftIcon2Label = 1217,
  kLeftIcon2Marker = 1218,
  kRightIconsLabel = 1219,
  kRightIconsMarker = 1220,
  kCustomDateCheck = 1221,
  kStartFieldLabel = 1222,
  kStartFieldEdit = 1223,
  kEndFieldLabel = 1224,
  kEndFieldEdit = 1225,
  kDateStructLabel = 1226,
  kDateStructBox = 1227,
};

enum TasksOwnRow : int { kIconRow = 1, kStartField = 2, kEndField = 3 };

// Notification ids of the three icon markers.
constexpr UINT kLeftIcon1Notify = 1;
constexpr UINT kLeftIcon2Notify = 2;
constexpr UINT kRightIconsNotify = 3;

constexpr int kIconsTab = 2;
constexpr int kCustomTextChars = 255;

constexpr UINT kStartOnlyText = 1075;
constexpr UINT kDueOnlyText = 1076;

// Each date sample: the pattern of the start date and of the due date (null: not shown).
struct DatePatterns {
  const wchar_t* start;
  const wchar_t* due;
};
constexpr DatePatterns kDatePatterns[] = {
    {L"M'/'d", L"M'/'d'/'yy"}, {L"M'/'d", L"M'/'d"}, {L"M'/'d'/'yy", nullptr}, {nullptr, L"M'/'d'/'yy"},
    {L"M'/'d", nullptr},       {nullptr, L"M'/'d"},  {L"d'/'M", L"d'/'M'/'yy"}, {L"d'/'M", L"d'/'M"},
    {L"d'/'M'/'yy", nullptr},  {nullptr, L"d'/'M'/'yy"}, {L"d'/'M", nullptr}, {nullptr, L"d'/'M"},
};
constexpr int kDateSampleCount = static_cast<int>(sizeof kDatePatterns / sizeof kDatePatterns[0]);

// A task due a week after it starts, both counted from today.
void FillDateSamples(HWND box) {
  const SYSTEMTIME start = Today();
  const SYSTEMTIME due = AddDays(start, 7.0);
  for (int index = 0; index < kDateSampleCount; ++index) AddChoiceText(box, TaskDateSample(index, start, due).c_str());
}

constexpr UINT kFutureLimitChoices[] = {1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084};
constexpr UINT kLineBreakerChoices[] = {109, 110, 111, 1233};
constexpr UINT kFoldingChoices[] = {790, 791, 792};
constexpr UINT kDateStructChoices[] = {1094, 1095, 1096};

const PageRow kDisplayRows[] = {
    MadeListRow(kDateFormatLabel, kDateFormatBox, 1066, FillDateSamples, QM_NUMBER(tasks, TsksDateFrmt)),
    ListRow(kFutureLimitLabel, kFutureLimitBox, 1067, kFutureLimitChoices, QM_NUMBER(tasks, TsksLimitFutureDate)),
    CheckRow(kHideCompletedCheck, 1089, QM_NUMBER(tasks, HideCompletedTasks), 2),
    CheckRow(kHidePastCompletedCheck, 1090, QM_NUMBER(tasks, HidePastCompletedTasks), 2),
    CheckRow(kConfirmCompleteCheck, 1091, QM_NUMBER(tasks, ConfirmTaskCompleteTsks), 2),
    CheckRow(kRemoveUndatedStringCheck, 1092, QM_NUMBER(tasks, RemoveUndatedLeadingStr), 2),
    CheckRow(kRemoveUndatedCheck, 1093, QM_NUMBER(tasks, RemoveUndatedTsks), 2),
};

const PageRow kLayoutRows[] = {
    ListRow(kLineBreakerLabel, kLineBreakerBox, 1068, kLineBreakerChoices, QM_NUMBER(tasks, TsksLineBreaker)),
    ListRow(kFoldingLabel, kFoldingBox, 1070, kFoldingChoices, QM_NUMBER(tasks, TsksFoldingType)),
    CheckRow(kSmartFoldingCheck, 1069, QM_NUMBER(tasks, TsksUseSmartFolding)),
    CheckRow(kCountersCheck, 1254, QM_NUMBER(tasks, IncludeCountersTsks)),
};

// The icon settings are written as they are chosen, not from these rows.
const PageRow kIconRows[] = {
    OwnRow(kIconRow, kLeftIcon1Label, kLeftIcon1Marker, 647),
};

const PageRow kCustomDateRows[] = {
    CheckRow(kCustomDateCheck, 1071, QM_NUMBER(tasks, UseCustomDateTsks)),
    OwnRow(kStartField, kStartFieldLabel, kStartFieldEdit, 1073, QM_TEXT(tasks, CustomDateFrmtStart)),
    OwnRow(kEndField, kEndFieldLabel, kEndFieldEdit, 1074, QM_TEXT(tasks, CustomDateFrmtEnd)),
    ListRow(kDateStructLabel, kDateStructBox, 1072, kDateStructChoices, QM_NUMBER(tasks, TsksCustomDateStruct)),
};

const PageTab kTabs[] = {
    {1061, kDateFormatLabel, kRemoveUndatedCheck, kDisplayRows},
    {1062, kLineBreakerLabel, kCountersCheck, kLayoutRows},
    {1063, kLeftIcon1Label, kRightIconsMarker, kIconRows},
    {1065, kCustomDateCheck, kDateStructBox, kCustomDateRows},
};

const IconChoiceSettings kIconSettings{QM_NUMBER(tasks, TaskTabLeftAlignIcon1), QM_NUMBER(tasks, TaskTabLeftAlignIcon2),
                                       QM_NUMBER(tasks, TasksRightIcons)};

}  // namespace

WideString TaskDateSample(int index, const SYSTEMTIME& start, const SYSTEMTIME& due) {
  WideString text;
  if (index < 0 || index >= kDateSampleCount) return text;
  const DatePatterns& patterns = kDatePatterns[index];
  WideString word;
  if (patterns.start) {
    text = FormatDate(start, patterns.start);
    if (patterns.due) {
      text.Append(L" - ");
      text.Append(FormatDate(due, patterns.due).c_str());
      return text;
    }
    LoadText(Modules().languageLibrary, kStartOnlyText, word);
  } else {
    text = FormatDate(due, patterns.due);
    LoadText(Modules().languageLibrary, kDueOnlyText, word);
  }
  text.Append(L" ");
  text.Append(word.c_str());
  return text;
}

TasksPage::TasksPage() : RowTablePage(kTabs), icons_(kIconSettings) {}

void TasksPage::ShowTab(HWND window, int showCommand) {
  RowTablePage::ShowTab(window, showCommand);
  // The sample line belongs to the icons tab only; the page's own drawing follows the tab.
  InvalidateRect(window, nullptr, TRUE);
}

void TasksPage::OnRowsBuilt(HWND window) { ApplyCustomDateRule(window); }

int TasksPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kIconRow: return BuildIconRow(window, y);
    case kStartField:
    case kEndField: {
      // The two fields stand side by side under their captions; the end field's row
      // advances past both.
      const int x = row.own == kStartField ? ScaleX(10) : ScaleX(130);
      AddStatic(*this, window, row.labelId, row.textId, x, y, ScaleX(100), ScaleX(16), SS_CENTER);
      HWND edit = AddEdit(*this, window, row.controlId, row.text(Store()).value.c_str(), x, y + ScaleY(16),
                          ScaleX(100), ScaleX(20));
      // Typing stops where the stored text would be cut.
      if (edit) SendMessageW(edit, EM_LIMITTEXT, kCustomTextChars, 0);
      return row.own == kStartField ? 0 : ScaleY(16) + ScaleY(26);
    }
    default: return 0;
  }
}

int TasksPage::BuildIconRow(HWND window, int y) {
  const ItemIcons icons = ItemIcons::ForTasks();
  const MarkerRowPart left1{kLeftIcon1Label, 647, nullptr, kLeftIcon1Marker, kLeftIcon1Notify, 0};
  const MarkerRowPart left2{kLeftIcon2Label, 648, nullptr, kLeftIcon2Marker, kLeftIcon2Notify, 0};
  const MarkerRowPart right{kRightIconsLabel, 1210, nullptr, kRightIconsMarker, kRightIconsNotify, 0};
  const int advance = icons_.Build(*this, window, left1, right, left2, icons.Items(), y);
  sampleY_ = y + advance + ScaleY(8);
  return advance;
}

void TasksPage::WriteOwnRow(HWND window, const PageRow& row) {
  if (row.own != kStartField && row.own != kEndField) return;
  wchar_t text[kCustomTextChars + 1] = L"";
  GetDlgItemTextW(window, row.controlId, text, kCustomTextChars + 1);
  row.text(Store()).Set(text);
}

LRESULT TasksPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) == kCustomDateCheck && HIWORD(wParam) == BN_CLICKED) ApplyCustomDateRule(window);
  return 0;
}

LRESULT TasksPage::OnMarkerChosen(HWND window, WPARAM wParam, LPARAM lParam) {
  if (icons_.OnChosen(static_cast<UINT>(lParam), static_cast<DWORD>(wParam))) InvalidateRect(window, nullptr, TRUE);
  return 0;
}

LRESULT TasksPage::OnMarkerClicked(HWND window, WPARAM, LPARAM lParam) {
  if (icons_.OnClicked(static_cast<UINT>(lParam))) InvalidateRect(window, nullptr, TRUE);
  return 0;
}

void TasksPage::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc && CurrentTab() == kIconsTab) PaintSample(window, dc);
  EndPaint(window, &paint);
}

// The task line as the plug-in would draw it over its header band, with the icons chosen.
void TasksPage::PaintSample(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = ScaleX(42);
  MemoryImage band;
  if (!MakeSampleBand(*this, dc, width, height, band)) return;
  const TaskSettings& tasks = Store().tasks;
  PaintSampleTask(band.Dc(), width, height, tasks.TaskTabLeftAlignIcon1.value, tasks.TaskTabLeftAlignIcon2.value,
                  tasks.TasksRightIcons.value);
  BitBlt(dc, 0, sampleY_, width, height, band.Dc(), 0, 0, SRCCOPY);
}

void TasksPage::ApplyCustomDateRule(HWND window) {
  const bool enable = IsChecked(window, kCustomDateCheck);
  for (int id = kStartFieldLabel; id <= kDateStructBox; ++id) EnableControl(window, id, enable);
}
