// Font records: six values each, mirrored into a LOGFONTW.
#include "settings/store/font_setting.h"

#include <cwchar>

#include "settings/base/scale.h"
#include "settings/store/settings_store.h"
#include "tests/store/store_test_support.h"

namespace {

using FontRecords = StoreTest;

void ExpectDefaultFont(const FontSetting& font, LONG weight, BYTE strikeOut, LONG height) {
  EXPECT_EQ(weight, font.font.lfWeight) << font.name.c_str();
  EXPECT_EQ(strikeOut, font.font.lfStrikeOut) << font.name.c_str();
  EXPECT_EQ(height, font.font.lfHeight) << font.name.c_str();
  EXPECT_EQ(0, font.font.lfItalic);
  EXPECT_EQ(0, font.font.lfUnderline);
  EXPECT_EQ(0xFFFFFFFFu, font.Colour());
  EXPECT_STREQ(L"Tahoma", font.font.lfFaceName);
  EXPECT_EQ(DEFAULT_QUALITY, font.font.lfQuality);
}

TEST_F(FontRecords, DefaultsFollowTheRowAndTheScreen) {
  SettingsStore& store = Store();
  LoadAll();
  ExpectDefaultFont(store.fonts.FontGeneral, 100, 0, 12);
  ExpectDefaultFont(store.fonts.FontCalPast, 100, 1, 12);
  ExpectDefaultFont(store.fonts.FontCalCompleted, 100, 1, 12);
  ExpectDefaultFont(store.fonts.FontMailUnread, 700, 0, 12);
  ExpectDefaultFont(store.fonts.FontSEGroupingTtls, 700, 0, 12);
  EXPECT_STREQ(L"FontCalPastlfStrikeOut", store.fonts.FontCalPast.strikeOut.name.c_str());
  EXPECT_EQ(kFontsGroup, store.fonts.FontCalPast.colour.group);

  ScaleSetForTest(false, 192, 192);
  LoadAll();
  ExpectDefaultFont(store.fonts.FontNoteTitles, 700, 0, 24);

  // At 192 dpi a height of 24 is the default: setting it deletes the stored value.
  PutDword(kFontsGroup, L"FontGenerallfHeight", 30);
  LoadAll();
  EXPECT_EQ(30, store.fonts.FontGeneral.font.lfHeight);
  LOGFONTW wanted = store.fonts.FontGeneral.font;
  wanted.lfHeight = 24;
  store.fonts.FontGeneral.SetFont(&wanted, 0xFFFFFFFF);
  store.SaveAll();
  EXPECT_FALSE(GetRaw(kFontsGroup, L"FontGenerallfHeight"));
}

TEST_F(FontRecords, StoredValuesFaceAndClearTypeReachTheLogFont) {
  PutDword(kFontsGroup, L"FontTskOverduelfWeight", 700);
  PutDword(kFontsGroup, L"FontTskOverduelfItalic", 1);
  PutDword(kFontsGroup, L"FontTskOverduelfUnderline", 1);
  PutDword(kFontsGroup, L"FontTskOverduelfColor", 0x0000FF);
  PutDword(kFontsGroup, L"ForceClearType", 1);
  PutString(kFontsGroup, L"FontFaceToUse", L"A Face Name Much Longer Than Thirty-One Letters");
  LoadAll();
  const FontSetting& font = Store().fonts.FontTskOverdue;
  EXPECT_EQ(700, font.font.lfWeight);
  EXPECT_EQ(1, font.font.lfItalic);
  EXPECT_EQ(1, font.font.lfUnderline);
  EXPECT_EQ(0x0000FFu, font.Colour());
  EXPECT_EQ(5, font.font.lfQuality);
  EXPECT_EQ(31u, wcslen(font.font.lfFaceName));
  EXPECT_EQ(0, wcsncmp(L"A Face Name Much Longer Than Th", font.font.lfFaceName, 31));
  EXPECT_STREQ(L"A Face Name Much Longer Than Thirty-One Letters", Store().fonts.FontFaceToUse.value.c_str());
}

TEST_F(FontRecords, SetFontTakesFiveFieldsAndTheColour) {
  PutDword(kFontsGroup, L"FontGenerallfColor", 0x112233);
  LoadAll();
  FontSetting& font = Store().fonts.FontGeneral;
  LOGFONTW wanted{};
  wanted.lfHeight = -20;
  wanted.lfWeight = 700;
  wanted.lfItalic = 1;
  wanted.lfWidth = 9;
  wcscpy(wanted.lfFaceName, L"Courier");
  EXPECT_EQ(0x112233u, font.SetFont(&wanted, 0x445566));
  EXPECT_EQ(-20, font.font.lfHeight);
  EXPECT_EQ(0, font.font.lfWidth);
  EXPECT_STREQ(L"Tahoma", font.font.lfFaceName);
  // Only the colour: the other five records stay unset.
  EXPECT_EQ(0xFFFFFFFFu, Store().fonts.FontMsgsRead.SetFont(nullptr, 0x00FF00));
  Store().SaveAll();
  EXPECT_EQ(0xFFFFFFECu, GetDword(kFontsGroup, L"FontGenerallfHeight"));
  EXPECT_EQ(700u, GetDword(kFontsGroup, L"FontGenerallfWeight"));
  EXPECT_EQ(1u, GetDword(kFontsGroup, L"FontGenerallfItalic"));
  EXPECT_FALSE(GetRaw(kFontsGroup, L"FontGenerallfUnderline"));  // set to its default
  EXPECT_EQ(0x445566u, GetDword(kFontsGroup, L"FontGenerallfColor"));
  EXPECT_EQ(0x00FF00u, GetDword(kFontsGroup, L"FontMsgsReadlfColor"));
  EXPECT_EQ(0u, Store().fonts.FontMsgsRead.weight.changed);
}

}  // namespace
