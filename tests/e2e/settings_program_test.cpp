// QMSettings.exe driven from outside with real window messages, as the device's user and
// the plug-in see it: the registry and the broadcast are what count.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/main_window_driver.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kProduct[] = L"Software\\Tessaly\\Quillmere";
constexpr wchar_t kCalendar[] = L"Software\\Tessaly\\Quillmere\\Calendar";
constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
constexpr DWORD kWait = 20000;

class SettingsProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProductRegistry();
    ASSERT_EQ(0, CountWindows(L"QM_OPTIONS")) << "a QMSettings of an earlier test is still running";
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    watchOutput_ = std::wstring(folder) + L"qmwatch-e2e.txt";
  }

  void TearDown() override { WriteDword(HKEY_CURRENT_USER, kDesktop, L"LogPixels", 96); }

  // Starts the listener that stands in for the plug-in; it ends after `timeout` seconds.
  void StartWatch(int timeout) {
    ASSERT_TRUE(watch_.Start(kQmWatchExe, (L"--timeout " + std::to_wstring(timeout)).c_str(), watchOutput_.c_str()));
    ASSERT_TRUE(WaitForLine(watchOutput_.c_str(), L"listening", kWait));
  }

  // Broadcasts received. The program posts its broadcast before it ends, so once it has
  // ended, a close request queued behind the broadcast lets the listener print it first.
  int Broadcasts() {
    if (HWND listener = FindWindowW(L"QMWatch", nullptr)) PostMessageW(listener, WM_CLOSE, 0, 0);
    watch_.WaitExit(kWait);
    output_ = ReadTextFile(watchOutput_.c_str());
    const std::wstring& output = output_;
    int count = 0;
    for (std::size_t at = output.find(L"TessalyQuillmereSettingsChanged"); at != std::wstring::npos;
         at = output.find(L"TessalyQuillmereSettingsChanged", at + 1))
      ++count;
    return count;
  }

  HWND StartSettings(const wchar_t* arguments = L"") {
    if (!settings_.Start(kSettingsExe, arguments)) return nullptr;
    return WaitForWindow(settings_.Id(), L"QM_OPTIONS", nullptr, kWait);
  }

  // Taps a row and waits for the message box its command opens.
  HWND TapRowForMessageBox(HWND window, int row) {
    TapRow(window, row);
    return WaitForWindow(settings_.Id(), L"#32770", nullptr, kWait);
  }

  bool Ends(DWORD* code = nullptr) { return settings_.WaitExit(kWait, code); }

  RunningProgram settings_;
  RunningProgram watch_;
  std::wstring watchOutput_;
  std::wstring output_;  // what the listener printed
};

TEST_F(SettingsProgram, DoneOnAFreshDeviceCreatesEmptyKeysAndBroadcastsOnce) {
  StartWatch(30);
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  TapBar(window, 0);
  DWORD code = 1;
  ASSERT_TRUE(Ends(&code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(1, Broadcasts());

  const wchar_t* groups[] = {L"", L"\\Calendar", L"\\Tasks", L"\\Notes", L"\\Contacts", L"\\Messages",
                             L"\\SEvents", L"\\Fonts", L"\\Colors", L"\\CustomPIM", L"\\TabSettings",
                             L"\\Categories"};
  for (const wchar_t* group : groups) {
    std::wstring path = std::wstring(kProduct) + group;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, path.c_str())) << path;
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, path.c_str()).empty()) << path;
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\WebIS\\PocketInformant"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Developer One, Inc.\\Agenda Fusion"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\today\\items\\Quillmere"));
}

TEST_F(SettingsProgram, DoneWritesWhatLoadingAndSavingCorrected) {
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays", 121);
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesStart", 4);
  for (int i = 0; i < 6; ++i)
    WriteDword(HKEY_CURRENT_USER, kCalendar, (L"CalTitlesOrder" + std::to_wstring(i)).c_str(), i == 5 ? 4 : i);
  WriteDword(HKEY_CURRENT_USER, kProduct, L"dHeightLimitLandscape", 700);
  WriteDword(HKEY_CURRENT_USER, kProduct, L"OnClick", 2);
  WriteDword(HKEY_CURRENT_USER, kProduct, L"ActiveTab", 9);
  StartWatch(30);
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  PostMessageW(window, WM_COMMAND, IDOK, 0);  // the caption OK is Done too
  ASSERT_TRUE(Ends());
  EXPECT_EQ(1, Broadcasts());
  // Everything was written when the plug-in heard of it.
  EXPECT_NE(std::wstring::npos, output_.find(L"\"TimelinesLength\"=dword:0000000e"));

  // Corrected to their defaults, so deleted.
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays"));
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kCalendar, L"CalTitlesOrder5"));
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kCalendar, L"CalTitlesOrder4"));
  EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kProduct, L"dHeightLimitLandscape"));
  // Corrected to something else, so written.
  EXPECT_EQ(14u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesLength"));
  EXPECT_EQ(REG_DWORD, ValueType(HKEY_CURRENT_USER, kCalendar, L"TimelinesLength"));
  // Untouched values stay; ActiveTab is corrected in memory but never saved by this program.
  EXPECT_EQ(4u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"TimelinesStart"));
  EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, kProduct, L"OnClick"));
  EXPECT_EQ(9u, ReadDword(HKEY_CURRENT_USER, kProduct, L"ActiveTab"));
}

// The pinned month calendar needs a height limit of ScaleX(200): 200 pixels at 96 dpi and
// 400 at 192 dpi or in double-size mode.
TEST_F(SettingsProgram, PinnedCalendarRuleFollowsTheScreenResolution) {
  struct Case {
    DWORD dpi;
    DWORD vgaMode;
    bool keeps;
  } cases[] = {{96, 0, true}, {192, 0, false}, {96, 1, false}};
  for (const Case& c : cases) {
    ResetProductRegistry();
    WriteDword(HKEY_CURRENT_USER, kDesktop, L"LogPixels", c.dpi);
    WriteDword(HKEY_CURRENT_USER, kProduct, L"dHeightLimit", 300);
    WriteDword(HKEY_CURRENT_USER, kProduct, L"MyVgaMode", c.vgaMode);
    WriteDword(HKEY_CURRENT_USER, kCalendar, L"PinnedMonthlyClr", 1);
    RunningProgram program;
    ASSERT_TRUE(program.Start(kSettingsExe, L""));
    HWND window = WaitForWindow(program.Id(), L"QM_OPTIONS", nullptr, kWait);
    ASSERT_NE(nullptr, window);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.WaitExit(kWait));
    EXPECT_EQ(c.keeps, ReadDword(HKEY_CURRENT_USER, kCalendar, L"PinnedMonthlyClr").has_value())
        << c.dpi << " dpi, MyVgaMode " << c.vgaMode;
  }
}

TEST_F(SettingsProgram, SecondInstanceLeavesTheFirstAndExits) {
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  RunningProgram second;
  ASSERT_TRUE(second.Start(kSettingsExe, L""));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(1, CountWindows(L"QM_OPTIONS"));
  EXPECT_TRUE(settings_.Running());
  EXPECT_EQ(window, GetForegroundWindow());
}

TEST_F(SettingsProgram, ExitAnsweredNoStaysAndYesLeavesWithoutSaving) {
  WriteDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays", 0);  // Done would correct it
  StartWatch(30);
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  TapBar(window, 4);  // menu view: Export, Import, Exit
  ASSERT_TRUE(WaitIdle(window));

  HWND question = TapRowForMessageBox(window, 2);
  ASSERT_NE(nullptr, question);
  EXPECT_EQ(EnglishText(613), MessageBoxText(question));
  wchar_t caption[256];
  GetWindowTextW(question, caption, 256);
  EXPECT_EQ(EnglishText(614), caption);
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  ASSERT_TRUE(WaitIdle(window));
  EXPECT_TRUE(settings_.Running());

  question = TapRowForMessageBox(window, 2);  // still the menu view
  ASSERT_NE(nullptr, question);
  PostMessageW(question, WM_COMMAND, IDYES, 0);
  DWORD code = 1;
  ASSERT_TRUE(Ends(&code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(0, Broadcasts());
  EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, kCalendar, L"dNumOfDays"));
}

TEST_F(SettingsProgram, MenuBackReturnsToThePages) {
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  TapBar(window, 4);
  ASSERT_TRUE(WaitIdle(window));
  TapBar(window, 4);  // back to the main view, whose slot 0 is Done again
  ASSERT_TRUE(WaitIdle(window));
  TapBar(window, 0);
  EXPECT_TRUE(Ends());
}

TEST_F(SettingsProgram, AboutOnTheCommandLineOpensTheAboutDialogFirst) {
  ASSERT_TRUE(settings_.Start(kSettingsExe, L"About"));
  HWND about = WaitForWindow(settings_.Id(), L"#32770", L"About Quillmere", kWait);
  ASSERT_NE(nullptr, about);
  PostMessageW(about, WM_COMMAND, IDOK, 0);
  HWND window = WaitForWindow(settings_.Id(), L"QM_OPTIONS", L"QM Options", kWait);
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(IsWindowVisible(window));
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Ends());
}

TEST_F(SettingsProgram, AboutInOtherLetterCaseIsIgnored) {
  HWND window = StartSettings(L"about");
  ASSERT_NE(nullptr, window);
  Sleep(300);
  EXPECT_EQ(nullptr, WaitForWindow(settings_.Id(), L"#32770", nullptr, 0));
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Ends());
}

TEST_F(SettingsProgram, AboutEntryOfTheListOpensTheDialog) {
  HWND window = StartSettings();
  ASSERT_NE(nullptr, window);
  POINT at = ListRow(window, 12, 96);
  RECT client;
  GetClientRect(window, &client);
  ASSERT_LT(at.y, client.bottom - 40) << "the About entry must be on screen";
  Tap(window, at.x, at.y);
  HWND about = WaitForWindow(settings_.Id(), L"#32770", L"About Quillmere", kWait);
  ASSERT_NE(nullptr, about);
  PostMessageW(about, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitIdle(window));
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Ends());
}

}  // namespace
