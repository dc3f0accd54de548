#pragma once
// Today-screen plug-ins hosted as extra tabs of the plug-in: the selection dialog over the
// device's Today items, and the add and remove commands of the Tabs page's tab list.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"

class TabList;
struct TabEntry;

// The device's Today items, one sub-key each below HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kTodayItemsPath[] = L"SOFTWARE\\Microsoft\\Today\\Items";
// Our own Today item, never offered as a tab of itself.
inline constexpr wchar_t kOwnTodayItem[] = L"Quillmere";
// "Type" of a Today item implemented by a library of its own: the only kind a tab can host.
inline constexpr DWORD kLibraryTodayItem = 4;

// Controls of the selection dialog: the explanation, the label and the box of names.
inline constexpr int kPluginIntroId = 419;
inline constexpr int kPluginLabelId = 420;
inline constexpr int kPluginBoxId = 473;
inline constexpr UINT kPluginDialogMenuId = 174;
inline constexpr wchar_t kPluginDialogTitle[] = L"Add Plug-in Tab";

// Whether a Today item of that name and "Type" is offered.
bool IsOfferedTodayItem(const wchar_t* name, DWORD type);
// Adds the names of the offered Today items to a combo box; none without the Items key.
void FillTodayPluginBox(HWND box);

// Runs the selection dialog. Returns 1 with `name` set when a plug-in was chosen (and
// switched off on the Today screen if it was shown there and the user agreed), else 0.
int ChooseTodayPlugin(HWND owner, WideString& name);

// A new plug-in tab for the Today item of that name: its library from the item's "DLL",
// enabled, placed after the built-in tabs. Null when out of memory.
std::unique_ptr<TabEntry> MakePluginTab(const wchar_t* name);
// The plug-in tab of exactly that name (letter case counts), or null.
TabEntry* FindPluginTab(const TabList& tabs, const wchar_t* name);

// The Tabs page's commands over its tab list control `listId` in `window`; `removeId` is the
// remove button, enabled only while a plug-in tab is selected.
void AddPluginTab(HWND window, int listId, int removeId);
void RemovePluginTab(HWND window, int listId, int removeId);
void UpdateRemoveButton(HWND window, int listId, int removeId);
// Appends an item for the entry to the tab list control; its index, or -1.
int AppendTabItem(HWND list, TabEntry& entry, bool checked);
