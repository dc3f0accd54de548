#include "settings/toolkit/row_table_page.h"

#include <climits>
#include <cwchar>

#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"

namespace {

constexpr int kTypedTextChars = 255;

// Appends the numbers as texts with the number as item data; returns how many the box holds.
int AddNumberChoices(HWND box, const NumberChoices& numbers) {
  WideString text;
  auto add = [&](int number) {
    if (!text.Format(L"%d", number)) return;
    LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), number);
  };
  if (numbers.zeroFirst) add(0);
  for (int number = numbers.first; number <= numbers.last; number += numbers.step) add(number);
  return static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
}

// The entry of a number list that shows `value`, adding it when the list does not offer it.
int FindOrAddNumber(HWND box, DWORD value) {
  const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index)
    if (static_cast<DWORD>(SendMessageW(box, CB_GETITEMDATA, index, 0)) == value) return index;
  WideString text;
  text.Format(L"%ld", static_cast<long>(static_cast<LONG>(value)));
  LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(value));
  return static_cast<int>(index);
}

}  // namespace

DWORD ParseTypedNumber(const wchar_t* text) { return static_cast<DWORD>(std::wcstol(text, nullptr, 0)); }

bool IsChecked(HWND window, int id) { return (SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) & 1) != 0; }

void EnableControl(HWND window, int id, bool enable) {
  if (HWND control = GetDlgItem(window, id)) EnableWindow(control, enable);
}

int RowTablePage::TabCount() { return static_cast<int>(tabs_.size()); }

UINT RowTablePage::TabCaptionId(int index) {
  return index >= 0 && index < TabCount() ? tabs_[static_cast<std::size_t>(index)].captionId : 0;
}

void RowTablePage::OnCreate(HWND window) {
  for (const PageTab& tab : tabs_) BuildRows(window, tab.rows, ScaleY(8));
  OnRowsBuilt(window);
}

void RowTablePage::ShowTab(HWND window, int showCommand) {
  const int tab = CurrentTab();
  if (tab >= 0 && tab < TabCount()) {
    const PageTab& shown = tabs_[static_cast<std::size_t>(tab)];
    ShowControlRange(window, shown.firstId, shown.lastId, showCommand);
  }
}

void RowTablePage::OnDestroy(HWND window) {
  ShowTab(window, SW_HIDE);
  for (const PageTab& tab : tabs_)
    for (const PageRow& row : tab.rows) WriteRow(window, row);
}

bool RowTablePage::RowExists(const PageRow&) const { return true; }
int RowTablePage::BuildOwnRow(HWND, const PageRow&, int) { return 0; }
void RowTablePage::WriteOwnRow(HWND, const PageRow&) {}
void RowTablePage::OnRowsBuilt(HWND) {}

int RowTablePage::BuildRows(HWND window, std::span<const PageRow> rows, int y) {
  const int top = y;
  for (const PageRow& row : rows)
    if (row.condition == 0 || RowExists(row)) y += BuildRow(window, row, y);
  return y - top;
}

int RowTablePage::BuildRow(HWND window, const PageRow& row, int y) {
  switch (row.kind) {
    case RowKind::kCheck: {
      const bool checked = row.number && row.number(Store()).value != 0;
      return AddCheckRow(*this, window, row.controlId, row.textId, checked, y) - ScaleY(row.closer);
    }
    case RowKind::kList:
    case RowKind::kNumberList: return BuildList(window, row, y);
    case RowKind::kEditableBox: return BuildEditableBox(window, row, y);
    case RowKind::kOwn: return BuildOwnRow(window, row, y);
  }
  return 0;
}

int RowTablePage::BuildList(HWND window, const PageRow& row, int y) {
  const DWORD value = row.number ? row.number(Store()).value : 0;
  int selected = row.choiceCount;  // none, unless the value names a choice
  if (row.value == ListValue::kIndex && value <= INT_MAX) selected = static_cast<int>(value);
  if (row.value == ListValue::kIndexPlusOne && value >= 1 && value - 1 <= INT_MAX) selected = static_cast<int>(value - 1);
  if (row.kind == RowKind::kList && !row.fill)
    return AddComboRow(*this, window, row.labelId, row.controlId, row.textId, row.choices, row.choiceCount, selected, y,
                       false);
  if (row.kind == RowKind::kList) {
    const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
    HWND box = GetDlgItem(window, row.controlId);
    row.fill(box);
    if (selected >= 0 && selected < static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)))
      SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    return advance;
  }

  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  const int count = AddNumberChoices(box, row.numbers);
  if (row.value == ListValue::kNumber) selected = FindOrAddNumber(box, value);
  if (selected >= 0 && selected < static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)) &&
      (row.value == ListValue::kNumber || selected < count))
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  return advance;
}

int RowTablePage::BuildEditableBox(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, true);
  HWND box = GetDlgItem(window, row.controlId);
  AddNumberChoices(box, row.numbers);
  // The stored value shows as typed, even when the list does not offer it.
  WideString text;
  if (row.number && text.Format(L"%d", row.number(Store()).Signed())) SetWindowTextW(box, text.c_str());
  return advance;
}

void RowTablePage::WriteRow(HWND window, const PageRow& row) {
  HWND control = GetDlgItem(window, row.controlId);
  if (!control) return;  // a row this device or screen does not have keeps its value
  if (row.kind == RowKind::kOwn) {
    WriteOwnRow(window, row);
    return;
  }
  if (!row.number) return;
  DwordSetting& setting = row.number(Store());
  switch (row.kind) {
    case RowKind::kCheck: setting.Set(SendMessageW(control, BM_GETCHECK, 0, 0) & 1); break;
    case RowKind::kList:
    case RowKind::kNumberList: {
      // A list without a selection (a stored index beyond the choices) keeps the value
      // rather than writing -1.
      const LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
      if (index < 0) break;
      if (row.value == ListValue::kNumber)
        setting.Set(static_cast<DWORD>(SendMessageW(control, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
      else
        setting.Set(static_cast<DWORD>(index) + (row.value == ListValue::kIndexPlusOne ? 1 : 0));
      break;
    }
    case RowKind::kEditableBox: {
      wchar_t text[kTypedTextChars + 1] = L"";
      GetWindowTextW(control, text, kTypedTextChars + 1);
      setting.Set(ParseTypedNumber(text));
      break;
    }
    case RowKind::kOwn: break;
  }
}
