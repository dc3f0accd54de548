#include "platform/pim_dates.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

namespace {

constexpr LONGLONG kSecondsPerDay = 86400;
constexpr LONGLONG kTicksPerSecond = 10000000;
// Days from 1 January 1601, where FILETIME starts, to 30 December 1899, where DATE does.
constexpr LONGLONG kEpochDays = 109205;

LONGLONG FloorDivide(LONGLONG value, LONGLONG divisor) {
  LONGLONG quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

bool DateToFileTime(DATE date, LONGLONG& fileTime) {
  // From 1601, where FILETIME starts, to the end of 9999, where DATE ends.
  if (!(date > -109206.0 && date < 2958466.0)) return false;
  const double days = std::trunc(date);
  const LONGLONG seconds = static_cast<LONGLONG>(days) * kSecondsPerDay +
                           std::llround(std::fabs(date - days) * static_cast<double>(kSecondsPerDay));
  const LONGLONG sinceFileTimeStart = seconds + kEpochDays * kSecondsPerDay;
  if (sinceFileTimeStart < 0) return false;
  fileTime = sinceFileTimeStart * kTicksPerSecond;
  return true;
}

DATE FileTimeToDate(LONGLONG fileTime) {
  const LONGLONG seconds = FloorDivide(fileTime, kTicksPerSecond) - kEpochDays * kSecondsPerDay;
  const LONGLONG days = FloorDivide(seconds, kSecondsPerDay);
  const double fraction = static_cast<double>(seconds - days * kSecondsPerDay) / static_cast<double>(kSecondsPerDay);
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

std::string FormatDate(DATE date, bool withSeconds) {
  LONGLONG ticks = 0;
  if (!DateToFileTime(date, ticks)) return {};
  FILETIME fileTime{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME time{};
  if (!FileTimeToSystemTime(&fileTime, &time)) return {};
  char text[32];
  if (withSeconds)
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
  else
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute);
  return text;
}

bool ParseDate(const wchar_t* text, DATE& date) {
  if (!text) return false;
  unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0;
  wchar_t separator = 0;
  int consumed = 0;
  const size_t length = std::wcslen(text);
  if (length == 10) {
    if (std::swscanf(text, L"%4u-%2u-%2u%n", &year, &month, &day, &consumed) != 3 || consumed != 10) return false;
  } else if (length == 16) {
    if (std::swscanf(text, L"%4u-%2u-%2u%lc%2u:%2u%n", &year, &month, &day, &separator, &hour, &minute, &consumed) != 6 ||
        consumed != 16 || (separator != L'T' && separator != L' '))
      return false;
  } else {
    return false;
  }
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  FILETIME fileTime{};
  if (hour > 23 || minute > 59 || !SystemTimeToFileTime(&time, &fileTime)) return false;
  date = FileTimeToDate((static_cast<LONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime);
  return true;
}
