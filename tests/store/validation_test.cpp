// Values corrected on load and on save, and defaults that come from the screen and the locale.
#include "settings/base/scale.h"
#include "settings/store/settings_store.h"
#include "tests/store/store_test_support.h"

namespace {

using LoadValidation = StoreTest;
using SaveValidation = StoreTest;
using ComputedDefaults = StoreTest;

TEST_F(LoadValidation, NumberOfDaysOutsideOneTo120BecomesSevenAndIsSavedBack) {
  SettingsStore& store = Store();
  for (DWORD stored : {0u, 121u, 0xFFFFFFFFu}) {
    PutDword(kCalendarGroup, L"dNumOfDays", stored);
    LoadAll();
    EXPECT_EQ(7u, store.calendar.dNumOfDays.value) << stored;
    EXPECT_EQ(1u, store.calendar.dNumOfDays.changed);
  }
  store.SaveAll();
  EXPECT_FALSE(GetRaw(kCalendarGroup, L"dNumOfDays"));

  for (DWORD stored : {1u, 120u}) {
    PutDword(kCalendarGroup, L"dNumOfDays", stored);
    LoadAll();
    EXPECT_EQ(0u, store.calendar.dNumOfDays.changed) << stored;
  }
}

TEST_F(LoadValidation, TimeLinesMustEndWithinTheDay) {
  SettingsStore& store = Store();
  PutDword(kCalendarGroup, L"TimelinesStart", 4);
  LoadAll();
  EXPECT_EQ(14u, store.calendar.TimelinesLength.value);

  PutDword(kCalendarGroup, L"TimelinesLength", 14);
  LoadAll();
  EXPECT_EQ(14u, store.calendar.TimelinesLength.value);
  EXPECT_EQ(0u, store.calendar.TimelinesLength.changed);

  PutDword(kCalendarGroup, L"TimelinesStart", 0);
  PutDword(kCalendarGroup, L"TimelinesLength", 19);
  LoadAll();
  EXPECT_EQ(18u, store.calendar.TimelinesLength.value);
}

TEST_F(LoadValidation, TitleOrderMustNameEachElementOnce) {
  SettingsStore& store = Store();
  DwordSetting* order[] = {&store.calendar.CalTitlesOrder0, &store.calendar.CalTitlesOrder1,
                           &store.calendar.CalTitlesOrder2, &store.calendar.CalTitlesOrder3,
                           &store.calendar.CalTitlesOrder4, &store.calendar.CalTitlesOrder5};
  auto put = [](const DWORD (&values)[6]) {
    const wchar_t* names[] = {L"CalTitlesOrder0", L"CalTitlesOrder1", L"CalTitlesOrder2",
                              L"CalTitlesOrder3", L"CalTitlesOrder4", L"CalTitlesOrder5"};
    for (int i = 0; i < 6; ++i) PutDword(kCalendarGroup, names[i], values[i]);
  };

  put({5, 4, 3, 2, 1, 0});
  LoadAll();
  for (DWORD i = 0; i < 6; ++i) EXPECT_EQ(5 - i, order[i]->value);

  const DWORD broken[][6] = {{0, 1, 2, 3, 4, 4}, {0, 1, 2, 3, 4, 6}, {1, 2, 3, 4, 5, 0xFFFFFFFF}};
  for (const auto& bad : broken) {
    put(bad);
    LoadAll();
    for (DWORD i = 0; i < 6; ++i) {
      EXPECT_EQ(i, order[i]->value);
      EXPECT_EQ(1u, order[i]->changed);
    }
  }
  store.SaveAll();
  EXPECT_FALSE(GetRaw(kCalendarGroup, L"CalTitlesOrder5"));
}

TEST_F(SaveValidation, LandscapeHeightLimitOutside60To500IsDropped) {
  SettingsStore& store = Store();
  LoadAll();
  for (DWORD limit : {60u, 500u, 59u, 501u, 700u}) {
    store.general.dHeightLimitLandscape.Set(limit);
    store.SaveAll();
    const bool kept = limit >= 60 && limit <= 500;
    EXPECT_EQ(kept ? std::optional<DWORD>(limit) : std::nullopt, GetDword(kGeneralGroup, L"dHeightLimitLandscape"))
        << limit;
    EXPECT_EQ(kept ? limit : 0u, store.general.dHeightLimitLandscape.value);
  }
}

TEST_F(SaveValidation, PinnedMonthCalendarNeedsA200PixelHeightLimit) {
  SettingsStore& store = Store();
  LoadAll();
  store.general.dHeightLimit.Set(150);
  store.calendar.PinnedMonthlyClr.Set(1);
  store.SaveAll();
  EXPECT_EQ(0u, store.calendar.PinnedMonthlyClr.value);
  EXPECT_FALSE(GetRaw(kCalendarGroup, L"PinnedMonthlyClr"));

  store.general.dHeightLimit.Set(200);
  store.calendar.PinnedMonthlyClr.Set(1);
  store.SaveAll();
  EXPECT_EQ(1u, GetDword(kCalendarGroup, L"PinnedMonthlyClr"));

  // 200 at 96 dpi are 400 pixels at 192 dpi.
  ScaleSetForTest(false, 192, 192);
  store.general.dHeightLimit.Set(399);
  store.SaveAll();
  EXPECT_EQ(0u, store.calendar.PinnedMonthlyClr.value);
}

TEST_F(ComputedDefaults, ScaledSizesFollowTheScreen) {
  SettingsStore& store = Store();
  LoadAll();
  EXPECT_EQ(160u, store.general.dHeightLimit.value);
  EXPECT_EQ(6u, store.calendar.MonthlyPopIconsSize.value);
  ScaleSetForTest(false, 192, 192);
  LoadAll();
  EXPECT_EQ(320u, store.general.dHeightLimit.value);
  EXPECT_EQ(12u, store.calendar.MonthlyPopIconsSize.value);
  EXPECT_EQ(24u, store.fonts.FontGnrlTitlesSize.value);
}

TEST_F(ComputedDefaults, ClockAndFirstDayOfWeekComeFromTheUserLocale) {
  SettingsStore& store = Store();
  LocaleOverride locale;
  locale.Set(LOCALE_ITIME, L"0");
  locale.Set(LOCALE_IFIRSTDAYOFWEEK, L"6");
  LoadAll();
  EXPECT_EQ(1u, store.TwelveHourClock());
  EXPECT_EQ(6u, store.calendar.MonthlyStartDay.value);
  EXPECT_EQ(6u, store.calendar.FirstWorkDay.defaultValue);

  locale.Set(LOCALE_ITIME, L"1");
  locale.Set(LOCALE_IFIRSTDAYOFWEEK, L"0");
  PutDword(kCalendarGroup, L"FirstWorkDay", 2);
  LoadAll();
  EXPECT_EQ(0u, store.TwelveHourClock());
  EXPECT_EQ(0u, store.calendar.MonthlyStartDay.value);
  EXPECT_EQ(2u, store.calendar.FirstWorkDay.value);

  // A first work day equal to the locale's is not stored.
  store.calendar.FirstWorkDay.Set(0);
  store.SaveAll();
  EXPECT_FALSE(GetRaw(kCalendarGroup, L"FirstWorkDay"));
}

}  // namespace
