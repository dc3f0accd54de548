// The language box: the libraries in the installation's LangRes that name their language.
#include <algorithm>
#include <cwctype>
#include <string>

#include "settings/store/settings_store.h"
#include "tests/general_page/general_page_fixture.h"
#include "tests/support/registry_probe.h"

namespace {

constexpr int kLanguageBox = 1216;

TEST_F(GeneralPageTest, OnlyLibrariesThatLoadAndNameTheirLanguageAreListed) {
  AddLanguageFile(kNamelessLibrary, L"Nameless.dll");
  AddPlainFile(L"Broken.dll", "not a library");
  std::wstring stored = Store().general.SelectedLangResFile.value.c_str();
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(0, ItemCount(kLanguageBox));
  EXPECT_EQ(CB_ERR, Selection(kLanguageBox));
  Close();
  EXPECT_EQ(stored, Store().general.SelectedLangResFile.value.c_str()) << "nothing to choose: the choice stays";
  EXPECT_EQ(0u, Store().general.SelectedLangResFile.changed);

  AddLanguageFile(kEnglishLibrary, L"QMEngRc.dll");
  AddLanguageFile(kTestLibrary, L"QMTestRc.dll");
  ASSERT_NE(nullptr, Open());
  ASSERT_EQ(2, ItemCount(kLanguageBox));
  // The stored default lies in the real installation, not in this one: nothing matches.
  EXPECT_EQ(0, Selection(kLanguageBox));
  Close();

  // Each entry writes the path of its own library.
  const struct {
    const wchar_t* name;
    const wchar_t* file;
  } languages[] = {{L"English", L"QMEngRc.dll"}, {L"Test Language", L"QMTestRc.dll"}};
  for (const auto& language : languages) {
    ASSERT_NE(nullptr, Open());
    SelectTab(1);
    int index = ItemText(kLanguageBox, 0) == language.name ? 0 : 1;
    ASSERT_EQ(language.name, ItemText(kLanguageBox, index));
    Choose(kLanguageBox, index);
    Close();
    EXPECT_EQ(LanguagePath(language.file), Store().general.SelectedLangResFile.value.c_str());
  }
}

TEST_F(GeneralPageTest, TheStoredLibraryIsSelectedByItsExactPath) {
  AddLanguageFile(kEnglishLibrary, L"QMEngRc.dll");
  AddLanguageFile(kTestLibrary, L"QMTestRc.dll");
  std::wstring test = LanguagePath(L"QMTestRc.dll");
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kProductKey, L"SelectedLangResFile", test.c_str()));
  Reload();
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(L"Test Language", ItemText(kLanguageBox, Selection(kLanguageBox)));
  Close();
  EXPECT_EQ(test, Store().general.SelectedLangResFile.value.c_str());

  // Letter case counts: another spelling of the same file matches nothing.
  std::wstring upper = test;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kProductKey, L"SelectedLangResFile", upper.c_str()));
  Reload();
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(0, Selection(kLanguageBox));
}

TEST_F(GeneralPageTest, MoreThanTwentyLibrariesListTheFirstTwenty) {
  for (int i = 1; i <= 25; ++i) AddLanguageFile(kTestLibrary, (L"Lang" + std::to_wstring(i) + L".dll").c_str());
  ASSERT_NE(nullptr, Open());
  ASSERT_EQ(GeneralPage::kLanguageSlots, ItemCount(kLanguageBox));
  SelectTab(1);
  Choose(kLanguageBox, GeneralPage::kLanguageSlots - 1);
  Close();
  std::wstring chosen = Store().general.SelectedLangResFile.value.c_str();
  EXPECT_NE(createdFiles_.end(), std::find(createdFiles_.begin(), createdFiles_.end(), chosen)) << chosen;
}

}  // namespace
