#pragma once
// The texts of an appointment line: its time text in the compact or full form, and the
// title, second text and time label of each appointment display format. Pure: the rules
// come as arguments; the short overloads read them from the store.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/files/preview_items.h"

struct AppointmentTextRules {
  DWORD displayFormat = 6;  // ApptDisplayFormat, 1 to 12
  DWORD humanTime = 0;      // HumanTime: hours after midnight that still end the day before
  bool twelveHour = true;   // the store's clock
  bool twoDigitHours = false;  // Force2DigitsTImeFrmt
};
AppointmentTextRules AppointmentTextRulesFromStore();

// The compact form (">" + end, start alone) is used for even formats up to 10.
bool CompactTimeForm(DWORD displayFormat);

// A time of day of an OLE date in the user locale without seconds: "h:mmt" / "hh:mmt"
// on a twelve-hour clock, "H:mm" / "HH:mm" otherwise.
WideString ClockText(double date, bool twelveHour, bool twoDigitHours);

// The time text for the day `day` (a whole OLE day number); empty for an all-day item.
WideString AppointmentTimeText(const AppointmentItem& item, int day, const AppointmentTextRules& rules);
WideString AppointmentTimeText(const AppointmentItem& item, int day);

// Sets title, second text (into `location`) and time label from the subject and location
// given, for the display format of the rules.
void ComposeAppointmentTexts(AppointmentItem& item, const wchar_t* subject, const wchar_t* location, int day,
                             const AppointmentTextRules& rules);
// The same from the item's own title (the subject) and location, with the store's rules.
void ComposeAppointmentTexts(AppointmentItem& item, int day);

// Today's whole OLE day number in local time.
int TodayDayNumber();
