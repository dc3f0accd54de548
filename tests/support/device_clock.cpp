#include "tests/support/device_clock.h"

#include <windows.h>

namespace {

std::wstring LocaleText(LCTYPE type) {
  wchar_t text[64] = L"";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 64);
  return text;
}

}  // namespace

DeviceClock::DeviceClock() : savedFlag_(LocaleText(LOCALE_ITIME)), savedFormat_(LocaleText(LOCALE_STIMEFORMAT)) {}

DeviceClock::~DeviceClock() {
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, savedFlag_.c_str());
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, savedFormat_.c_str());
}

void DeviceClock::Use(bool twentyFourHours) {
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, twentyFourHours ? L"1" : L"0");
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, twentyFourHours ? L"HH:mm:ss" : L"h:mm:ss tt");
}
