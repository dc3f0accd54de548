#pragma once
// The element lists of the Calendar page: each list item stands for one option, and choosing
// it shows a small editor for that option above the list (a check box, a list box, a path or
// a text field, or the order of the day-title parts). The editor is written back into the
// option's setting when another element is chosen, the tab is left or the page is closed.
#include <windows.h>

#include <span>

#include "settings/toolkit/page_rows.h"

class SettingsPage;

enum class EditorForm : BYTE { kCheck, kList, kPath, kText, kTitleOrder };

// The pinned monthly calendar needs a height limit of ScaleX(200): its tip names that
// height, and storing it on with a lower limit says so and turns it off again.
enum class ElementRule : BYTE { kNone, kPinnedCalendar };

struct CalendarElement {
  UINT itemTextId;
  EditorForm form;
  UINT controlTextId;  // check: the box's text; list: the label
  UINT tipId;
  const UINT* choiceIds;  // list form: string ids, or null when `fill` makes the choices
  int choiceCount;
  ChoiceFiller fill;
  ListValue value;
  NumberBinding number;
  TextBinding text;  // path and text forms
  ElementRule rule;
};

// One element list: its control and its elements, element k being list item k - 1.
struct ElementList {
  int listId;
  std::span<const CalendarElement> elements;
};

// The five lists, for tabs 2, 3, 5, 6 and 8.
std::span<const ElementList> CalendarElementLists();
// The list of that control id, or null.
const ElementList* FindElementList(int listId);

// Control ids of the editor, placed above the lists.
enum EditorControl : int {
  kEditorTip = 1223,
  kEditorLabel = 1224,
  kEditorList = 1225,
  kEditorCheck = 1226,
  kEditorPath = 1227,
  kEditorPathClear = 1228,
  kEditorPathBrowse = 1229,
  kEditorText = 1230,
  kEditorTextClear = 1231,
  kTitleOrderList = 1237,
  kTitleOrderUp = 1238,
  kTitleOrderDown = 1239,
};

// The editor's controls, made once and hidden; the day-title order list filled from the
// settings.
void CreateElementEditor(SettingsPage& page, HWND window);
// Hides every editor control.
void HideElementEditor(HWND window);
// Shows the editor of an element with its setting's value.
void ShowElementEditor(HWND window, const CalendarElement& element);
// Writes the editor's value into the element's setting.
void StoreElementEditor(HWND window, const CalendarElement& element);
// Writes the day-title order into CalTitlesOrder0 to 5.
void StoreTitleOrder(HWND window);

// The day-title order as stored: values outside 0 to 5 stand for their own position.
int TitleOrderValue(DWORD stored, int position);
