#pragma once
// A page's rows as data: the controls, texts and the setting each row edits. A page unit
// holds its tables of rows, its rules between rows and its own special rows; building the
// rows and writing them back on close is the same for every page (RowTablePage).
#include <windows.h>

#include <span>

class SettingsStore;
class DwordSetting;
class StringSetting;

// The setting a row edits, found in the store when the row is built or written.
using NumberBinding = DwordSetting& (*)(SettingsStore&);
using TextBinding = StringSetting& (*)(SettingsStore&);
#define QM_NUMBER(group, member) [](SettingsStore& store) -> DwordSetting& { return store.group.member; }
#define QM_TEXT(group, member) [](SettingsStore& store) -> StringSetting& { return store.group.member; }

// Fills a list's box with choices that are made rather than loaded (dates, times, names).
using ChoiceFiller = void (*)(HWND box);

enum class RowKind : BYTE {
  kCheck,        // a check box; the setting is 1 or 0
  kList,         // a drop-down list of string ids, or of choices a filler makes
  kNumberList,   // a drop-down list of numbers
  kEditableBox,  // numbers to choose from, or any number typed
  kOwn,          // built and written by the page itself; PageRow::own says which
};

// What a list's setting holds.
enum class ListValue : BYTE {
  kIndex,         // the chosen index; a stored value beyond the choices leaves no selection
  kIndexPlusOne,  // the chosen index + 1
  kNumber,        // the chosen number; a stored number not offered is added and chosen
};

// Choices written as numbers: an optional "0", then first to last by step.
struct NumberChoices {
  bool zeroFirst;
  int first;
  int last;
  int step;
};
inline constexpr NumberChoices kNoNumbers{false, 0, -1, 1};

struct PageRow {
  RowKind kind;
  int labelId;  // list rows: the label's control id
  int controlId;
  UINT textId;
  const UINT* choices;  // list rows: string ids
  int choiceCount;
  ChoiceFiller fill;    // list rows without string ids
  NumberChoices numbers;
  ListValue value;
  NumberBinding number;  // null: the row edits no setting (it only steers other rows)
  TextBinding text;
  int own;        // kOwn rows: which of the page's own rows
  int condition;  // 0: always there; otherwise the page decides (RowTablePage::RowExists)
  int closer;     // check rows: placed this many units closer to the next row
};

constexpr PageRow CheckRow(int id, UINT textId, NumberBinding number, int closer = 0, int condition = 0) {
  return {RowKind::kCheck, 0, id, textId, nullptr, 0, nullptr, kNoNumbers, ListValue::kIndex, number, nullptr, 0,
          condition, closer};
}

template <std::size_t count>
constexpr PageRow ListRow(int labelId, int boxId, UINT textId, const UINT (&choices)[count], NumberBinding number,
                          ListValue value = ListValue::kIndex) {
  return {RowKind::kList, labelId, boxId, textId, choices, static_cast<int>(count), nullptr, kNoNumbers, value, number,
          nullptr, 0, 0, 0};
}

constexpr PageRow MadeListRow(int labelId, int boxId, UINT textId, ChoiceFiller fill, NumberBinding number,
                              ListValue value = ListValue::kIndex) {
  return {RowKind::kList, labelId, boxId, textId, nullptr, 0, fill, kNoNumbers, value, number, nullptr, 0, 0, 0};
}

constexpr PageRow NumberListRow(int labelId, int boxId, UINT textId, NumberChoices numbers, NumberBinding number,
                                ListValue value = ListValue::kIndex) {
  return {RowKind::kNumberList, labelId, boxId, textId, nullptr, 0, nullptr, numbers, value, number, nullptr, 0, 0, 0};
}

constexpr PageRow EditableRow(int labelId, int boxId, UINT textId, NumberChoices numbers, NumberBinding number) {
  return {RowKind::kEditableBox, labelId, boxId, textId, nullptr, 0, nullptr, numbers, ListValue::kIndex, number,
          nullptr, 0, 0, 0};
}

constexpr PageRow OwnRow(int own, int labelId, int controlId, UINT textId, TextBinding text = nullptr,
                         NumberBinding number = nullptr) {
  return {RowKind::kOwn, labelId, controlId, textId, nullptr, 0, nullptr, kNoNumbers, ListValue::kIndex, number, text,
          own, 0, 0};
}

// A tab: its caption, the range of its controls' ids, and its rows top to bottom.
struct PageTab {
  UINT captionId;
  int firstId;
  int lastId;
  std::span<const PageRow> rows;
};

// A number as typed: C-style base detection ("0x50" is 80, "010" is 8); text that is not a
// number gives 0.
DWORD ParseTypedNumber(const wchar_t* text);
