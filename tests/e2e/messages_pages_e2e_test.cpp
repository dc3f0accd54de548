// The Messages and Special events pages of QMSettings.exe driven from outside: opened from
// the main list, every setting changed, saved with Done, then opened and closed untouched,
// which leaves the registry as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/main_window_driver.h"
#include "tests/e2e/page_program.h"
#include "tests/support/program_driver.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kMessages[] = L"Software\\Tessaly\\Quillmere\\Messages";
constexpr wchar_t kSEvents[] = L"Software\\Tessaly\\Quillmere\\SEvents";

std::wstring EntryText(HWND page, int id, int index) {
  const LRESULT length = SendTo(page, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendTo(page, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

class MessagesPagesProgram : public PageProgramTest {
 protected:
  void SetUp() override { ResetProductRegistry(); }
};

TEST_F(MessagesPagesProgram, EverySettingOfBothPagesIsSavedAndAnUntouchedPageChangesNothing) {
  {
    RunningProgram program;
    HWND page = OpenPage(program, 5, L"MessagesSettingsWin");
    ASSERT_NE(nullptr, page);
    ChooseItem(page, 1201, 0);
    for (int id = 1202; id <= 1204; ++id) ClickOn(page, id);
    ASSERT_TRUE(NextTab(page));
    ChooseItem(page, 1206, 3);
    ClickOn(page, 1207);
    ClickOn(page, 1208);
    CloseAndFinish(program, page);
  }
  ExpectKeyHoldsExactly(kMessages,
                {{L"MsgsDPadActionOverride", 0}, {L"MsgsOpenOnClick", 1}, {L"MsgsPreviewWhenOpen", 1},
                 {L"MsgsMrkReadOnPrev", 0}, {L"MsgsBreakLineStyle", 3}, {L"MsgsIncldCounters", 0},
                 {L"MsgsIncldFoldBttns", 0}},
                {});

  std::wstring chosen[4];
  {
    RunningProgram program;
    HWND page = OpenPage(program, 6, L"SEventsSettingsWin");
    ASSERT_NE(nullptr, page);
    ChooseItem(page, 1201, 0);
    ChooseItem(page, 1203, 4);
    ChooseItem(page, 1205, 2);
    ChooseItem(page, 1207, 1);
    ASSERT_TRUE(NextTab(page));
    EXPECT_EQ(L"30", EntryText(page, 1209, static_cast<int>(SendTo(page, 1209, CB_GETCURSEL))));
    ChooseItem(page, 1209, 3);
    ChooseItem(page, 1211, 7);
    // The device's categories follow the "no category" entry.
    ASSERT_LE(5, SendTo(page, 1213, CB_GETCOUNT));
    for (int box = 0; box < 4; ++box) {
      const int id = 1213 + 2 * box;
      ChooseItem(page, id, box + 1);
      chosen[box] = EntryText(page, id, box + 1);
    }
    ASSERT_TRUE(NextTab(page));
    ChooseItem(page, 1221, 0);
    ClickOn(page, 1222);
    ClickOn(page, 1223);
    CloseAndFinish(program, page);
  }
  ExpectKeyHoldsExactly(kSEvents,
                {{L"SEventDays", 0}, {L"SEAlertBeforeDays", 4}, {L"SEDateFormat", 2}, {L"SEContactFormat", 1},
                 {L"SEApptsDaySpan", 120}, {L"SEFilterAlertBeforeDays", 7}, {L"BreakLineStyle", 0},
                 {L"IncldFoldBttns", 0}, {L"IncldCounters", 0}},
                {{L"AdditionalFilterCat1", chosen[0]}, {L"AdditionalFilterCat2", chosen[1]},
                 {L"AdditionalFilterCat3", chosen[2]}, {L"AdditionalFilterCat4", chosen[3]}});

  // Opened again they show what was saved; closed untouched, they change nothing.
  const std::wstring before = DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly");
  for (const auto& [row, pageClass] : {std::pair{5, L"MessagesSettingsWin"}, std::pair{6, L"SEventsSettingsWin"}}) {
    RunningProgram program;
    HWND page = OpenPage(program, row, pageClass);
    ASSERT_NE(nullptr, page);
    if (row == 6) {
      EXPECT_EQ(3, SendTo(page, 1209, CB_GETCURSEL));
      EXPECT_EQ(4, SendTo(page, 1219, CB_GETCURSEL));
    } else {
      EXPECT_EQ(0, SendTo(page, 1201, CB_GETCURSEL));
    }
    CloseAndFinish(program, page);
  }
  EXPECT_EQ(before, DumpRegistryTree(HKEY_CURRENT_USER, L"Software\\Tessaly"));
}

}  // namespace
