#pragma once
// The search bar box the Contacts and Notes pages share: "no letters" first, the active
// built-in and custom alphabets, "all alphabets" when any is active, and last the entry that
// opens the languages dialog. Each page keeps its own kind and custom name; the active
// alphabets are the contacts' on both.
#include <windows.h>

class DwordSetting;
class StringSetting;

// Item data of the entries after the custom alphabets (which are 5).
inline constexpr DWORD kSearchBarAllAlphabets = 6;
inline constexpr DWORD kSearchBarChooseAlphabets = 7;

struct SearchBarRecords {
  DwordSetting& kind;
  StringSetting& customName;
  DwordSetting& languages;
};

// Refills the box and selects the stored kind (entry 0 when it is not offered).
void FillSearchBarBox(HWND box, const SearchBarRecords& records);
// After a selection change: the last entry runs the languages dialog (in the page's font);
// confirmed alphabets are stored and the box refilled; the box then shows entry 0.
void OnSearchBarChanged(HWND box, HINSTANCE instance, HFONT font, const SearchBarRecords& records);
// Stores the chosen kind, and a custom alphabet's name cut to 255 characters. No selection,
// or the dialog's entry, keeps what is stored.
void WriteSearchBarBox(HWND box, const SearchBarRecords& records);
