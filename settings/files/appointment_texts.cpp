#include "settings/files/appointment_texts.h"

#include <oleauto.h>

#include <cmath>

#include "settings/store/settings_store.h"

namespace {

constexpr wchar_t kMultiDay[] = L"MultiDay";

int WholeDay(double date) { return static_cast<int>(std::floor(date)); }

WideString Joined(const wchar_t* first, const wchar_t* second) {
  WideString text(first);
  text.Append(second);
  return text;
}

}  // namespace

AppointmentTextRules AppointmentTextRulesFromStore() {
  const SettingsStore& store = Store();
  AppointmentTextRules rules;
  rules.displayFormat = store.calendar.ApptDisplayFormat.value;
  rules.humanTime = store.calendar.HumanTime.value;
  rules.twelveHour = store.TwelveHourClock() != 0;
  rules.twoDigitHours = store.calendar.Force2DigitsTImeFrmt.value == 1;
  return rules;
}

bool CompactTimeForm(DWORD displayFormat) { return displayFormat <= 10 && displayFormat % 2 == 0; }

WideString ClockText(double date, bool twelveHour, bool twoDigitHours) {
  SYSTEMTIME time{};
  WideString text;
  if (!VariantTimeToSystemTime(date, &time)) return text;
  const wchar_t* pattern = twelveHour ? (twoDigitHours ? L"hh:mmt" : L"h:mmt") : (twoDigitHours ? L"HH:mm" : L"H:mm");
  wchar_t buffer[32] = L"";
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, pattern, buffer, 32) > 0) text.Assign(buffer);
  return text;
}

WideString AppointmentTimeText(const AppointmentItem& item, int day, const AppointmentTextRules& rules) {
  if (item.allDay) return WideString();
  const int firstDay = WholeDay(item.start);
  const int lastDay = WholeDay(item.end);
  const WideString start = ClockText(item.start, rules.twelveHour, rules.twoDigitHours);
  const WideString end = ClockText(item.end, rules.twelveHour, rules.twoDigitHours);
  if (firstDay < day && day < lastDay) return WideString(kMultiDay);
  if (CompactTimeForm(rules.displayFormat)) return day <= firstDay ? start : Joined(L">", end.c_str());
  if (firstDay < day) return Joined(L"MultiDay-", end.c_str());
  WideString text = Joined(start.c_str(), L"-");
  // An appointment that ends the next morning before the HumanTime hour still counts as
  // ending on its start day.
  const bool endsAtMidnight = item.end == std::floor(item.end);
  const bool endsThatDay = day >= lastDay || endsAtMidnight || item.end < day + 1.0 + rules.humanTime / 24.0;
  text.Append(endsThatDay ? end.c_str() : kMultiDay);
  return text;
}

WideString AppointmentTimeText(const AppointmentItem& item, int day) {
  return AppointmentTimeText(item, day, AppointmentTextRulesFromStore());
}

void ComposeAppointmentTexts(AppointmentItem& item, const wchar_t* subject, const wchar_t* location, int day,
                             const AppointmentTextRules& rules) {
  const WideString time = AppointmentTimeText(item, day, rules);
  const WideString place(location);
  const DWORD format = rules.displayFormat;
  // An all-day appointment has no time, and then no label either.
  item.timeLabel.Assign(format < 11 && !time.Empty() ? Joined(time.c_str(), L":").c_str() : L"");
  WideString title(subject);
  WideString second;
  switch (format) {
    case 1:
    case 2:
      if (!place.Empty()) second.Format(L"(%ls)", place.c_str());
      break;
    case 3:
    case 4:
    case 7:
    case 8:
      if (!place.Empty()) title.Format(L"%ls (%ls)", subject ? subject : L"", place.c_str());
      break;
    case 11:
    case 12:
      if (item.allDay) break;
      second.Format(L"[%ls]", time.c_str());
      if (format == 11 && !place.Empty()) {
        second.Append(L" (");
        second.Append(place.c_str());
        second.Append(L")");
      }
      break;
    default: break;
  }
  item.title = std::move(title);
  item.location = std::move(second);
}

void ComposeAppointmentTexts(AppointmentItem& item, int day) {
  const WideString subject(item.title);
  const WideString location(item.location);
  ComposeAppointmentTexts(item, subject.c_str(), location.c_str(), day, AppointmentTextRulesFromStore());
}

int TodayDayNumber() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  double date = 0.0;
  if (!SystemTimeToVariantTime(&now, &date)) return 0;
  return WholeDay(date);
}
