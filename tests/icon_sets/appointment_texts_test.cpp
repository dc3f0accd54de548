// Time texts and composed texts of appointment lines at their day and HumanTime boundaries,
// on a 24-hour and a 12-hour clock.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/files/appointment_texts.h"
#include "settings/store/settings_store.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kDay = 45000;
constexpr double kHour = 1.0 / 24;

std::wstring Text(double start, double end, int day, DWORD format, bool twelveHour = false, DWORD humanTime = 0) {
  AppointmentItem item;
  item.start = start;
  item.end = end;
  return AppointmentTimeText(item, day, AppointmentTextRules{format, humanTime, twelveHour, false}).c_str();
}

TEST(AppointmentTexts, TimeTextsAtTheDayAndHumanTimeBoundaries) {
  const double night = kDay + 23 * kHour, morning = kDay + 1 + kHour;
  EXPECT_EQ(L"23:00-1:00", Text(night, morning, kDay, 1, false, 2));
  EXPECT_EQ(L"11:00P-1:00A", Text(night, morning, kDay, 1, true, 2));
  EXPECT_EQ(L"23:00-MultiDay", Text(night, morning, kDay, 1, false, 0));
  EXPECT_EQ(L"23:00-MultiDay", Text(night, morning, kDay, 1, false, 1)) << "the hour itself is too late";
  EXPECT_EQ(L"23:00", Text(night, morning, kDay, 2, false, 2));
  EXPECT_EQ(L"MultiDay-1:00", Text(night, morning, kDay + 1, 3));
  EXPECT_EQ(L">1:00", Text(night, morning, kDay + 1, 4));
  EXPECT_EQ(L"22:00-0:00", Text(kDay + 22 * kHour, kDay + 1, kDay, 1)) << "ends on midnight";

  const double leave = kDay + 10 * kHour, back = kDay + 2 + 15 * kHour;
  for (DWORD format : {1u, 2u, 9u, 10u, 12u}) EXPECT_EQ(L"MultiDay", Text(leave, back, kDay + 1, format)) << format;
  EXPECT_EQ(L"10:00-MultiDay", Text(leave, back, kDay, 5));
  EXPECT_EQ(L"10:00", Text(leave, back, kDay, 6));
  EXPECT_EQ(L"MultiDay-15:00", Text(leave, back, kDay + 2, 11));
  EXPECT_EQ(L">15:00", Text(leave, back, kDay + 2, 8));

  AppointmentItem early;
  early.start = kDay + 9 * kHour + 5.0 / 1440;
  early.end = kDay + 10 * kHour;
  EXPECT_STREQ(L"09:05A-10:00A", AppointmentTimeText(early, kDay, {1, 0, true, true}).c_str());
  EXPECT_STREQ(L"09:05-10:00", AppointmentTimeText(early, kDay, {1, 0, false, true}).c_str());
  early.allDay = true;
  EXPECT_STREQ(L"", AppointmentTimeText(early, kDay, {1, 0, false, true}).c_str());
}

TEST(AppointmentTexts, EachDisplayFormatComposesTitleSecondTextAndLabel) {
  auto compose = [](DWORD format, const wchar_t* location, bool allDay = false) {
    AppointmentItem item;
    item.start = kDay + 0.5;
    item.end = kDay + 0.625;
    item.allDay = allDay;
    ComposeAppointmentTexts(item, L"Lunch & talk", location, kDay, AppointmentTextRules{format, 0, false, false});
    return std::wstring(item.title.c_str()) + L"|" + item.location.c_str() + L"|" + item.timeLabel.c_str();
  };
  EXPECT_EQ(L"Lunch & talk|(Cafe)|12:00-15:00:", compose(1, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk|(Cafe)|12:00:", compose(2, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk (Cafe)||12:00-15:00:", compose(3, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk (Cafe)||12:00:", compose(8, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk||12:00:", compose(10, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk|[12:00-15:00] (Cafe)|", compose(11, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk|[12:00-15:00]|", compose(12, L"Cafe"));
  EXPECT_EQ(L"Lunch & talk||12:00-15:00:", compose(1, L""));
  EXPECT_EQ(L"Lunch & talk||12:00:", compose(4, L""));
  EXPECT_EQ(L"Lunch & talk||", compose(11, L"Cafe", true));
  EXPECT_EQ(L"Lunch & talk|(Cafe)|", compose(1, L"Cafe", true)) << "no time, no label";
}

// The device's clock reaches the texts through the store.
TEST(AppointmentTexts, TwelveAndTwentyFourHourDevices) {
  wchar_t saved[8] = L"";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, saved, 8);
  ResetProductRegistry();
  HMODULE language = nullptr;
  for (const wchar_t* clock : {L"0", L"1"}) {
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, clock));
    Store().LoadAll(language);
    Store().calendar.ApptDisplayFormat.value = 11;
    AppointmentItem lunch;
    lunch.start = kDay + 0.5;
    lunch.end = kDay + 0.625;
    lunch.title.Assign(L"Lunch");
    lunch.location.Assign(L"Cafe");
    ComposeAppointmentTexts(lunch, kDay);
    EXPECT_STREQ(clock[0] == L'0' ? L"[12:00P-3:00P] (Cafe)" : L"[12:00-15:00] (Cafe)", lunch.location.c_str());
  }
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, saved);
  Store().LoadAll(language);
}

}  // namespace
