// The Contacts page and its languages dialog in process: which files are alphabets, the
// dialog's list and the Alphabets key it rewrites, the search bar box built from the active
// alphabets, the phone column widths and the layout rule.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/base/program_modules.h"
#include "settings/files/alphabets_dialog.h"
#include "settings/files/contact_alphabets.h"
#include "settings/store/settings_store.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr wchar_t kContacts[] = L"Software\\Tessaly\\Quillmere\\Contacts";
constexpr int kContactsCommand = 4;
enum Control : int { kSearchBar = 1201, kTitle = 1203, kLayout = 1214, kPhoneWidth = 1216, kHideNoPicture = 1217 };

// The files of the test in the alphabet folder (a folder named like an alphabet among them);
// the ones the device already had stay when the test ends.
const std::vector<std::wstring> kFiles = {L"Ogham.txt", L"Runic.txt", L".txt", L"Tifinagh.TXT", L"Coptic"};
constexpr wchar_t kFolderLikeAlphabet[] = L"Glagolitic.txt";

struct Entry {
  std::wstring text;
  LPARAM data;
  bool checked;
};

std::vector<Entry> ListEntries(HWND list) {
  std::vector<Entry> entries;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    wchar_t text[256] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK));
    entries.push_back({text, item.lParam, (state >> 12) == 2});
  }
  return entries;
}

int FindEntry(const std::vector<Entry>& entries, const std::wstring& text) {
  for (std::size_t index = 0; index < entries.size(); ++index)
    if (entries[index].text == text) return static_cast<int>(index);
  return -1;
}

void Tick(HWND list, int index, bool on) {
  LVITEMW state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class ContactsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    host_.Reload();
    folder_ = std::wstring(CustomAlphabetFolder().c_str()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (const std::wstring& file : kFiles)
      if (GetFileAttributesW((folder_ + file).c_str()) == INVALID_FILE_ATTRIBUTES) {
        ASSERT_TRUE(WriteBytes(folder_ + file, "A B C"));
        made_.push_back(folder_ + file);
      }
    CreateDirectoryW((folder_ + kFolderLikeAlphabet).c_str(), nullptr);
  }
  void TearDown() override {
    host_.Close();
    for (const std::wstring& file : made_) DeleteFileW(file.c_str());
    RemoveDirectoryW((folder_ + kFolderLikeAlphabet).c_str());
  }

  static void Activate(const wchar_t* name) { WriteDword(HKEY_CURRENT_USER, kAlphabetsKeyPath, name, 1); }
  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (int index = 0; index < host_.ItemCount(kSearchBar); ++index) texts.push_back(host_.ItemText(kSearchBar, index));
    return texts;
  }
  DWORD BoxData(int index) const {
    return static_cast<DWORD>(SendMessageW(host_.Control(kSearchBar), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  }

  PageHost host_;
  std::wstring folder_;
  std::vector<std::wstring> made_;
};

TEST(AlphabetFileName, IsAtLeastOneCharacterBeforeAnExactTxt) {
  WideString name;
  EXPECT_TRUE(IsAlphabetFileName(L"Armenian.txt", &name));
  EXPECT_STREQ(L"Armenian", name.c_str());
  EXPECT_TRUE(IsAlphabetFileName(L"a.txt", &name));
  EXPECT_STREQ(L"a", name.c_str());
  EXPECT_TRUE(IsAlphabetFileName(L"Old.txt.txt", nullptr));
  for (const wchar_t* other : {L".txt", L"Greek.TXT", L"Armenian", L"Estonian.txt.bak", L"txt", L""})
    EXPECT_FALSE(IsAlphabetFileName(other, nullptr)) << other;
  EXPECT_FALSE(IsAlphabetFileName(nullptr, nullptr));
}

TEST_F(ContactsPageTest, DialogListsTheAlphabetsAndOkRewritesTheKeyFromTheTicks) {
  Activate(L"Runic");
  Activate(L"Vanished");  // its file is gone: dropped when the dialog is confirmed
  std::vector<Entry> shown;
  DialogAnswers answers;
  answers.Then([&](HWND dialog) {
    HWND list = GetDlgItem(dialog, kAlphabetsListId);
    shown = ListEntries(list);
    Tick(list, FindEntry(shown, L"Hebrew"), false);
    Tick(list, FindEntry(shown, L"Ogham"), true);
    Tick(list, FindEntry(shown, L"Runic"), false);
    PressButton(dialog, kAlphabetsOkCommand);
  });
  EXPECT_EQ(1 + 16, ChooseAlphabets(Modules().instance, nullptr, 1 | 4));
  ASSERT_GE(shown.size(), 6u);
  const std::wstring builtIn[] = {L"Latin", L"Cyrillic", L"Hebrew", L"Greek"};
  for (int index = 0; index < 4; ++index) {
    EXPECT_EQ(builtIn[index], shown[static_cast<std::size_t>(index)].text);
    EXPECT_EQ(LPARAM{1} << index, shown[static_cast<std::size_t>(index)].data);
    EXPECT_EQ(index == 0 || index == 2, shown[static_cast<std::size_t>(index)].checked) << index;
  }
  for (std::size_t index = 4; index < shown.size(); ++index) EXPECT_EQ(16, shown[index].data);
  ASSERT_NE(-1, FindEntry(shown, L"Ogham"));
  EXPECT_FALSE(shown[static_cast<std::size_t>(FindEntry(shown, L"Ogham"))].checked);
  EXPECT_TRUE(shown[static_cast<std::size_t>(FindEntry(shown, L"Runic"))].checked);
  for (const wchar_t* notAlphabet : {L"", L"Tifinagh", L"Coptic", L"Glagolitic", L"Vanished"})
    EXPECT_EQ(-1, FindEntry(shown, notAlphabet)) << notAlphabet;
  EXPECT_EQ(std::vector<std::wstring>{L"Ogham"}, ValueNames(HKEY_CURRENT_USER, kAlphabetsKeyPath));
  EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kAlphabetsKeyPath, L"Ogham"));
}

TEST_F(ContactsPageTest, CancelKeepsTheKeyAndNothingTickedDeletesIt) {
  Activate(L"Runic");
  DialogAnswers cancel;
  cancel.Then([](HWND dialog) { PressButton(dialog, kAlphabetsCancelCommand); });
  EXPECT_EQ(-1, ChooseAlphabets(Modules().instance, nullptr, 15));
  EXPECT_EQ(std::vector<std::wstring>{L"Runic"}, ValueNames(HKEY_CURRENT_USER, kAlphabetsKeyPath));

  DialogAnswers none;
  none.Then([](HWND dialog) {
    HWND list = GetDlgItem(dialog, kAlphabetsListId);
    for (int index = 0; index < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); ++index)
      Tick(list, index, false);
    PressButton(dialog, kAlphabetsOkCommand);
  });
  EXPECT_EQ(0, ChooseAlphabets(Modules().instance, nullptr, 15));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAlphabetsKeyPath));
}

TEST_F(ContactsPageTest, SearchBarOffersTheActiveAlphabetsWhoseFilesAreThere) {
  // Without built-in alphabets: none, the custom ones and the dialog's entry only. Value
  // names that only lead to a file (a path, a wildcard, the unnamed value beside the ".txt"
  // file, a file ending in ".TXT") are not alphabets.
  for (const wchar_t* name :
       {L"Runic", L"Vanished", L"..\\CustomAlphabets\\Ogham", L"Og*", L"", L"Tifinagh", L"Ogham"})
    Activate(name);
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsActiveLanguages", 0);
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsActiveSearchBar", 5);
  WriteString(HKEY_CURRENT_USER, kContacts, L"ContactsCustomSearchBarSelected", L"Ogham");
  host_.Reload();
  ASSERT_NE(nullptr, host_.Open(kContactsCommand));
  std::vector<std::wstring> texts = BoxTexts();
  ASSERT_EQ(4u, texts.size());
  EXPECT_EQ(L"None", texts[0]);
  EXPECT_EQ(Sorted({L"Ogham", L"Runic"}), Sorted({texts[1], texts[2]}));
  EXPECT_EQ(L"Choose alphabets...", texts[3]);
  EXPECT_EQ(L"Ogham", host_.ItemText(kSearchBar, host_.Selection(kSearchBar)));
  EXPECT_EQ(7u, BoxData(3));

  // Latin and Greek, Greek stored: the built-in entries in order, then "all".
  host_.Close();
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsActiveLanguages", 1 | 8);
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsActiveSearchBar", 4);
  host_.Reload();
  ASSERT_NE(nullptr, host_.Open(kContactsCommand));
  texts = BoxTexts();
  ASSERT_EQ(7u, texts.size());
  EXPECT_EQ(L"Latin letters", texts[1]);
  EXPECT_EQ(L"Greek letters", texts[2]);
  EXPECT_EQ(L"All active alphabets", texts[5]);
  EXPECT_EQ(2, host_.Selection(kSearchBar));
  const DWORD kinds[] = {0, 1, 4, 5, 5, 6, 7};
  for (int index = 0; index < 7; ++index) EXPECT_EQ(kinds[index], BoxData(index)) << index;
  host_.Choose(kSearchBar, 3);  // a custom alphabet: its name is stored beside the kind
  const std::wstring chosen = host_.ItemText(kSearchBar, 3);
  host_.Close();
  EXPECT_EQ(5u, Store().contacts.CntctsActiveSearchBar.value);
  EXPECT_STREQ(chosen.c_str(), Store().contacts.ContactsCustomSearchBarSelected.value.c_str());
}

TEST_F(ContactsPageTest, TheLastEntryRunsTheDialogAndTheBoxComesBackOnNone) {
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsActiveSearchBar", 1);
  host_.Reload();
  ASSERT_NE(nullptr, host_.Open(kContactsCommand));
  ASSERT_EQ(1, host_.Selection(kSearchBar)) << "Latin, stored";
  DialogAnswers answers;
  answers.Then([](HWND dialog) { PressButton(dialog, kAlphabetsCancelCommand); });
  answers.Then([](HWND dialog) {
    HWND list = GetDlgItem(dialog, kAlphabetsListId);
    Tick(list, 1, true);  // Cyrillic
    Tick(list, FindEntry(ListEntries(list), L"Runic"), true);
    PressButton(dialog, kAlphabetsOkCommand);
  });
  host_.Choose(kSearchBar, host_.ItemCount(kSearchBar) - 1);
  EXPECT_EQ(1, answers.Answered());
  EXPECT_EQ(0, host_.Selection(kSearchBar));
  EXPECT_FALSE(Store().contacts.CntctsActiveLanguages.changed) << "cancelled";
  EXPECT_EQ(4, host_.ItemCount(kSearchBar));

  host_.Choose(kSearchBar, host_.ItemCount(kSearchBar) - 1);
  EXPECT_EQ(2, answers.Answered());
  EXPECT_EQ(1u | 2u | 16u, Store().contacts.CntctsActiveLanguages.value);
  EXPECT_EQ(0, host_.Selection(kSearchBar));
  const std::vector<std::wstring> texts = BoxTexts();
  EXPECT_EQ((std::vector<std::wstring>{L"None", L"Latin letters", L"Cyrillic letters", L"Runic",
                                       L"All active alphabets", L"Choose alphabets..."}),
            texts);
  host_.Close();
  EXPECT_EQ(0u, Store().contacts.CntctsActiveSearchBar.value);
}

TEST_F(ContactsPageTest, PhoneWidthsAndTheLayoutRule) {
  host_.Reload();
  ASSERT_NE(nullptr, host_.Open(kContactsCommand));
  ASSERT_EQ(13, host_.ItemCount(kPhoneWidth));
  EXPECT_EQ(L"90", host_.ItemText(kPhoneWidth, host_.Selection(kPhoneWidth)));
  host_.SelectTab(2);
  EXPECT_TRUE(host_.Enabled(kPhoneWidth));
  EXPECT_FALSE(host_.Enabled(kHideNoPicture));
  host_.Choose(kLayout, 2);
  EXPECT_FALSE(host_.Enabled(kPhoneWidth));
  EXPECT_FALSE(host_.Enabled(1215));
  EXPECT_TRUE(host_.Enabled(kHideNoPicture));
  host_.Choose(kLayout, 1);
  EXPECT_FALSE(host_.Enabled(kPhoneWidth));
  EXPECT_FALSE(host_.Enabled(kHideNoPicture));
  host_.Choose(kPhoneWidth, 12);
  host_.Close();
  EXPECT_EQ(120u, Store().contacts.CntctsPhoneColumnWidth.value);

  // A width the list does not offer shows no choice and is kept.
  WriteDword(HKEY_CURRENT_USER, kContacts, L"CntctsPhoneColumnWidth", 92);
  host_.Reload();
  ASSERT_NE(nullptr, host_.Open(kContactsCommand));
  EXPECT_EQ(-1, host_.Selection(kPhoneWidth));
  host_.Close();
  EXPECT_EQ(92u, Store().contacts.CntctsPhoneColumnWidth.value);
}

}  // namespace
