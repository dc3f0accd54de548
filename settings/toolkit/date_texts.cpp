#include "settings/toolkit/date_texts.h"

#include <oleauto.h>

SYSTEMTIME Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  now.wHour = now.wMinute = now.wSecond = now.wMilliseconds = 0;
  return now;
}

SYSTEMTIME AddDays(const SYSTEMTIME& date, double days) {
  double when = 0;
  SYSTEMTIME moved = date;
  SYSTEMTIME copy = date;
  if (SystemTimeToVariantTime(&copy, &when)) VariantTimeToSystemTime(when + days, &moved);
  return moved;
}

WideString FormatDate(const SYSTEMTIME& date, const wchar_t* picture, DWORD flags) {
  wchar_t text[128] = L"";
  if (GetDateFormatW(LOCALE_USER_DEFAULT, picture ? 0 : flags, &date, picture, text, 128) <= 0) text[0] = L'\0';
  return WideString(text);
}

WideString FormatTime(int hour, int minute, const wchar_t* picture) {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = time.wMilliseconds = 0;
  wchar_t text[64] = L"";
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, picture ? 0 : TIME_NOSECONDS, &time, picture, text, 64) <= 0)
    text[0] = L'\0';
  return WideString(text);
}

WideString DayName(int day) {
  wchar_t text[64] = L"";
  if (day < 0 || day > 6 || GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + static_cast<LCTYPE>(day), text, 64) <= 0)
    text[0] = L'\0';
  return WideString(text);
}

int AddChoiceText(HWND box, const wchar_t* text) {
  return static_cast<int>(SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}
