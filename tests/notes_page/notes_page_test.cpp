// The Notes page in process: the file type boxes over their bits and the list product, the
// folder list rewritten into its key on close (added through the folder dialog, removed,
// refused twice), and the search bar box over the active alphabets.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/controls/file_browser_dialog.h"
#include "settings/pages/notes_page.h"
#include "settings/store/settings_store.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/page_host.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"
#include "tests/support/test_files.h"

namespace {

constexpr int kNotesCommand = 3;
constexpr wchar_t kNotesKey[] = L"Software\\Tessaly\\Quillmere\\Notes";
constexpr wchar_t kContactsKey[] = L"Software\\Tessaly\\Quillmere\\Contacts";
constexpr wchar_t kLedgerly[] = L"Software\\Tessaly\\Ledgerly";
const std::wstring kRoot = L"\\NotesPageTest\\";
enum Control : int { kSearchBar = 1201, kFirstType = 1208, kLastType = 1213, kFolders = 1215, kRemove, kAdd };

std::wstring At(const wchar_t* name) { return kRoot + name; }

class NotesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    RemoveTree(kRoot);
    CreateDirectoryW(kRoot.c_str(), nullptr);
    for (const wchar_t* name : {L"Work", L"Home", L"Trips"}) CreateDirectoryW(At(name).c_str(), nullptr);
    SetRememberedFolder(L"\\");
  }
  void TearDown() override {
    host_.reset();
    RemoveTree(kRoot);
    SetRememberedFolder(L"\\");
  }

  // A fresh host reads the registry again; the old one goes first, as it frees the libraries.
  PageHost& Open() {
    host_.reset();
    host_ = std::make_unique<PageHost>();
    EXPECT_NE(nullptr, host_->Open(kNotesCommand));
    return *host_;
  }
  // Closes the page as the shell does: the store then holds what Done would save.
  void Close() { host_->Close(); }

  std::vector<std::wstring> Listed() const {
    HWND list = host_->Control(kFolders);
    std::vector<std::wstring> texts;
    wchar_t text[MAX_PATH];
    for (int item = 0; item < ListView_GetItemCount(list); ++item) {
      ListView_GetItemText(list, item, 0, text, MAX_PATH);
      texts.emplace_back(text);
    }
    return texts;
  }
  static std::vector<std::wstring> Stored() {
    std::vector<std::wstring> texts;
    for (const std::wstring& name : ValueNames(HKEY_CURRENT_USER, kNotesFoldersKey))
      texts.push_back(name + L"=" + ReadString(HKEY_CURRENT_USER, kNotesFoldersKey, name.c_str()).value_or(L"?"));
    std::sort(texts.begin(), texts.end());
    return texts;
  }
  // The message box the action brings up: its text, answered with OK.
  std::wstring MessageFrom(const std::function<void()>& action) {
    std::wstring text;
    DialogAnswers answers;
    answers.Then([&](HWND box) {
      text = MessageBoxText(box);
      PressButton(box, IDOK);
    });
    action();
    return text;
  }
  // The folder dialog from the add button, ending with a choice of the folder it starts in;
  // returns the text of the message that follows when the folder is refused.
  std::wstring AddThroughDialog(const std::wstring& folder, bool refused = false) {
    SetRememberedFolder(folder.c_str());
    std::wstring text;
    DialogAnswers answers;
    answers.Then([](HWND dialog) {
      EXPECT_EQ(L"Add Notes Folder", WindowText(dialog));
      SendMessageW(dialog, WM_COMMAND, kSelectCommand, 0);
    });
    if (refused)
      answers.Then([&](HWND box) {
        text = MessageBoxText(box);
        PressButton(box, IDOK);
      });
    host_->Click(kAdd);
    EXPECT_EQ(refused ? 2 : 1, answers.Answered());
    return text;
  }

  std::unique_ptr<PageHost> host_;
};

TEST_F(NotesPageTest, FileTypeBoxesReadOneBitAndWriteTheirPairsAndTheListProductDecidesTheLast) {
  PageHost& page = Open();
  for (int id = kFirstType; id < kLastType; ++id) EXPECT_TRUE(page.Checked(id)) << id << " of the default 831";
  EXPECT_FALSE(page.Enabled(kLastType)) << "no list product";
  EXPECT_FALSE(page.Checked(kLastType));
  page.Click(kFirstType + 3);  // the pair 8 and 256 goes together
  Close();
  EXPECT_EQ(831u - 8 - 256, Store().notes.NotesScannedFileTypes.value) << "bit 32 stays while its box is disabled";

  WriteString(HKEY_CURRENT_USER, kLedgerly, L"ListsPath", L"");
  Open();
  EXPECT_FALSE(host_->Enabled(kLastType)) << "an empty path is no product";
  Close();

  WriteString(HKEY_CURRENT_USER, kLedgerly, L"ListsPath", L"\\Lists");
  WriteDword(HKEY_CURRENT_USER, kNotesKey, L"NotesScannedFileTypes", 1 | 16 | 32 | 256);
  Open();
  const bool expected[] = {true, false, false, false, true, true};
  for (int index = 0; index < 6; ++index)
    EXPECT_EQ(expected[index], host_->Checked(kFirstType + index)) << "box " << index << " reads one bit only";
  host_->Click(kLastType);
  Close();
  EXPECT_EQ(1u | 16 | 512, Store().notes.NotesScannedFileTypes.value) << "256 without its box's 8 is dropped";
}

TEST_F(NotesPageTest, FoldersAreAddedOnceRemovedAndRewrittenInOrderOnClose) {
  WriteString(HKEY_CURRENT_USER, kNotesFoldersKey, L"0", At(L"Work").c_str());
  WriteString(HKEY_CURRENT_USER, kNotesFoldersKey, L"1", At(L"Home").c_str());
  WriteString(HKEY_CURRENT_USER, kNotesFoldersKey, L"2", At(L"Trips").c_str());
  WriteString(HKEY_CURRENT_USER, kNotesFoldersKey, L"3", At(L"Work").c_str());
  PageHost& page = Open();
  EXPECT_EQ((std::vector<std::wstring>{At(L"Work"), At(L"Home"), At(L"Trips")}), Listed()) << "listed once each";
  EXPECT_EQ(EnglishText(633), MessageFrom([&] { page.Click(kRemove); })) << "nothing selected";

  page.SelectListItem(kFolders, 1);
  page.Click(kRemove);
  EXPECT_EQ(-1, ListView_GetSelectionMark(page.Control(kFolders)));
  Close();
  EXPECT_EQ((std::vector<std::wstring>{L"0=" + At(L"Work"), L"1=" + At(L"Trips")}), Stored());

  Open();
  AddThroughDialog(At(L"Home\\"));
  EXPECT_EQ(EnglishText(1519), AddThroughDialog(At(L"Work\\"), true)) << "already listed";
  EXPECT_FALSE(static_cast<NotesPage*>(host_->Page())->AddFolder(host_->Window(), At(L"Missing").c_str()))
      << "no shell icon, no entry";
  Close();
  EXPECT_EQ((std::vector<std::wstring>{L"0=" + At(L"Work"), L"1=" + At(L"Trips"), L"2=" + At(L"Home")}), Stored())
      << "the chosen path without its backslash";

  Open();
  for (int left = 3; left > 0; --left) {
    host_->SelectListItem(kFolders, 0);
    host_->Click(kRemove);
  }
  Close();
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kNotesFoldersKey));
  EXPECT_TRUE(Stored().empty());
}

TEST_F(NotesPageTest, SearchBarOffersTheActiveAlphabetsOfTheContacts) {
  WriteDword(HKEY_CURRENT_USER, kContactsKey, L"CntctsActiveLanguages", 0);
  PageHost& page = Open();
  ASSERT_EQ(2, page.ItemCount(kSearchBar)) << "no letters, and the choice of alphabets";
  EXPECT_EQ(EnglishText(1408), page.ItemText(kSearchBar, 0));
  EXPECT_EQ(EnglishText(1440), page.ItemText(kSearchBar, 1));
  EXPECT_EQ(0, page.Selection(kSearchBar)) << "the stored Latin bar is not offered";
  Close();
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kNotesFoldersKey)) << "an untouched folder list writes no key";

  WriteDword(HKEY_CURRENT_USER, kContactsKey, L"CntctsActiveLanguages", 1 | 4);
  WriteDword(HKEY_CURRENT_USER, kNotesKey, L"NotesActiveSearchBar", 3);
  Open();
  ASSERT_EQ(5, host_->ItemCount(kSearchBar));
  EXPECT_EQ(EnglishText(1409), host_->ItemText(kSearchBar, 1));
  EXPECT_EQ(EnglishText(1411), host_->ItemText(kSearchBar, 2));
  EXPECT_EQ(EnglishText(1413), host_->ItemText(kSearchBar, 3));
  EXPECT_EQ(2, host_->Selection(kSearchBar)) << "the stored Hebrew bar";
  host_->Choose(kSearchBar, 3);
  Close();
  EXPECT_EQ(6u, Store().notes.NotesActiveSearchBar.value);
}

}  // namespace
