// The picker's rules without a window: channels, slider positions, the two boxes' texts
// and the palette's columns.
#include <gtest/gtest.h>

#include "settings/controls/colour_picker.h"
#include "settings/controls/colour_picker_rules.h"

namespace {

TEST(ColourPickerRules, MarkerColoursShowAsWhite) {
  EXPECT_EQ(0x336699u, ColourOf(ChannelsOf(0x336699)));
  EXPECT_EQ(0xFFFFFFu, ColourOf(ChannelsOf(kDefaultColour)));
  EXPECT_EQ(0xFFFFFFu, ColourOf(ChannelsOf(kCancelledColour))) << "white, not its low bytes";
}

TEST(ColourPickerRules, SliderPositionsTruncateBothWays) {
  EXPECT_EQ(127, SliderValue(50));
  EXPECT_EQ(255, SliderValue(100));
  EXPECT_EQ(0, SliderValue(0));
  EXPECT_EQ(50, SliderPosition(128));
  EXPECT_EQ(100, SliderPosition(255));
  EXPECT_EQ(20, SliderPosition(51)) << "exact multiples are not cut short";
}

TEST(ColourPickerRules, NumericBoxTakesLeadingDigitsWithinTheRange) {
  struct Case {
    const wchar_t* text;
    bool valid;
    int value;
  } cases[] = {
      {L"128", true, 128}, {L"  7", true, 7},   {L"12ab", true, 12},  {L"", true, 0},          {L"abc", true, 0},
      {L"+255", true, 255}, {L"-0", true, 0},   {L"256", false, 42},  {L"300", false, 42},     {L"-1", false, 42},
      {L"99999999999999999999", false, 42},
  };
  for (const Case& c : cases) {
    int value = 42;
    EXPECT_EQ(c.valid, ParseChannelText(c.text, value)) << c.text;
    EXPECT_EQ(c.value, value) << c.text;
  }
}

TEST(ColourPickerRules, HtmlTextIsRedGreenBlueAndKeepsFieldsThatDoNotScan) {
  WideString text;
  FormatHtmlText(ChannelsOf(0x336699), text);
  EXPECT_STREQ(L"996633", text.c_str()) << "red first: the reverse of the reference's bytes";
  FormatHtmlText(Channels{0, 10, 255}, text);
  EXPECT_STREQ(L"000AFF", text.c_str());

  Channels channels{1, 2, 3};
  EXPECT_EQ(3, ParseHtmlText(L"a0b0c0", channels));
  EXPECT_EQ(0xA0, channels.red);
  EXPECT_EQ(0xC0, channels.blue);
  channels = Channels{1, 2, 3};
  EXPECT_EQ(1, ParseHtmlText(L"12zz34", channels));
  EXPECT_EQ(0x12, channels.red);
  EXPECT_EQ(2, channels.green) << "a field that does not scan keeps its value, and so do the rest";
  EXPECT_EQ(3, channels.blue);
  channels = Channels{1, 2, 3};
  EXPECT_EQ(2, ParseHtmlText(L"F 1", channels)) << "one digit, blanks before a field";
  EXPECT_EQ(0xF, channels.red);
  EXPECT_EQ(1, channels.green);
  channels = Channels{1, 2, 3};
  EXPECT_EQ(0, ParseHtmlText(L"-1FFFF", channels)) << "no sign: a channel never leaves 0 to 255";
  EXPECT_EQ(0, ParseHtmlText(nullptr, channels));
  EXPECT_EQ(1, channels.red);
}

TEST(ColourPickerRules, UpAndDownMoveByARowAndLeaveAtTheEdges) {
  EXPECT_EQ(31, PaletteCellBelow(21));
  EXPECT_EQ(11, PaletteCellAbove(21));
  EXPECT_EQ(-1, PaletteCellBelow(45));
  EXPECT_EQ(-1, PaletteCellAbove(3));
  EXPECT_EQ(49, PaletteCellBelow(39));
  EXPECT_EQ(0, PaletteCellAbove(10));
  EXPECT_EQ(-1, PaletteCellBelow(50));
  EXPECT_EQ(-1, PaletteCellAbove(-5));
}

}  // namespace
