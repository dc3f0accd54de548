// The General page of QMSettings.exe driven from outside: open it from the main list, change
// every setting, close it with the caption OK, leave with Done; then the registry and the
// broadcast show exactly those changes, and the page shows them when opened again.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/controls/file_browser_dialog.h"
#include "tests/e2e/main_window_driver.h"
#include "tests/e2e/page_program.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kLangRes[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LangRes\\";
constexpr wchar_t kTestLanguage[] = L"C:\\DeviceTools\\TestLang\\QMTestRc.dll";
constexpr wchar_t kSkins[] = L"C:\\Skins";
constexpr DWORD kWait = 20000;

HWND Control(HWND page, int id) { return GetDlgItem(page, id); }

void Click(HWND page, int id) { SendMessageW(Control(page, id), BM_CLICK, 0, 0); }

bool Checked(HWND page, int id) { return SendMessageW(Control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

int Chosen(HWND page, int id) { return static_cast<int>(SendMessageW(Control(page, id), CB_GETCURSEL, 0, 0)); }

std::wstring Text(HWND page, int id) {
  wchar_t text[300] = L"";
  SendMessageW(Control(page, id), WM_GETTEXT, 300, reinterpret_cast<LPARAM>(text));
  return text;
}

void Type(HWND page, int id, const wchar_t* text) {
  SendMessageW(Control(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

class GeneralPageProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS"));
    testLanguage_ = std::wstring(kLangRes) + L"QMTestRc.dll";
    ASSERT_TRUE(CopyFileW(kTestLanguage, testLanguage_.c_str(), FALSE));
    CreateDirectoryW(kSkins, nullptr);
    CreateDirectoryW((std::wstring(kSkins) + L"\\Blue").c_str(), nullptr);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    watchOutput_ = std::wstring(folder) + L"qmwatch-general.txt";
  }

  void TearDown() override {
    DeleteFileW(testLanguage_.c_str());
    RemoveDirectoryW((std::wstring(kSkins) + L"\\Blue").c_str());
    RemoveDirectoryW(kSkins);
  }

  // Starts QMSettings and opens the General page, the first row of the main list.
  HWND OpenGeneral(RunningProgram& program) { return OpenPageFromList(program, 0, L"GeneralSettingsWin", &main_); }
  void ClosePageAndFinish(RunningProgram& program, HWND page) { ASSERT_TRUE(ClosePageAndDone(program, main_, page)); }

  // Walks the Select Skin Path dialog into \Skins\Blue\ with the keyboard and selects it.
  void ChooseSkinFolder(DWORD processId) {
    HWND dialog = WaitForWindow(processId, L"#32770", L"Select Skin Path", kWait);
    ASSERT_NE(nullptr, dialog);
    HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
    for (const wchar_t* folder : {L"Skins", L"Blue"}) {
      int index = FindListItem(list, folder);
      ASSERT_NE(-1, index) << folder;
      wchar_t path[MAX_PATH] = L"";
      HWND pathBox = GetDlgItem(dialog, kPathBoxId);
      SendMessageW(pathBox, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(path));
      std::wstring before = path;
      TapListItem(list, index);  // one tap opens a folder
      ASSERT_TRUE(WaitUntil([&] {
        SendMessageW(pathBox, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(path));
        return before != path;
      }, kWait)) << folder;
    }
    PostMessageW(dialog, WM_COMMAND, 1, 0);  // Select
    ASSERT_TRUE(WaitUntil([dialog] { return !IsWindow(dialog); }, kWait));
  }

  HWND main_ = nullptr;
  std::wstring testLanguage_;
  std::wstring watchOutput_;
};

TEST_F(GeneralPageProgram, EveryChangeIsSavedOnceWithItsTypeAndShownAgain) {
  RunningProgram watch;
  ASSERT_TRUE(watch.Start(kQmWatchExe, L"--timeout 60", watchOutput_.c_str()));
  ASSERT_TRUE(WaitForLine(watchOutput_.c_str(), L"listening", kWait));

  RunningProgram program;
  HWND page = OpenGeneral(program);
  ASSERT_NE(nullptr, page);
  // Tab 0: taps and heights.
  ChooseItem(page, 1201, 2);
  ChooseItem(page, 1203, 1);
  Click(page, 1206);  // AutoHeight off enables the height boxes
  ASSERT_TRUE(IsWindowEnabled(Control(page, 1208)));
  Type(page, 1208, L"300");
  Type(page, 1210, L"200");
  // Tab 1: skin, language, sound and display.
  ASSERT_TRUE(NextTab(page));
  PostMessageW(Control(page, 1214), BM_CLICK, 0, 0);
  ChooseSkinFolder(program.Id());
  EXPECT_EQ(L"\\Skins\\Blue\\", Text(page, 1212));
  HWND languages = Control(page, 1216);
  int count = static_cast<int>(SendMessageW(languages, CB_GETCOUNT, 0, 0));
  ASSERT_EQ(2, count);
  int testIndex = -1;
  for (int i = 0; i < count; ++i) {
    wchar_t name[256] = L"";
    SendMessageW(languages, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    if (std::wstring(name) == L"Test Language") testIndex = i;
  }
  ASSERT_NE(-1, testIndex);
  ChooseItem(page, 1216, testIndex);
  Click(page, 1217);
  Click(page, 1218);
  Click(page, 1219);
  // Tab 2: the D-pad.
  ASSERT_TRUE(NextTab(page));
  ChooseItem(page, 1224, 0);
  Click(page, 1227);
  ChooseItem(page, 1222, 1);
  ASSERT_TRUE(IsWindowEnabled(Control(page, 1226)));
  ChooseItem(page, 1226, 1);
  Click(page, 1228);
  Click(page, 1220);  // D-pad off last: the rows above keep their values
  // Tab 3: scrolling and display.
  ASSERT_TRUE(NextTab(page));
  Click(page, 1229);
  Click(page, 1230);
  Click(page, 1231);
  Click(page, 1232);
  Click(page, 1233);
  ChooseItem(page, 1235, 3);
  ClosePageAndFinish(program, page);

  if (HWND listener = FindWindowW(L"QMWatch", nullptr)) PostMessageW(listener, WM_CLOSE, 0, 0);
  ASSERT_TRUE(watch.WaitExit(kWait));
  std::wstring output = ReadTextFile(watchOutput_.c_str());
  std::size_t first = output.find(L"TessalyQuillmereSettingsChanged");
  EXPECT_NE(std::wstring::npos, first);
  EXPECT_EQ(std::wstring::npos, output.find(L"TessalyQuillmereSettingsChanged", first + 1)) << "one broadcast";

  ExpectKeyHoldsExactly(kProduct, {
      {L"OnClick", 2}, {L"OnDoubleClick", 1}, {L"AutoHeight", 0}, {L"dHeightLimit", 300},
      {L"dHeightLimitLandscape", 200}, {L"EnableSoundEffect", 0}, {L"GoofyMode", 1}, {L"IndentItems", 1},
      {L"DPadEnabled", 0}, {L"DPadCompleteAction", 0}, {L"DPadDoubleClickTabSwitching", 1},
      {L"DPadScrollingAction", 1}, {L"ExclusiveDPadNavig", 1}, {L"UseDoubleClickScroll", 0},
      {L"UseFullScrollings", 0}, {L"MyVgaMode", 1}, {L"UseThinLines", 1}, {L"RemoveHighlight", 1},
      {L"LoadingDelay", 3}},
                        {{L"SkinPath", L"\\Skins\\Blue\\"}, {L"SelectedLangResFile", testLanguage_.substr(2)}});
  for (const wchar_t* group : {L"\\Calendar", L"\\Tasks", L"\\Notes", L"\\Contacts", L"\\Messages", L"\\SEvents",
                               L"\\Fonts", L"\\Colors", L"\\CustomPIM", L"\\TabSettings", L"\\Categories"})
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, (std::wstring(kProduct) + group).c_str()).empty()) << group;

  // Opened again, the page shows what was saved.
  RunningProgram again;
  page = OpenGeneral(again);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(2, Chosen(page, 1201));
  EXPECT_EQ(1, Chosen(page, 1203));
  EXPECT_FALSE(Checked(page, 1206));
  EXPECT_EQ(L"300", Text(page, 1208));
  EXPECT_EQ(L"200", Text(page, 1210));
  EXPECT_EQ(L"\\Skins\\Blue\\", Text(page, 1212));
  EXPECT_FALSE(Checked(page, 1217));
  EXPECT_TRUE(Checked(page, 1218));
  EXPECT_FALSE(Checked(page, 1220));
  EXPECT_EQ(1, Chosen(page, 1226));
  EXPECT_TRUE(Checked(page, 1231));
  EXPECT_EQ(3, Chosen(page, 1235));
  PostMessageW(page, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([page] { return !IsWindow(page); }, kWait));
  PostMessageW(main_, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(again.WaitExit(kWait));
}

TEST_F(GeneralPageProgram, DoneWithAPageOpenOnlyClosesThePage) {
  RunningProgram program;
  HWND page = OpenGeneral(program);
  ASSERT_NE(nullptr, page);
  wchar_t title[64] = L"x";
  GetWindowTextW(main_, title, 64);
  EXPECT_STREQ(L"", title) << "the main window's title is cleared while a page is open";
  Click(page, 1217);
  PostMessageW(main_, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([page] { return !IsWindow(page); }, kWait));
  EXPECT_TRUE(program.Running());
  GetWindowTextW(main_, title, 64);
  EXPECT_STREQ(L"QM Options", title);
  PostMessageW(main_, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(program.WaitExit(kWait));
  EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, kProduct, L"EnableSoundEffect"));
}

}  // namespace
