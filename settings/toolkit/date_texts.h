#pragma once
// Dates and times as the pages show them in their choices: the device's today, formatted by
// the system for the user's locale.
#include <windows.h>

#include "settings/base/wide_string.h"

// The local date of today at midnight.
SYSTEMTIME Today();
// A date moved by a number of days (calendar time, through OLE automation dates).
SYSTEMTIME AddDays(const SYSTEMTIME& date, double days);
// The date with a picture such as "M'/'d'/'yy"; a null picture with DATE_SHORTDATE or
// DATE_LONGDATE gives the system's own formats. Empty on failure.
WideString FormatDate(const SYSTEMTIME& date, const wchar_t* picture, DWORD flags = 0);
// A time of day in the user's time format without seconds, or with a picture.
WideString FormatTime(int hour, int minute, const wchar_t* picture = nullptr);
// The user locale's day names, Monday (0) to Sunday (6).
WideString DayName(int day);
// Appends a text to a combo box; returns its index or -1.
int AddChoiceText(HWND box, const wchar_t* text);
