#include "settings/pages/sevents_page.h"

#include <cwchar>
#include <string>

#include "settings/base/load_text.h"
#include "settings/files/category_manager.h"
#include "settings/pages/message_event_layout.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/date_texts.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kShowLabel = 1200,
  kShowBox = 1201,
  kAlertLabel = 1202,
  kAlertBox = 1203,
  kDateFormatLabel = 1204,
  kDateFormatBox = 1205,
  kNameFormatLabel = 1206,
  kNameFormatBox = 1207,
  kDaySpanLabel = 1208,
  kDaySpanBox = 1209,
  kFilterAlertLabel = 1210,
  kFilterAlertBox = 1211,
  kCategory1Label = 1212,
  kCategory1Box = 1213,
  kCategory2Label = 1214,
  kCategory2Box = 1215,
  kCategory3Label = 1216,
  kCategory3Box = 1217,
  kCategory4Label = 1218,
  kCategory4Box = 1219,
  kSeparatorLabel = 1220,
  kSeparatorBox = 1221,
  kFoldButtonsCheck = 1222,
  kCountersCheck = 1223,
};

enum SpecialEventsOwnRow : int { kDaySpanRow = 1, kCategoryRow = 2 };

constexpr UINT kNoDateText = 1049;
constexpr UINT kNoCategoryText = 1421;
constexpr int kCategoryTextChars = 255;

constexpr const wchar_t* kDatePatterns[] = {L"MM/dd", L"MM/dd/yy", L"dd/MM", L"dd/MM/yy"};
constexpr int kDatePatternCount = static_cast<int>(sizeof kDatePatterns / sizeof kDatePatterns[0]);

constexpr const wchar_t* kDaySpans[] = {L"15", L"30", L"60", L"120", L"365"};
constexpr int kDaySpanCount = static_cast<int>(sizeof kDaySpans / sizeof kDaySpans[0]);
constexpr int kDefaultDaySpanEntry = 1;

void FillDateSamples(HWND box) {
  AddChoiceText(box, LanguageText(kNoDateText, L"No date").c_str());
  const SYSTEMTIME today = Today();
  for (int index = 1; index <= kDatePatternCount; ++index) AddChoiceText(box, EventDateSample(index, today).c_str());
}

constexpr UINT kShowChoices[] = {117, 118, 119};
constexpr UINT kNameFormatChoices[] = {1441, 1442, 1443};
// Alert days 1 to 16, stored as the index.
constexpr NumberChoices kAlertDays{false, 1, 16, 1};

const PageRow kEventRows[] = {
    ListRow(kShowLabel, kShowBox, 1046, kShowChoices, QM_NUMBER(specialEvents, SEventDays)),
    NumberListRow(kAlertLabel, kAlertBox, 1047, kAlertDays, QM_NUMBER(specialEvents, SEAlertBeforeDays)),
    MadeListRow(kDateFormatLabel, kDateFormatBox, 1048, FillDateSamples, QM_NUMBER(specialEvents, SEDateFormat)),
    ListRow(kNameFormatLabel, kNameFormatBox, 1444, kNameFormatChoices, QM_NUMBER(specialEvents, SEContactFormat)),
};

const PageRow kFilterRows[] = {
    OwnRow(kDaySpanRow, kDaySpanLabel, kDaySpanBox, 1044, nullptr, QM_NUMBER(specialEvents, SEApptsDaySpan)),
    NumberListRow(kFilterAlertLabel, kFilterAlertBox, 1045, kAlertDays,
                  QM_NUMBER(specialEvents, SEFilterAlertBeforeDays)),
    OwnRow(kCategoryRow, kCategory1Label, kCategory1Box, 1038, QM_TEXT(specialEvents, AdditionalFilterCat1)),
    OwnRow(kCategoryRow, kCategory2Label, kCategory2Box, 1039, QM_TEXT(specialEvents, AdditionalFilterCat2)),
    OwnRow(kCategoryRow, kCategory3Label, kCategory3Box, 1040, QM_TEXT(specialEvents, AdditionalFilterCat3)),
    OwnRow(kCategoryRow, kCategory4Label, kCategory4Box, 1041, QM_TEXT(specialEvents, AdditionalFilterCat4)),
};

const PageRow kLayoutRows[] = {
    ListRow(kSeparatorLabel, kSeparatorBox, kSeparatorTextId, kSeparatorChoices,
            QM_NUMBER(specialEvents, BreakLineStyle)),
    CheckRow(kFoldButtonsCheck, kFoldButtonsTextId, QM_NUMBER(specialEvents, IncldFoldBttns)),
    CheckRow(kCountersCheck, kCountersTextId, QM_NUMBER(specialEvents, IncldCounters)),
};

const PageTab kTabs[] = {
    {1042, kShowLabel, kNameFormatBox, kEventRows},
    {1043, kDaySpanLabel, kCategory4Box, kFilterRows},
    {kLayoutTabCaption, kSeparatorLabel, kCountersCheck, kLayoutRows},
};

// The text of a list entry, cut to what a setting holds; the length is asked first, as
// a category name may be longer than any fixed buffer.
std::wstring EntryText(HWND box, int index, std::size_t limit) {
  const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  if (text.size() > limit) text.resize(limit);
  return text;
}

}  // namespace

WideString EventDateSample(int index, const SYSTEMTIME& date) {
  if (index < 1 || index > kDatePatternCount) return WideString();
  return FormatDate(date, kDatePatterns[index - 1]);
}

int DaySpanEntry(DWORD days) {
  for (int index = 0; index < kDaySpanCount; ++index)
    if (std::wcstoul(kDaySpans[index], nullptr, 10) == days) return index;
  return kDefaultDaySpanEntry;
}

DWORD DaySpanFromText(const wchar_t* text) { return static_cast<DWORD>(std::wcstoul(text, nullptr, 10)); }

SpecialEventsPage::SpecialEventsPage() : RowTablePage(kTabs) {}

int SpecialEventsPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kDaySpanRow: return BuildDaySpanRow(window, row, y);
    case kCategoryRow: return BuildCategoryRow(window, row, y);
    default: return 0;
  }
}

int SpecialEventsPage::BuildDaySpanRow(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  for (const wchar_t* span : kDaySpans) AddChoiceText(box, span);
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(DaySpanEntry(row.number(Store()).value)), 0);
  return advance;
}

// Entry 0 is "no category"; a stored name selects the category it names ignoring case. The
// search skips entry 0 so that a category named like that entry is still found.
int SpecialEventsPage::BuildCategoryRow(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  AddChoiceText(box, LanguageText(kNoCategoryText, L"None").c_str());
  const WideString& stored = row.text(Store()).value;
  int selected = 0;
  for (const auto& category : Categories().Categories()) {
    const int index = AddChoiceText(box, category->name.c_str());
    if (selected == 0 && index > 0 && !stored.Empty() && lstrcmpiW(category->name.c_str(), stored.c_str()) == 0)
      selected = index;
  }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  return advance;
}

void SpecialEventsPage::WriteOwnRow(HWND window, const PageRow& row) {
  HWND box = GetDlgItem(window, row.controlId);
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (row.own == kDaySpanRow) {
    if (index >= 0) row.number(Store()).Set(DaySpanFromText(EntryText(box, static_cast<int>(index), 15).c_str()));
    return;
  }
  if (row.own != kCategoryRow) return;
  const std::wstring name = index > 0 ? EntryText(box, static_cast<int>(index), kCategoryTextChars) : std::wstring();
  row.text(Store()).Set(name.c_str());
}
