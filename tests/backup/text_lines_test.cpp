// The line rules shared by the backup file, colour schemes and the filters file.
#include <gtest/gtest.h>

#include "settings/files/settings_text_lines.h"

namespace {

TEST(SettingsTextLines, SectionHeaders) {
  std::wstring_view name;
  EXPECT_TRUE(ParseSectionHeader(L"[::Filters::]\n", name));
  EXPECT_EQ(L"::Filters::", name);
  EXPECT_TRUE(ParseSectionHeader(L"[]\n", name));
  EXPECT_EQ(L"", name);
  EXPECT_TRUE(ParseSectionHeader(L"[a]x]\n", name));
  EXPECT_EQ(L"a]x", name);
  for (const wchar_t* line : {L"[a]", L"[\n", L"a]\n", L"", L"[a] \n"}) EXPECT_FALSE(ParseSectionHeader(line, name)) << line;
}

TEST(SettingsTextLines, StringLinesEndTheNameAtTheFirstSeparator) {
  std::wstring_view name, text;
  EXPECT_TRUE(ParseStringLine(L"\"Skin\"=\"a\"=\"b\"\n", name, text));
  EXPECT_EQ(L"Skin", name);
  EXPECT_EQ(L"a\"=\"b", text);
  EXPECT_TRUE(ParseStringLine(L"\"Title\"=\"T\"\r", name, text));
  EXPECT_EQ(L"T", text);
  EXPECT_TRUE(ParseStringLine(L"\"\"=\"xy\"\n", name, text));
  EXPECT_EQ(L"", name);
  EXPECT_EQ(L"xy", text);
  for (const wchar_t* line : {L"\"a\"=\"\"\n", L"\"Skin\"=\"\n", L"Skin\"=\"abc\"\n", L"\"Skin\"=\"abc\n",
                              L"\"Skin\"=abc\"\n", L"\"=\"abcdef\"\n"})
    EXPECT_FALSE(ParseStringLine(line, name, text)) << line;
}

TEST(SettingsTextLines, NumberLinesReadLikeTheRuntime) {
  struct Case {
    const wchar_t* line;
    const wchar_t* name;
    LONG value;
  } cases[] = {
      {L"\"Color\"=dword:-1\n", L"Color", -1},
      {L"\"A\"=dword:12abc\r\n", L"A", 12},
      {L"\"A\"=dword: \t+7\n", L"A", 7},
      {L"\"A\"=dword:\n", L"A", 0},
      {L"\"A\"=dword:4294967295\n", L"A", 2147483647},
      {L"\"A\"=dword:-99999999999\n", L"A", -2147483647 - 1},
      {L"\"A\"=dwordX12345\n", L"A", 12345},
      {L"\"a=b\"=dword:5\n", L"", 5},
  };
  for (const Case& c : cases) {
    std::wstring_view name;
    LONG value = 99;
    ASSERT_TRUE(ParseNumberLine(c.line, 10, name, value)) << c.line;
    EXPECT_EQ(c.name, name) << c.line;
    EXPECT_EQ(c.value, value) << c.line;
  }
  std::wstring_view name;
  LONG value = 99;
  for (const wchar_t* line : {L"\"A\"=dword\n", L"\"A\"=\"dword:1\"\n", L"\"A\"=DWORD:1\n", L"=dword"})
    EXPECT_FALSE(ParseNumberLine(line, 10, name, value)) << line;
  EXPECT_EQ(99, value);
}

}  // namespace
