// The General page driven as the user drives it: tabs through the tab strip's
// notifications, clicks, list choices and typed text, then the records after it closed.
#include <windows.h>
#include <commctrl.h>

#include "platform/device_facts.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/file_dialog.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "tests/general_page/general_page_fixture.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/registry_probe.h"

namespace {

// Every number the page edits, with its control, a value the user sets (all different from
// the defaults) and a value seeded into the registry (a height the list lacks among them).
struct NumberRow {
  int id;
  const wchar_t* name;
  DwordSetting GeneralSettings::*record;
  DWORD set;
  DWORD seeded;
};

// In the order a user can set them: the D-pad rows while the D-pad is on.
constexpr NumberRow kRows[] = {
    {1201, L"OnClick", &GeneralSettings::OnClick, 2, 1},
    {1203, L"OnDoubleClick", &GeneralSettings::OnDoubleClick, 1, 2},
    {1206, L"AutoHeight", &GeneralSettings::AutoHeight, 0, 0},
    {1208, L"dHeightLimit", &GeneralSettings::dHeightLimit, 180, 90},
    {1210, L"dHeightLimitLandscape", &GeneralSettings::dHeightLimitLandscape, 120, 250},
    {1217, L"EnableSoundEffect", &GeneralSettings::EnableSoundEffect, 0, 0},
    {1218, L"GoofyMode", &GeneralSettings::GoofyMode, 1, 1},
    {1219, L"IndentItems", &GeneralSettings::IndentItems, 1, 1},
    {1224, L"DPadCompleteAction", &GeneralSettings::DPadCompleteAction, 0, 1},
    {1227, L"DPadDoubleClickTabSwitching", &GeneralSettings::DPadDoubleClickTabSwitching, 1, 1},
    {1226, L"DPadScrollingAction", &GeneralSettings::DPadScrollingAction, 2, 1},
    {1228, L"ExclusiveDPadNavig", &GeneralSettings::ExclusiveDPadNavig, 1, 1},
    {1220, L"DPadEnabled", &GeneralSettings::DPadEnabled, 0, 0},
    {1229, L"UseDoubleClickScroll", &GeneralSettings::UseDoubleClickScroll, 0, 0},
    {1230, L"UseFullScrollings", &GeneralSettings::UseFullScrollings, 0, 0},
    {1231, L"MyVgaMode", &GeneralSettings::MyVgaMode, 1, 1},
    {1232, L"UseThinLines", &GeneralSettings::UseThinLines, 1, 1},
    {1233, L"RemoveHighlight", &GeneralSettings::RemoveHighlight, 1, 1},
    {1235, L"LoadingDelay", &GeneralSettings::LoadingDelay, 4, 5},
};

DwordSetting& Record(const NumberRow& row) { return Store().general.*row.record; }
int TabOf(int id) { return id <= 1210 ? 0 : id <= 1219 ? 1 : id <= 1228 ? 2 : 3; }

int Top(HWND window, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(window, id), &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect.top;
}

// The device shell's soft-key bar is a window of its own, owned by the dialog it serves,
// and may be the first to be activated.
HWND FolderDialog(HWND activated) {
  return ClassName(activated) == L"#32770" ? activated : GetWindow(activated, GW_OWNER);
}

int NarrowScreen() { return 240; }
int AlmostVgaScreen() { return 479; }
int VgaScreen() { return 480; }

TEST_F(GeneralPageTest, TabsCarryTheirCaptionsAndShowOneRangeAtATime) {
  ASSERT_NE(nullptr, Open());
  HWND strip = page_->TabStrip();
  ASSERT_EQ(4, SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0));
  const UINT captions[] = {635, 1491, 1348, 642};
  const int ranges[4][2] = {{1200, 1210}, {1211, 1219}, {1220, 1228}, {1229, 1235}};
  for (int shown = 0; shown < 4; ++shown) {
    wchar_t caption[64] = L"";
    TCITEMW item{TCIF_TEXT, 0, 0, caption, 64, 0, 0};
    SendMessageW(strip, TCM_GETITEMW, shown, reinterpret_cast<LPARAM>(&item));
    WideString expected;
    LoadText(Modules().languageLibrary, captions[shown], expected);
    EXPECT_STREQ(expected.c_str(), caption);
    SelectTab(shown);
    for (int tab = 0; tab < 4; ++tab) {
      for (int id = ranges[tab][0]; id <= ranges[tab][1]; ++id) {
        if (Exists(id)) EXPECT_EQ(tab == shown, Visible(id)) << "control " << id << " with tab " << shown;
      }
    }
  }
  // The display tab's three check rows sit closer together than rows elsewhere.
  EXPECT_EQ(ScaleY(24) - ScaleY(2), Top(window_, 1218) - Top(window_, 1217));
  EXPECT_EQ(ScaleY(24) - ScaleY(2), Top(window_, 1219) - Top(window_, 1218));
  EXPECT_EQ(ScaleY(24), Top(window_, 1230) - Top(window_, 1229));
}

TEST_F(GeneralPageTest, EveryRowRoundTripsThroughItsControl) {
  AddLanguageFile(kEnglishLibrary, L"QMEngRc.dll");
  AddLanguageFile(kTestLibrary, L"QMTestRc.dll");
  ASSERT_NE(nullptr, Open());
  for (const NumberRow& row : kRows) {
    SelectTab(TabOf(row.id));
    if (row.id == 1226) Choose(1222, 1);  // the scrolling action is offered on the selector's second entry
    Put(row.id, row.set);
  }
  SelectTab(1);
  {
    ModalAnswerer answerer;
    answerer.Then([](HWND dialog) { PostMessageW(FolderDialog(dialog), WM_COMMAND, 1, 0); });
    Click(1214);
    EXPECT_EQ(1, answerer.Answered());
  }
  std::wstring folder = RememberedFolder();
  int test = ItemText(1216, 0) == L"Test Language" ? 0 : 1;
  Choose(1216, test);
  Close();

  for (const NumberRow& row : kRows) {
    EXPECT_EQ(row.set, Record(row).value) << row.name;
    EXPECT_EQ(1u, Record(row).changed) << row.name;
  }
  GeneralSettings& general = Store().general;
  EXPECT_FALSE(folder.empty());
  EXPECT_EQ(folder, general.SkinPath.value.c_str());
  EXPECT_EQ(1u, general.SkinPath.changed);
  EXPECT_EQ(LanguagePath(L"QMTestRc.dll"), general.SelectedLangResFile.value.c_str());

  // Opened again (the store is not reloaded in between), the controls show the new values.
  ASSERT_NE(nullptr, Open());
  for (const NumberRow& row : kRows) EXPECT_EQ(row.set, Shown(row.id)) << row.name;
  EXPECT_EQ(folder, Text(1212));
  EXPECT_EQ(L"Test Language", ItemText(1216, Selection(1216)));
  EXPECT_EQ(0, Selection(1222)) << "the selector starts at its first entry";
}

TEST_F(GeneralPageTest, AnUntouchedPageWritesBackWhatItShowed) {
  for (const NumberRow& row : kRows) ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, row.name, row.seeded));
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kProductKey, L"SkinPath", L"\\Skins\\Blue"));
  Reload();
  ASSERT_NE(nullptr, Open());
  for (const NumberRow& row : kRows) EXPECT_EQ(row.seeded, Shown(row.id)) << row.name;
  EXPECT_EQ(L"90", Text(1208));
  EXPECT_EQ(L"\\Skins\\Blue", Text(1212));
  Close();
  for (const NumberRow& row : kRows) EXPECT_EQ(row.seeded, Record(row).value) << row.name;
  EXPECT_STREQ(L"\\Skins\\Blue", Store().general.SkinPath.value.c_str());

  // An index with no entry (a newer plug-in's, or a damaged registry's) stays as stored.
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, L"OnClick", 7));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, L"LoadingDelay", 9));
  Reload();
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(CB_ERR, Selection(1201));
  EXPECT_EQ(CB_ERR, Selection(1235));
  Close();
  EXPECT_EQ(7u, Store().general.OnClick.value);
  EXPECT_EQ(9u, Store().general.LoadingDelay.value);
}

TEST_F(GeneralPageTest, HeightBoxesOfferTheHeightsAndTakeWhatIsTyped) {
  ASSERT_NE(nullptr, Open());
  ASSERT_EQ(27, ItemCount(1208));
  EXPECT_EQ(L"80", ItemText(1208, 0));
  EXPECT_EQ(L"100", ItemText(1208, 1));
  EXPECT_EQ(L"600", ItemText(1208, 26));
  ASSERT_EQ(28, ItemCount(1210));
  EXPECT_EQ(L"0", ItemText(1210, 0));
  EXPECT_EQ(L"80", ItemText(1210, 1));
  EXPECT_EQ(std::to_wstring(ScaleY(160)), Text(1208));
  EXPECT_EQ(L"0", Text(1210));

  Click(1206);
  Choose(1210, 4);
  EXPECT_EQ(L"140", Text(1210));
  Type(1208, L"0x50");
  Close();
  EXPECT_EQ(80u, Store().general.dHeightLimit.value);
  EXPECT_EQ(140u, Store().general.dHeightLimitLandscape.value);

  ASSERT_NE(nullptr, Open());
  Type(1208, L"010");
  Type(1210, L"abc");
  Close();
  EXPECT_EQ(8u, Store().general.dHeightLimit.value) << "C notation: octal";
  EXPECT_EQ(0u, Store().general.dHeightLimitLandscape.value);
}

TEST_F(GeneralPageTest, EnablingFollowsAutoHeightTheDPadSwitchAndTheSelector) {
  ASSERT_NE(nullptr, Open());
  auto expectEnabled = [this](std::initializer_list<int> on, std::initializer_list<int> off, const char* when) {
    for (int id : on) EXPECT_TRUE(Enabled(id)) << id << " " << when;
    for (int id : off) EXPECT_FALSE(Enabled(id)) << id << " " << when;
  };
  expectEnabled({1201, 1206}, {1207, 1208, 1209, 1210}, "automatic height");
  Click(1206);
  expectEnabled({1207, 1208, 1209, 1210}, {}, "height limits");
  Click(1206);
  expectEnabled({}, {1207, 1208, 1209, 1210}, "automatic height again");

  SelectTab(2);
  expectEnabled({1220, 1221, 1222, 1223, 1224, 1227, 1228}, {1225, 1226}, "at opening");
  Choose(1222, 1);
  expectEnabled({1221, 1222, 1225, 1226, 1228}, {1223, 1224, 1227}, "scrolling selected");
  Click(1220);
  expectEnabled({1220}, {1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228}, "D-pad off");
  Click(1220);
  expectEnabled({1221, 1222, 1225, 1226, 1228}, {1223, 1224, 1227}, "D-pad on again");
  // Only a selection change of the selector re-applies the rule.
  Click(1220);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(1222, CBN_DROPDOWN), reinterpret_cast<LPARAM>(Control(1222)));
  EXPECT_FALSE(Enabled(1225));
  Close();

  // Opening applies the rules to the stored values.
  ASSERT_NE(nullptr, Open());
  expectEnabled({1220}, {1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228}, "reopened with D-pad off");
}

TEST_F(GeneralPageTest, SkinPathIsClearedOrChosenWithTheFolderDialog) {
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kProductKey, L"SkinPath", L"\\Skins\\Blue"));
  Reload();
  ASSERT_NE(nullptr, Open());
  SelectTab(1);
  std::wstring title;
  {
    ModalAnswerer answerer;
    answerer.Then([&title](HWND dialog) {
      title = WindowText(FolderDialog(dialog));
      PostMessageW(FolderDialog(dialog), WM_COMMAND, 2, 0);
    });
    Click(1214);
    EXPECT_EQ(1, answerer.Answered());
  }
  EXPECT_EQ(L"Select Skin Path", title);
  EXPECT_EQ(L"\\Skins\\Blue", Text(1212)) << "Cancel keeps the path";

  // Closing the dialog left the page inactive; the user's next tap activates it first.
  SetActiveWindow(window_);
  {
    ModalAnswerer answerer;
    answerer.Then([](HWND dialog) { PostMessageW(FolderDialog(dialog), WM_COMMAND, 1, 0); });
    Click(1214);
    EXPECT_EQ(1, answerer.Answered());
  }
  std::wstring chosen = RememberedFolder();
  ASSERT_FALSE(chosen.empty());
  EXPECT_EQ(chosen, Text(1212));

  // Other notifications of the clear button do nothing; its click empties the path.
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(1213, 1), reinterpret_cast<LPARAM>(Control(1213)));
  EXPECT_EQ(chosen, Text(1212));
  Click(1213);
  EXPECT_EQ(L"", Text(1212));
  Close();
  EXPECT_STREQ(L"", Store().general.SkinPath.value.c_str());
  EXPECT_EQ(1u, Store().general.SkinPath.changed);
}

// Rows a device or screen lacks are not built, and their settings keep their values.
TEST_F(GeneralPageTest, SomeRowsDependOnTheSystemVersionAndTheScreenWidth) {
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, L"ExclusiveDPadNavig", 1));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, L"MyVgaMode", 1));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, L"UseThinLines", 1));
  const struct {
    DeviceOsVersion version;
    bool present;
  } systems[] = {{{3, 0}, false}, {{3, 1}, false}, {{4, 20}, false}, {{4, 21}, true}, {{5, 2}, true}};
  for (const auto& system : systems) {
    SCOPED_TRACE(testing::Message() << "CE " << system.version.major << "." << system.version.minor);
    ASSERT_TRUE(WriteDeviceOsVersion(system.version));
    Reload();
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(system.present, Exists(1228));
    SelectTab(2);
    Click(1220);  // the D-pad rule copes with the missing row
    Close();
    EXPECT_EQ(1u, Store().general.ExclusiveDPadNavig.value);
    EXPECT_EQ(system.present ? 1u : 0u, Store().general.ExclusiveDPadNavig.changed);
  }

  const struct {
    GeneralPage::ScreenWidthSource width;
    bool present;
  } screens[] = {{NarrowScreen, false}, {AlmostVgaScreen, false}, {VgaScreen, true}};
  for (const auto& screen : screens) {
    SCOPED_TRACE(testing::Message() << "screen " << screen.width());
    Reload();
    ASSERT_NE(nullptr, Open(screen.width));
    EXPECT_EQ(screen.present, Exists(1231));
    EXPECT_EQ(screen.present, Exists(1232));
    // The rows below move up into the place of missing ones.
    EXPECT_EQ(ScaleY(24) * (screen.present ? 3 : 1), Top(window_, 1233) - Top(window_, 1230));
    Close();
    for (const DwordSetting* record : {&Store().general.MyVgaMode, &Store().general.UseThinLines}) {
      EXPECT_EQ(1u, record->value);
      EXPECT_EQ(screen.present ? 1u : 0u, record->changed);
    }
  }
  // Without a stand-in the page asks the system.
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) >= 480, Exists(1231));
}

}  // namespace
