#pragma once
// OLE automation dates (DATE: days since 30 December 1899, the fraction the time of day;
// before that day the fraction still counts forward from midnight) as the PIM volume keeps
// them, FILETIME counts, and as the device's tools write them in text. Whole seconds only.
#include <windows.h>

#include <string>

// False for dates outside the years 1601 to 9999.
bool DateToFileTime(DATE date, LONGLONG& fileTime);
DATE FileTimeToDate(LONGLONG fileTime);

// "yyyy-mm-dd hh:mm:ss", or "yyyy-mm-dd hh:mm" without seconds; empty outside 1601 to 9999.
std::string FormatDate(DATE date, bool withSeconds);
// "yyyy-mm-ddThh:mm", "yyyy-mm-dd hh:mm" or "yyyy-mm-dd" (midnight); false for anything else.
bool ParseDate(const wchar_t* text, DATE& date);
