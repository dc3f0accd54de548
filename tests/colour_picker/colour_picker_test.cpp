// The colour picker run for real through ChooseColour, answered from inside its modal loop
// as a user would: taps on cells, tabs and buttons, arrow keys, typed values, the soft keys
// and the menu.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/colour_picker_dialog.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_pixels.h"

namespace {

constexpr COLORREF kStart = RGB(0x99, 0x66, 0x33);
constexpr int kBand = 24;

// Runs what is queued as the dialog's own loop would, dialog keys included.
void Pump(HWND dialog, DWORD milliseconds = 60) {
  MSG message;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(5)) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (IsDialogMessageW(dialog, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

std::wstring Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
HWND Slider(HWND dialog, int channel) { return GetDlgItem(dialog, kColourFirstSliderId + channel); }
int SliderAt(HWND dialog, int channel) {
  return static_cast<int>(SendMessageW(Slider(dialog, channel), TBM_GETPOS, 0, 0));
}
std::wstring Boxes(HWND dialog) {
  return Text(dialog, kColourFirstBoxId) + L"," + Text(dialog, kColourFirstBoxId + 1) + L"," +
         Text(dialog, kColourFirstBoxId + 2);
}

void TapControl(HWND dialog, HWND control) {
  Tap(control, 3, 3);
  Pump(dialog);
}

void TapTab(HWND dialog, int view) {
  HWND strip = GetDlgItem(dialog, kColourTabStripId);
  RECT tab{};
  SendMessageW(strip, TCM_GETITEMRECT, static_cast<WPARAM>(view), reinterpret_cast<LPARAM>(&tab));
  Tap(strip, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  Pump(dialog);
}

// A key pressed on the control with the focus.
void Key(HWND dialog, UINT key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
  Pump(dialog);
}

// Replaces the box's text by typing, leaving the focus in it.
void Type(HWND dialog, int id, const wchar_t* text) {
  HWND box = GetDlgItem(dialog, id);
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  for (const wchar_t* c = text; *c; ++c) SendMessageW(box, WM_CHAR, *c, 1);
  Pump(dialog, 10);
}

// A soft key, as the menu bar passes it on.
void SoftKey(HWND dialog, int command) {
  PostMessageW(SHFindMenuBar(dialog), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}
// An entry of the Menu soft key's pop-up, as the menu sends it.
void MenuEntry(HWND dialog, int command) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  Pump(dialog);
}

// Whether the band, as the dialog prints it, holds the colour.
bool BandShows(HWND dialog, COLORREF colour) {
  RECT client;
  GetClientRect(dialog, &client);
  return PrintedAreaHolds(dialog, {0, client.bottom - kBand + 2, client.right / 2, client.bottom}, colour);
}

class ColourPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScaleSetForTest(false, 96, 96);
    Modules().languageLibrary = nullptr;
  }
  void TearDown() override { Modules().languageLibrary = nullptr; }

  // Runs the picker on `initial` with the answer; `boxes` answer the range messages.
  COLORREF Run(COLORREF initial, const std::function<void(HWND)>& answer, int boxes = 0) {
    DialogAnswers answerer(20000);
    answerer.Then(answer);
    for (int box = 0; box < boxes; ++box) {
      answerer.Then([this](HWND message) {
        messages_.push_back(WindowText(message) + L": " + MessageBoxText(message));
        PressButton(message, IDOK);
      });
    }
    const COLORREF result = ChooseColour(initial);
    EXPECT_EQ(1 + boxes, answerer.Answered()) << "the dialog and exactly the range messages";
    return result;
  }

  std::vector<std::wstring> messages_;
};

TEST_F(ColourPickerTest, PaletteArrowsTabsSlidersAndTypedValuesBuildTheColour) {
  const COLORREF result = Run(kStart, [&](HWND dialog) {
    EXPECT_EQ(L"Select Color", WindowText(dialog));
    EXPECT_TRUE(static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)) & WS_EX_CAPTIONOKBTN);
    // The Picker view, the focus on the first cell; the caller's colour everywhere.
    EXPECT_TRUE(Visible(dialog, 49));
    EXPECT_FALSE(Visible(dialog, kColourFirstSliderId));
    EXPECT_FALSE(Visible(dialog, kColourHtmlBoxId));
    EXPECT_EQ(GetDlgItem(dialog, 0), GetFocus());
    EXPECT_EQ(L"153,102,51", Boxes(dialog));
    EXPECT_EQ(L"996633", Text(dialog, kColourHtmlBoxId)) << "red first";
    EXPECT_EQ(60, SliderAt(dialog, 0));
    EXPECT_TRUE(BandShows(dialog, kStart));
    RECT client, last, strip;
    GetClientRect(dialog, &client);
    GetWindowRect(GetDlgItem(dialog, 49), &last);
    GetWindowRect(GetDlgItem(dialog, kColourTabStripId), &strip);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&last), 2);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&strip), 2);
    EXPECT_LT(last.right, client.right) << "the palette fits the width";
    EXPECT_LT(last.bottom, strip.top) << "and stands above the tab strip";

    TapControl(dialog, GetDlgItem(dialog, 21));
    EXPECT_TRUE(BandShows(dialog, 0xCC0000));
    EXPECT_EQ(L"0,0,204", Boxes(dialog));
    EXPECT_EQ(L"0000CC", Text(dialog, kColourHtmlBoxId));
    // Up and down go a row; off the palette they reach the tab strip; left and right stay
    // with the dialog.
    Key(dialog, VK_DOWN);
    EXPECT_EQ(GetDlgItem(dialog, 31), GetFocus());
    SetFocus(GetDlgItem(dialog, 45));
    Key(dialog, VK_DOWN);
    EXPECT_EQ(GetDlgItem(dialog, kColourTabStripId), GetFocus());
    SetFocus(GetDlgItem(dialog, 3));
    Key(dialog, VK_UP);
    EXPECT_EQ(GetDlgItem(dialog, kColourTabStripId), GetFocus());
    SetFocus(GetDlgItem(dialog, 5));
    Key(dialog, VK_RIGHT);
    EXPECT_EQ(GetDlgItem(dialog, 6), GetFocus());
    EXPECT_TRUE(BandShows(dialog, 0xCC0000)) << "moving the focus chooses nothing";

    TapTab(dialog, kRgbView);
    EXPECT_FALSE(Visible(dialog, 0));
    EXPECT_TRUE(Visible(dialog, kColourFirstBoxId + 2));
    EXPECT_EQ(L"Red", Text(dialog, kColourFirstLabelId));
    EXPECT_EQ(Slider(dialog, 0), GetFocus());
    Key(dialog, VK_END);
    EXPECT_EQ(L"255,0,204", Boxes(dialog)) << "the keys move the slider";
    EXPECT_EQ(L"FF00CC", Text(dialog, kColourHtmlBoxId));
    // A drag to 50 gives 127 and leaves the slider where the stylus put it; the end of the
    // drag applies nothing.
    SendMessageW(Slider(dialog, 1), TBM_SETPOS, TRUE, 50);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 50), reinterpret_cast<LPARAM>(Slider(dialog, 1)));
    SendMessageW(Slider(dialog, 1), TBM_SETPOS, TRUE, 90);
    SendMessageW(dialog, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(Slider(dialog, 1)));
    EXPECT_EQ(L"255,127,204", Boxes(dialog));
    EXPECT_TRUE(BandShows(dialog, RGB(255, 127, 204)));

    Type(dialog, kColourFirstBoxId + 2, L"128");
    Key(dialog, VK_TAB);
    EXPECT_EQ(50, SliderAt(dialog, 2));
    EXPECT_EQ(L"FF7F80", Text(dialog, kColourHtmlBoxId));
    // Out of range: the message, and the box's text before the edit.
    Type(dialog, kColourFirstBoxId + 2, L"300");
    Key(dialog, VK_TAB);
    Type(dialog, kColourFirstBoxId, L"-1");
    SetFocus(Slider(dialog, 0));
    Pump(dialog);
    EXPECT_EQ(L"255,127,128", Boxes(dialog));
    EXPECT_EQ(100, SliderAt(dialog, 0));

    // The menu: views with the current one checked, Default, Cancel.
    auto menu = reinterpret_cast<HMENU>(SendMessageW(SHFindMenuBar(dialog), SHCMBM_GETSUBMENU, 0, kColourMenuCommand));
    ASSERT_NE(nullptr, menu);
    const UINT entries[] = {1022, 1023, 1024, 0, 1021, 1020};
    ASSERT_EQ(6, GetMenuItemCount(menu));
    for (int index = 0; index < 6; ++index) EXPECT_EQ(entries[index], GetMenuItemID(menu, index)) << index;
    wchar_t entry[64] = L"";
    GetMenuStringW(menu, 1023, entry, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"HTML#", entry);
    SendMessageW(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 1);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, 1022, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(menu, 1024, MF_BYCOMMAND) & MF_CHECKED);

    MenuEntry(dialog, 1023);
    EXPECT_EQ(kHtmlView, static_cast<int>(SendMessageW(GetDlgItem(dialog, kColourTabStripId), TCM_GETCURSEL, 0, 0)));
    EXPECT_EQ(GetDlgItem(dialog, kColourHtmlBoxId), GetFocus());
    EXPECT_FALSE(Visible(dialog, kColourFirstSliderId));
    // Fields that do not scan keep their values; the box then shows what is in force.
    Type(dialog, kColourHtmlBoxId, L"12zz");
    MenuEntry(dialog, 1022);
    EXPECT_EQ(L"18,127,128", Boxes(dialog));
    EXPECT_EQ(7, SliderAt(dialog, 0));
    MenuEntry(dialog, 1023);
    EXPECT_EQ(L"127F80", Text(dialog, kColourHtmlBoxId));
    // Enter leaves the box, which is applied, and selects.
    Type(dialog, kColourHtmlBoxId, L"0a0B0c");
    Key(dialog, VK_RETURN);
  }, 2);
  EXPECT_EQ(RGB(0x0A, 0x0B, 0x0C), result);
  ASSERT_EQ(2u, messages_.size());
  EXPECT_EQ(L"Invalid value: Valid values are between 0-255", messages_[0]);
}

TEST_F(ColourPickerTest, DefaultIsAChoiceOfItsOwnUntilSomethingElseIsChosen) {
  EXPECT_EQ(kDefaultColour, Run(kStart, [&](HWND dialog) {
              TapControl(dialog, GetDlgItem(dialog, kColourDefaultButtonId));
              EXPECT_FALSE(BandShows(dialog, kStart)) << "the word Default instead of a sample";
              // Enter on the button names cell 1 (the id of OK) and still only selects.
              Key(dialog, VK_RETURN);
              if (IsWindow(dialog)) SoftKey(dialog, kColourCancelCommand);
            }));
  // From the menu while the HTML# box has the focus: leaving the box untouched keeps it.
  EXPECT_EQ(kDefaultColour, Run(kStart, [&](HWND dialog) {
              MenuEntry(dialog, 1023);
              MenuEntry(dialog, kColourDefaultCommand);
              SoftKey(dialog, kColourSelectCommand);
            }));
  // Starting on Default: white in every view, Default until a cell is chosen. Cell 2
  // shares its id with Cancel: with the focus on it, Enter still selects.
  EXPECT_EQ(0xFFCC99u, Run(kDefaultColour, [&](HWND dialog) {
              EXPECT_EQ(L"FFFFFF", Text(dialog, kColourHtmlBoxId));
              EXPECT_EQ(L"255,255,255", Boxes(dialog));
              TapControl(dialog, GetDlgItem(dialog, 2));
              Key(dialog, VK_RETURN);
              if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }));
  // A click on cell 1 that leaves the focus on cell 0 is still a tap.
  EXPECT_EQ(0xFFCCCCu, Run(kStart, [&](HWND dialog) {
              PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1)));
              PostMessageW(dialog, WM_COMMAND, IDOK, 0);  // the navigation bar's OK
            }));
}

TEST_F(ColourPickerTest, CancelAndEscapeGiveTheCancelMarkerWithoutAnyMessage) {
  Modules().languageLibrary = GetModuleHandleW(nullptr);
  EXPECT_EQ(kCancelledColour, Run(kStart, [&](HWND dialog) {
              EXPECT_EQ(L"Farbe w\u00e4hlen", WindowText(dialog)) << "the language's text";
              MenuEntry(dialog, 1022);
              EXPECT_EQ(L"Rot", Text(dialog, kColourFirstLabelId));
              EXPECT_EQ(L"Green", Text(dialog, kColourFirstLabelId + 1)) << "English where it has none";
              TapTab(dialog, kPaletteView);
              TapControl(dialog, GetDlgItem(dialog, 40));
              MenuEntry(dialog, kColourCancelCommand);
            }));
  // Escape is the dialog's Cancel, although cell 2 carries the same id; a value out of
  // range being typed is dropped silently.
  EXPECT_EQ(kCancelledColour, Run(kStart, [&](HWND dialog) {
              MenuEntry(dialog, 1022);
              Type(dialog, kColourFirstBoxId, L"300");
              Key(dialog, VK_ESCAPE);
            }));
  EXPECT_EQ(kCancelledColour, Run(kStart, [&](HWND dialog) {
              SetFocus(GetDlgItem(dialog, 2));
              Key(dialog, VK_ESCAPE);
              if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            }));
}

TEST(ColourPickerRequest, TextsComeFromTheLanguageElseInEnglish) {
  Modules().languageLibrary = nullptr;
  auto english = MakeColourPickerRequest(kStart);
  ASSERT_TRUE(english);
  EXPECT_EQ(GetModuleHandleW(nullptr), english->instance);
  EXPECT_EQ(1569u, english->menuBarId);
  EXPECT_EQ(158u, english->reserved);
  EXPECT_EQ(kPaletteView, english->initialView);
  EXPECT_TRUE(english->offerDefault);
  EXPECT_EQ(kStart, english->colour);
  const WideString* texts[] = {&english->title,      &english->cancelText,  &english->selectText,
                               &english->redLabel,   &english->greenLabel,  &english->blueLabel,
                               &english->rgbViewText, &english->paletteViewText, &english->defaultText,
                               &english->rangeText,  &english->rangeCaption, &english->bandLabel};
  const wchar_t* expected[] = {L"Select Color", L"Cancel", L"Select",  L"Red",  L"Green",
                               L"Blue",         L"RGB Values", L"Picker", L"Default",
                               L"Valid values are between 0-255", L"Invalid value", L"Selected color"};
  for (int index = 0; index < 12; ++index) EXPECT_STREQ(expected[index], texts[index]->c_str()) << index;
}

}  // namespace
