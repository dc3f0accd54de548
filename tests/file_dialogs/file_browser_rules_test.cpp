// The browser's rules that need no window.
#include <gtest/gtest.h>

#include "settings/controls/file_browser_rules.h"

namespace {

TEST(BrowserRules, ExtensionFilterAndEntryOrder) {
  EXPECT_TRUE(NameHasExtension(L"x.qmsb", L"qmsb"));
  EXPECT_TRUE(NameHasExtension(L"xqmsb", L"qmsb")) << "no dot is asked for";
  EXPECT_FALSE(NameHasExtension(L"X.QMSB", L"qmsb")) << "letter case counts";
  EXPECT_FALSE(NameHasExtension(L"sb", L"qmsb")) << "shorter than the extension";
  EXPECT_TRUE(NameHasExtension(L"anything", L""));

  EXPECT_EQ(-1, CompareBrowserEntries(true, L"zeta", false, L"alpha"));
  EXPECT_EQ(1, CompareBrowserEntries(false, L"alpha", true, L"zeta"));
  EXPECT_EQ(-1, CompareBrowserEntries(false, L"apple", false, L"Banana"));
  EXPECT_EQ(0, CompareBrowserEntries(false, L"Report", false, L"rEPORT"));
}

TEST(BrowserRules, ParentFolderAndTypedNames) {
  WideString parent(L"unchanged"), left;
  for (const wchar_t* top : {L"\\", L"", L"C:\\"}) EXPECT_FALSE(ParentFolder(top, parent, left)) << top;
  EXPECT_STREQ(L"unchanged", parent.c_str());
  ASSERT_TRUE(ParentFolder(L"\\Storage Card\\Backups\\", parent, left));
  EXPECT_STREQ(L"\\Storage Card\\", parent.c_str());
  EXPECT_STREQ(L"Backups", left.c_str());
  ASSERT_TRUE(ParentFolder(L"\\My Documents\\", parent, left));
  EXPECT_STREQ(L"\\", parent.c_str());

  EXPECT_EQ(FileNameCheck::Missing, CheckFileName(L""));
  for (const wchar_t* bad : {L"a/b", L"c:x", L"*", L"x?", L"\"x\"", L"<x", L"x>", L"a|b"})
    EXPECT_EQ(FileNameCheck::IllegalCharacters, CheckFileName(bad)) << bad;
  EXPECT_EQ(FileNameCheck::Ok, CheckFileName(L"sub\\report"));

  WideString path;
  ASSERT_TRUE(ComposeSavePath(L"\\", L"notes", L"", path));
  EXPECT_STREQ(L"\\notes", path.c_str()) << "no dangling dot without an extension";
}

}  // namespace
