// Icon markers on a page: taps, the tooltip and its timers, painting, the single-choice menu
// and the three-marker row.
#include "settings/toolkit/icon_marker.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/controls/colour_mix.h"
#include "settings/controls/planar_image.h"
#include "tests/support/modal_answerer.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

using Reports = std::vector<std::pair<WPARAM, LPARAM>>;
constexpr UINT kCaptions[] = {859, 856, 915, 634};  // "Clear", "Browse", "Default", "No Selection"
constexpr DWORD kIds[] = {1, 2, 4, 8};
constexpr COLORREF kIconColours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
constexpr UINT kNotify = 7;

class MarkerTest : public ToolkitTest {
 protected:
  void SetUp() override { Build(96); }
  void Build(int dpi) {
    Prepare(dpi);
    ASSERT_NE(Open(0), nullptr);
    for (int index = 0; index < 4; ++index) {
      ASSERT_EQ(MakeSolidImage(images_[index], 6, 6, kIconColours[index], 255), S_OK);
      icons_[index] = &images_[index];
    }
  }
  HWND Make(IconMarker& marker, bool singleChoice, DWORD value) {
    return CreateIconMarker(marker, GetModuleHandleW(nullptr), window_, 20, 30, kNotify, singleChoice, kCaptions, kIds,
                            icons_, 4, value, 1250);
  }
  static void Tap(HWND marker, int x, int y = 8) { SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  static void Release(HWND marker) { SendMessageW(marker, WM_LBUTTONUP, 0, 0); }
  static void Print(HWND window, Canvas& canvas) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  }

  PlanarImage images_[4];
  const PlanarImage* icons_[4] = {};
};

TEST_F(MarkerTest, TapsToggleFreeItemsAndEveryTapIsReported) {
  IconMarker marker;
  HWND window = Make(marker, false, 1 | 4);
  ASSERT_EQ(GetDlgItem(window_, 1250), window);
  EXPECT_EQ(MarkerValue(marker), 5u);
  Tap(window, 16 + 3);
  Release(window);
  Tap(window, 3);
  Release(window);
  EXPECT_EQ(MarkerValue(marker), 2u | 4u);

  // A blocked item keeps its state but still explains itself.
  MarkerSetBlocked(marker, 4);
  Tap(window, 2 * 16 + 5);
  EXPECT_EQ(MarkerValue(marker), 2u);
  EXPECT_EQ(marker.Item(2).state, MarkerState::Blocked);
  ASSERT_NE(marker.ToolTip().Window(), nullptr);
  EXPECT_EQ(std::wstring(marker.ToolTip().Text()), English(915));
  Release(window);

  // Right of the last item: only the report.
  Tap(window, 4 * 16 + 3);
  EXPECT_EQ(MarkerValue(marker), 2u);
  EXPECT_EQ(marker.ToolTip().Window(), nullptr);
  EXPECT_EQ(page_->markerClicks, Reports(4, {0, kNotify}));

  MarkerSetOff(marker, 2);
  EXPECT_EQ(MarkerValue(marker), 0u);
}

TEST_F(MarkerTest, ToolTipSitsAboveAndLeftOfTheStylusAndShowsWhileHeld) {
  IconMarker marker;
  HWND window = Make(marker, false, 0);
  Tap(window, 16 + 4, 9);
  HWND tip = marker.ToolTip().Window();
  ASSERT_NE(tip, nullptr);
  EXPECT_FALSE(IsWindowVisible(tip));
  EXPECT_EQ(ClassName(tip), L"ToolTipWindow");
  POINT stylus{16 + 4, 9};
  ClientToScreen(window, &stylus);
  const auto place = Place(tip);
  EXPECT_EQ(place[0] + place[2], stylus.x - 2);
  EXPECT_EQ(place[1] + place[3], stylus.y - 2);
  Canvas canvas(place[2], place[3], RGB(1, 2, 3));
  Print(tip, canvas);
  EXPECT_EQ(canvas.Pixel(0, 0), 0x140A14u);
  EXPECT_EQ(canvas.Pixel(1, 1), 0xDCF6F7u);
  const RECT inner{1, 1, place[2] - 1, place[3] - 1};
  EXPECT_GT(canvas.CountOther(inner, 0xDCF6F7), 10) << "the caption";
  // Sized to the text with a margin of 5 on either side.
  EXPECT_EQ(canvas.CountOther(RECT{1, 1, 4, place[3] - 1}, 0xDCF6F7), 0);
  EXPECT_GT(canvas.CountOther(RECT{4, 1, 9, place[3] - 1}, 0xDCF6F7), 0);

  // Held: the 350 ms timer shows it; the 3.2 s timer takes it and its class away.
  PumpFor(500);
  EXPECT_TRUE(IsWindowVisible(tip));
  EXPECT_TRUE(KillTimer(window, 9980));
  SendMessageW(window, WM_TIMER, 9980, 0);
  EXPECT_FALSE(IsWindow(tip));
  WNDCLASSW info{};
  EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), L"ToolTipWindow", &info));

  // Released early: it never shows.
  Tap(window, 3);
  tip = marker.ToolTip().Window();
  Release(window);
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_FALSE(KillTimer(window, 9979));

  // Shown, then released.
  Tap(window, 3);
  tip = marker.ToolTip().Window();
  SendMessageW(window, WM_TIMER, 9979, 0);
  EXPECT_TRUE(IsWindowVisible(tip));
  Release(window);
  EXPECT_FALSE(IsWindow(tip));
}

TEST_F(MarkerTest, CellsShowChosenOffAndBlockedItemsAndASingleChoiceOnlyItsOwn) {
  IconMarker marker;
  HWND window = Make(marker, false, 1);
  MarkerSetBlocked(marker, 4);
  EXPECT_FALSE(HasStyle(window, WS_VISIBLE));
  EXPECT_EQ(Place(window), (std::vector<int>{20, 30, 1 + 4 * 16, 17}));
  Canvas canvas(1 + 4 * 16, 17, RGB(1, 2, 3));
  Print(window, canvas);
  for (POINT frame : {POINT{0, 0}, POINT{16, 8}, POINT{32, 8}, POINT{64, 8}, POINT{8, 16}})
    EXPECT_EQ(canvas.Pixel(frame.x, frame.y), 0x321414u) << frame.x << "," << frame.y;
  EXPECT_EQ(canvas.Pixel(1, 1), 0xAA5A50u);
  EXPECT_EQ(canvas.Pixel(8, 8), kIconColours[0]);
  EXPECT_EQ(canvas.Pixel(17, 1), 0xF3F3F3u);
  EXPECT_EQ(canvas.Pixel(24, 8), kIconColours[1]);
  EXPECT_EQ(canvas.Pixel(33, 1), MixColour(0xBEBEBE, 0xF3F3F3, 200));
  EXPECT_EQ(canvas.Pixel(40, 8), MixColour(0xBEBEBE, kIconColours[2], 200));

  window = Make(marker, true, 4);
  EXPECT_EQ(Place(window), (std::vector<int>{20, 30, 17, 17}));
  Print(window, canvas);
  EXPECT_EQ(canvas.Pixel(1, 1), 0xF3F3F3u);
  EXPECT_EQ(canvas.Pixel(8, 8), kIconColours[2]);
  window = Make(marker, true, 0);
  EXPECT_EQ(MarkerValue(marker), 0u);
  Print(window, canvas);
  EXPECT_EQ(canvas.Pixel(8, 8), 0xF3F3F3u);
}

// ---- The single-choice menu, visited from inside its modal loop

struct MenuVisit {
  std::vector<std::wstring> texts;
  std::vector<UINT> commands;
  std::vector<bool> checked;
  std::function<void(HWND)> act;
};
MenuVisit* g_visit = nullptr;

void CALLBACK VisitMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow) || !g_visit) return;
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  for (int index = 0; index < GetMenuItemCount(menu); ++index) {
    wchar_t text[64] = L"";
    GetMenuStringW(menu, static_cast<UINT>(index), text, 64, MF_BYPOSITION);
    g_visit->texts.push_back(text);
    g_visit->commands.push_back(GetMenuItemID(menu, index));
    g_visit->checked.push_back(GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION) & MF_CHECKED);
  }
  g_visit->act(menuWindow);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EndMenu();
}

// The keys a user would press: down to the entry, then Enter.
std::function<void(HWND)> Pick(int entry) {
  return [entry](HWND menuWindow) {
    for (int press = 0; press <= entry; ++press) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
  };
}

MenuVisit TapMenu(HWND marker, std::function<void(HWND)> act) {
  MenuVisit visit{{}, {}, {}, std::move(act)};
  g_visit = &visit;
  SetTimer(nullptr, 0, 20, VisitMenu);
  const UINT_PTR safety = SetTimer(nullptr, 0, 5000, GiveUp);
  SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  KillTimer(nullptr, safety);
  g_visit = nullptr;
  PumpFor(50);  // the chosen command arrives posted
  return visit;
}

TEST_F(MarkerTest, MenuOffersNoneAndEveryItemAndReportsTheChoice) {
  IconMarker marker;
  HWND window = Make(marker, true, 4);
  const MenuVisit visit = TapMenu(window, Pick(4));
  EXPECT_EQ(visit.texts, (std::vector<std::wstring>{English(1087), English(859), English(856), English(915), English(634)}));
  EXPECT_EQ(visit.commands, (std::vector<UINT>{0, 1144, 1145, 1146, 1147}));
  EXPECT_EQ(visit.checked, (std::vector<bool>{false, false, false, true, false}));
  EXPECT_EQ(MarkerValue(marker), 8u);

  TapMenu(window, Pick(0));
  EXPECT_EQ(MarkerValue(marker), 0u);
  EXPECT_EQ(TapMenu(window, [](HWND) { EndMenu(); }).checked, (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(page_->markerChoices, (Reports{{8, kNotify}, {0, kNotify}}));
  EXPECT_TRUE(page_->markerClicks.empty());
}

TEST_F(MarkerTest, CommandsOutsideTheItemRangeAreIgnored) {
  IconMarker marker;
  HWND window = Make(marker, true, 2);
  SendMessageW(window, WM_COMMAND, 1144 + 31, 0);
  SendMessageW(window, WM_COMMAND, 1143, 0);
  EXPECT_EQ(MarkerValue(marker), 2u);
  SendMessageW(window, WM_COMMAND, 1144 + 30, 0);  // in range, but no such item
  EXPECT_EQ(MarkerValue(marker), 0u);
  EXPECT_EQ(page_->markerChoices, (Reports{{0, kNotify}}));
}

// ---- The three-marker row

class MarkerRowTest : public MarkerTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override { Build(GetParam()); }
};

TEST_P(MarkerRowTest, ChoicesBlockTheirItemInTheFlagsMarkerBelow) {
  IconMarker first, flags, third;
  const int y = 10;
  EXPECT_EQ(AddIconMarkerRow(*page_, window_, {1240, 859, &first, 1241, 1, 2}, {1242, 856, &flags, 1243, 3, 1 | 2 | 8},
                             {1244, 915, &third, 1245, 2, 8}, {kCaptions, kIds, icons_, 4}, y),
            S(42));
  EXPECT_TRUE(first.SingleChoice() && third.SingleChoice() && !flags.SingleChoice());
  EXPECT_EQ(MarkerValue(first), 2u);
  EXPECT_EQ(MarkerValue(third), 8u);
  EXPECT_EQ(MarkerValue(flags), 1u);
  Tap(flags.Window(), S(16) + 3);
  EXPECT_EQ(MarkerValue(flags), 1u);
  EXPECT_EQ(flags.Item(3).state, MarkerState::Blocked);

  const int flagsRight = S(100) + S(1) + 4 * S(16);
  EXPECT_EQ(Place(Control(1243)), (std::vector<int>{S(100), y + S(21), flagsRight - S(100), S(17)}));
  EXPECT_EQ(Place(Control(1241)), (std::vector<int>{S(100), y, S(17), S(17)}));
  EXPECT_EQ(Place(Control(1245)), (std::vector<int>{flagsRight - S(17), y, S(17), S(17)}));
  EXPECT_EQ(Place(Control(1242)), (std::vector<int>{0, y + S(23), S(98), S(18)}));
  EXPECT_EQ(Place(Control(1240)), (std::vector<int>{0, y + S(2), S(98), S(18)}));
  EXPECT_EQ(Place(Control(1244)), (std::vector<int>{flagsRight - S(106), y + S(2), S(83), S(18)}));
  EXPECT_TRUE(HasStyle(Control(1244), SS_RIGHT));
  EXPECT_EQ(Text(Control(1244)), English(915));
}

INSTANTIATE_TEST_SUITE_P(Dpi, MarkerRowTest, ::testing::Values(96, 192));

}  // namespace
