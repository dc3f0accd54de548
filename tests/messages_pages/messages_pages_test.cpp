// The Messages and Special events pages in process: the tabs' ranges, the date samples, the
// day span box and the four category boxes over the category manager's categories.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/base/load_text.h"
#include "settings/files/category_manager.h"
#include "settings/pages/sevents_page.h"
#include "settings/store/settings_store.h"
#include "tests/support/page_host.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kMessages = 5;
constexpr int kSpecialEvents = 6;
constexpr wchar_t kSEvents[] = L"Software\\Tessaly\\Quillmere\\SEvents";
const std::wstring kLongName(300, L'x');

class MessagesPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    Categories().Clear();
    for (const wchar_t* name : {L"Business", L"\u00C4rzte", L"None", L"Travel"})
      Categories().AddCategory(name, 0, false);
    Categories().AddCategory(kLongName.c_str(), 0, false);
  }
  void TearDown() override { Categories().Clear(); }

  // Writes the registry, reads it into the store and opens the page.
  HWND Open(int command) {
    host_.Reload();
    return host_.Open(command);
  }

  PageHost host_;
};

TEST_F(MessagesPagesTest, DateSamplesFollowTheNoDateEntryInFourPatterns) {
  const SYSTEMTIME date{2026, 3, 4, 5, 0, 0, 0, 0};
  EXPECT_STREQ(L"03/05", EventDateSample(1, date).c_str());
  EXPECT_STREQ(L"03/05/26", EventDateSample(2, date).c_str());
  EXPECT_STREQ(L"05/03", EventDateSample(3, date).c_str());
  EXPECT_STREQ(L"05/03/26", EventDateSample(4, date).c_str());
  EXPECT_STREQ(L"", EventDateSample(0, date).c_str());
  EXPECT_STREQ(L"", EventDateSample(5, date).c_str());

  WriteDword(HKEY_CURRENT_USER, kSEvents, L"SEDateFormat", 3);
  ASSERT_NE(nullptr, Open(kSpecialEvents));
  ASSERT_EQ(5, host_.ItemCount(1205));
  EXPECT_EQ(std::wstring(LanguageText(1049).c_str()), host_.ItemText(1205, 0));
  SYSTEMTIME today{};
  GetLocalTime(&today);
  EXPECT_EQ(std::wstring(EventDateSample(3, today).c_str()), host_.ItemText(1205, 3));
  EXPECT_EQ(3, host_.Selection(1205));
}

// Alert days show index + 1; the day span box takes only its five spans and writes the
// chosen entry's number.
TEST_F(MessagesPagesTest, DayCountsAndDaySpansRoundTrip) {
  EXPECT_EQ(0, DaySpanEntry(15));
  EXPECT_EQ(4, DaySpanEntry(365));
  EXPECT_EQ(1, DaySpanEntry(45));
  EXPECT_EQ(1, DaySpanEntry(0));
  EXPECT_EQ(120u, DaySpanFromText(L"120"));

  WriteDword(HKEY_CURRENT_USER, kSEvents, L"SEApptsDaySpan", 45);
  WriteDword(HKEY_CURRENT_USER, kSEvents, L"SEFilterAlertBeforeDays", 15);
  ASSERT_NE(nullptr, Open(kSpecialEvents));
  EXPECT_EQ(L"1", host_.ItemText(1203, host_.Selection(1203))) << "SEAlertBeforeDays 0";
  EXPECT_EQ(L"16", host_.ItemText(1211, host_.Selection(1211)));
  EXPECT_EQ(L"30", host_.ItemText(1209, host_.Selection(1209)));
  host_.Close();
  EXPECT_EQ(30u, Store().specialEvents.SEApptsDaySpan.value);

  ASSERT_NE(nullptr, host_.Open(kSpecialEvents));
  host_.Choose(1209, 4);
  host_.Choose(1203, 6);
  host_.Close();
  EXPECT_EQ(365u, Store().specialEvents.SEApptsDaySpan.value);
  EXPECT_EQ(6u, Store().specialEvents.SEAlertBeforeDays.value);
}

TEST_F(MessagesPagesTest, CategoryBoxesFindTheirCategoryOrFallBackToNone) {
  WriteString(HKEY_CURRENT_USER, kSEvents, L"AdditionalFilterCat1", L"\u00E4RZTE");
  WriteString(HKEY_CURRENT_USER, kSEvents, L"AdditionalFilterCat2", L"Removed since");
  WriteString(HKEY_CURRENT_USER, kSEvents, L"AdditionalFilterCat3", L"None");
  ASSERT_NE(nullptr, Open(kSpecialEvents));
  ASSERT_EQ(6, host_.ItemCount(1213));
  EXPECT_EQ(std::wstring(LanguageText(1421).c_str()), host_.ItemText(1213, 0));
  EXPECT_EQ(L"\u00C4rzte", host_.ItemText(1213, host_.Selection(1213))) << "matched ignoring case";
  EXPECT_EQ(0, host_.Selection(1215));
  EXPECT_LT(0, host_.Selection(1217)) << "a category named like the first entry is still found";
  EXPECT_EQ(0, host_.Selection(1219));
  host_.Choose(1219, host_.ItemCount(1219) - 1);  // the long name, cut to what a setting holds
  host_.Close();
  const SpecialEventSettings& events = Store().specialEvents;
  EXPECT_STREQ(L"\u00C4rzte", events.AdditionalFilterCat1.value.c_str());
  EXPECT_STREQ(L"", events.AdditionalFilterCat2.value.c_str());
  EXPECT_STREQ(L"None", events.AdditionalFilterCat3.value.c_str());
  EXPECT_EQ(kLongName.substr(0, 255), events.AdditionalFilterCat4.value.c_str());

  ASSERT_NE(nullptr, host_.Open(kSpecialEvents));
  host_.Choose(1213, 0);
  host_.Close();
  EXPECT_STREQ(L"", Store().specialEvents.AdditionalFilterCat1.value.c_str());
}

}  // namespace
