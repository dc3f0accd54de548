#include "settings/base/wide_string.h"

#include <gtest/gtest.h>

#include <string>

TEST(WideString, StartsEmptyWithRoomFor64) {
  WideString s;
  EXPECT_STREQ(L"", s.c_str());
  EXPECT_EQ(0u, s.Length());
  EXPECT_EQ(64u, s.Capacity());
}

TEST(WideString, AssignKeepsBufferWhileTextAndFourFit) {
  WideString s;
  std::wstring sixty(60, L'x');
  s.Assign(sixty.c_str());
  EXPECT_EQ(64u, s.Capacity());
  std::wstring sixtyOne(61, L'y');
  s.Assign(sixtyOne.c_str());
  EXPECT_EQ(61u + 64u, s.Capacity());
  EXPECT_EQ(sixtyOne, s.c_str());
}

TEST(WideString, AppendGrowsToNeedPlus64AndKeepsOldText) {
  WideString s(L"abc");
  std::wstring tail(100, L'z');
  s.Append(tail.c_str());
  EXPECT_EQ(103u + 64u, s.Capacity());
  EXPECT_EQ(L"abc" + tail, s.c_str());
  EXPECT_EQ(103u, s.Length());
}

TEST(WideString, AssignFromItselfSurvivesGrowth) {
  WideString s(L"hello");
  s.Append(s.c_str());
  EXPECT_STREQ(L"hellohello", s.c_str());
  std::wstring big(200, L'q');
  WideString t(big.c_str());
  t.Assign(t.c_str() + 100);
  EXPECT_EQ(std::wstring(100, L'q'), t.c_str());
}

TEST(WideString, FormatCutsAt1023Characters) {
  WideString s;
  std::wstring big(2000, L'a');
  s.Format(L"%ls", big.c_str());
  EXPECT_EQ(1023u, s.Length());
  s.Format(L"%ls\\LangRes\\%ls %d", L"\\Program Files", L"x.dll", -7);
  EXPECT_STREQ(L"\\Program Files\\LangRes\\x.dll -7", s.c_str());
}

TEST(WideString, AssignWithCountStopsAtNullOrCount) {
  WideString s;
  const wchar_t data[] = {L'a', L'b', L'\0', L'c'};
  s.Assign(data, 4);
  EXPECT_STREQ(L"ab", s.c_str());
  s.Assign(L"abcdef", 3);
  EXPECT_STREQ(L"abc", s.c_str());
  s.Assign(nullptr);
  EXPECT_TRUE(s.Empty());
}

TEST(WideString, CopiesAndMovesOwnTheirText) {
  WideString a(L"one");
  WideString b(a);
  b.Append(L"two");
  EXPECT_STREQ(L"one", a.c_str());
  WideString c(std::move(b));
  EXPECT_STREQ(L"onetwo", c.c_str());
  a = c;
  EXPECT_TRUE(a.Equals(L"onetwo"));
  EXPECT_FALSE(a.Equals(L"OneTwo"));
}
