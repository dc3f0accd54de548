// The Fonts page driven as the user drives it, in the test process: the general tab in both
// modes, every element's colour through the picker and its font through the font dialog,
// apply size to all; then what the store saves and loads again.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/controls/colour_picker.h"
#include "settings/pages/font_dialog.h"
#include "settings/pages/fonts_page.h"
#include "settings/store/font_setting.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"
#include "tests/support/dialog_answers.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/page_host.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kFontsKey[] = L"Software\\Tessaly\\Quillmere\\Fonts";
constexpr int kFontsCommand = 7;
constexpr int kElementCount = 33;
enum GeneralTab : int { kSizeBox = 1201, kTitleSizeBox = 1203, kShadowBox = 1208, kClearTypeCheck = 1209 };

FontSetting& Font(int element) { return FontElements()[static_cast<std::size_t>(element)].font(Store()); }

// What an element holds, field by field.
struct Look {
  LONG height, weight;
  BYTE italic, underline, strikeOut;
  COLORREF colour;
  bool operator==(const Look&) const = default;
};
void PrintTo(const Look& look, std::ostream* out) {
  *out << "{height " << look.height << ", weight " << look.weight << ", italic " << int{look.italic} << ", underline "
       << int{look.underline} << ", strike-out " << int{look.strikeOut} << ", colour " << std::hex << look.colour
       << std::dec << "}";
}
Look LookOf(const FontSetting& font) {
  return {font.font.lfHeight, font.font.lfWeight, font.font.lfItalic, font.font.lfUnderline, font.font.lfStrikeOut,
          font.Colour()};
}
std::vector<Look> Looks() {
  std::vector<Look> looks;
  for (int element = 0; element < kElementCount; ++element) looks.push_back(LookOf(Font(element)));
  return looks;
}

std::wstring SecondTabCaption(const PageHost& host) {
  wchar_t text[64] = L"";
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(host.Page()->TabStrip(), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  return text;
}

// A tap on a palette cell of the colour picker; returns the cell's colour. Cells 1 and 2
// share their ids with OK and Cancel, so the tests tap the others.
COLORREF PickCell(HWND picker, int cell) {
  PressButton(picker, cell);
  return static_cast<COLORREF>(GetWindowLongPtrW(GetDlgItem(picker, cell), GWLP_USERDATA));
}

// A soft key or menu command, as the menu bar sends it.
void SendCommand(HWND window, int id) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }


class FontsPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProductRegistry(); }
  void TearDown() override {
    host_.reset();
    ResetProductRegistry();
  }
  PageHost& Open() {
    if (!host_) host_ = std::make_unique<PageHost>();
    EXPECT_NE(nullptr, host_->Open(kFontsCommand));
    return *host_;
  }
  // Saves what the page set, as Done does, and loads it again, as the next start does.
  void SaveAndReload() {
    Store().SaveAll();
    host_->Reload();
  }
  // Selects an element and taps Edit; the answerer deals with what opens.
  void Edit(int element) {
    host_->SelectListItem(kFontsElementList, element);
    host_->Click(kFontsEditButton);
  }

  std::unique_ptr<PageHost> host_;
};

TEST_F(FontsPageTest, GeneralTabRoundTripsAndTheModeRenamesTheElementsTab) {
  // The display's faces, each once, none of them vertical.
  PageHost& host = Open();
  std::vector<std::wstring> faces;
  for (int index = 0; index < host.ItemCount(kFontsFaceBox); ++index) {
    faces.push_back(host.ItemText(kFontsFaceBox, index));
    EXPECT_NE(L'@', faces.back()[0]);
    EXPECT_EQ(index, SendMessageW(host.Control(kFontsFaceBox), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(faces.back().c_str())));
  }
  ASSERT_GT(faces.size(), 1u);
  host.Close();

  // A stored face that only begins a face's name chooses the first that begins so.
  const std::wstring prefix = faces.back().substr(0, 2);
  int first = 0;
  while (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, faces[static_cast<std::size_t>(first)].c_str(), 2,
                        prefix.c_str(), 2) != CSTR_EQUAL)
    ++first;
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontGnrlSize", 12);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontGnrlTitlesSize", 40);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"UseShadowColor", 3);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"ForceClearType", 1);
  WriteString(HKEY_CURRENT_USER, kFontsKey, L"FontFaceToUse", prefix.c_str());
  host.Reload();
  Open();
  EXPECT_EQ(2, host.Selection(kSizeBox));  // "12"
  EXPECT_EQ(L"40", host.ItemText(kTitleSizeBox, host.Selection(kTitleSizeBox)));
  EXPECT_EQ(3, host.Selection(kShadowBox));
  EXPECT_TRUE(host.Checked(kClearTypeCheck));
  EXPECT_EQ(first, host.Selection(kFontsFaceBox));
  EXPECT_TRUE(host.Enabled(kSizeBox));
  EXPECT_EQ(L"Colors", SecondTabCaption(host));

  host.Click(kFontsAdvancedCheck);
  EXPECT_FALSE(host.Enabled(kSizeBox));
  EXPECT_FALSE(host.Enabled(kTitleSizeBox));
  EXPECT_EQ(L"Fonts", SecondTabCaption(host));
  EXPECT_EQ(2, TabCtrl_GetItemCount(host.Page()->TabStrip()));
  host.Choose(kSizeBox, 8);
  host.Choose(kTitleSizeBox, 0);
  host.Choose(kShadowBox, 1);
  host.Click(kClearTypeCheck);
  const int face = host.Selection(kFontsFaceBox) == 0 ? 1 : 0;
  const std::wstring faceName = host.ItemText(kFontsFaceBox, face);
  host.Choose(kFontsFaceBox, face);
  host.Close();
  SaveAndReload();
  const FontSettings& fonts = Store().fonts;
  EXPECT_EQ(18u, fonts.FontGnrlSize.value);
  EXPECT_EQ(10u, fonts.FontGnrlTitlesSize.value);
  EXPECT_EQ(1u, fonts.FontGnrlUseAdvncd.value);
  EXPECT_EQ(1u, fonts.UseShadowColor.value);
  EXPECT_EQ(std::nullopt, ReadDword(HKEY_CURRENT_USER, kFontsKey, L"ForceClearType"));
  EXPECT_EQ(faceName, fonts.FontFaceToUse.value.c_str());
  EXPECT_EQ(faceName.substr(0, LF_FACESIZE - 1), Font(5).font.lfFaceName);

  // Opened in advanced mode: sizes off, the tab named for fonts. A face the display lacks
  // leaves the box without a choice and the face as it was.
  WriteString(HKEY_CURRENT_USER, kFontsKey, L"FontFaceToUse", L"No Such Face");
  host.Reload();
  Open();
  EXPECT_TRUE(host.Checked(kFontsAdvancedCheck));
  EXPECT_FALSE(host.Enabled(kSizeBox));
  EXPECT_EQ(L"Fonts", SecondTabCaption(host));
  EXPECT_EQ(-1, host.Selection(kFontsFaceBox));
  host.Close();
  EXPECT_EQ(std::wstring(L"No Such Face"), Store().fonts.FontFaceToUse.value.c_str());
}

// Simple mode: Edit runs the colour picker; a cancelled picker keeps the colour. Fonts stay.
TEST_F(FontsPageTest, SimpleModeGivesEveryElementItsColour) {
  PageHost& host = Open();
  host.SelectTab(1);
  ASSERT_TRUE(host.Visible(kFontsElementList));
  ASSERT_TRUE(host.Visible(kFontsEditButton));
  std::vector<Look> expected = Looks();
  for (int element = 0; element < kElementCount; ++element) {
    const bool cancel = element == kElementCount - 1;
    DialogAnswers answerer;
    answerer.Then([&, element, cancel](HWND picker) {
      const COLORREF chosen = PickCell(picker, 3 + element % 47);
      SendCommand(picker, cancel ? kColourCancelCommand : kColourSelectCommand);
      if (!cancel) expected[static_cast<std::size_t>(element)].colour = chosen;
    });
    Edit(element);
    EXPECT_EQ(expected[static_cast<std::size_t>(element)], LookOf(Font(element))) << element;
    EXPECT_TRUE(Font(element).Changed()) << element;
    EXPECT_EQ(1, answerer.Answered()) << element;
  }
  host.Close();
  SaveAndReload();
  EXPECT_EQ(expected, Looks());
}

// Advanced mode: Edit runs the font dialog, which shows the element's font, takes a new size
// and style on Apply, and a colour from the picker; Cancel keeps the font but not the colour
// chosen before it.
TEST_F(FontsPageTest, AdvancedModeEditsEveryFontThroughTheDialog) {
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontGnrlUseAdvncd", 1);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontCalTaskslfHeight", 44);
  PageHost& host = Open();
  host.SelectTab(1);
  std::vector<Look> expected = Looks();
  for (int element = 0; element < kElementCount; ++element) {
    Look& look = expected[static_cast<std::size_t>(element)];
    const bool cancel = element == kElementCount - 1, withColour = element % 4 == 0 || cancel;
    DialogAnswers answerer;
    answerer.Then([&, element, cancel, withColour](HWND dialog) {
      HWND sizes = GetDlgItem(dialog, kFontSizeBox);
      const LRESULT shown = SendMessageW(sizes, CB_GETITEMDATA, SendMessageW(sizes, CB_GETCURSEL, 0, 0), 0);
      EXPECT_EQ(look.height, shown) << element;
      EXPECT_EQ(look.weight == 700, IsDlgButtonChecked(dialog, kFontBoldCheck) == BST_CHECKED) << element;
      EXPECT_EQ(look.strikeOut != 0, IsDlgButtonChecked(dialog, kFontStrikeOutCheck) == BST_CHECKED) << element;
      const int size = element % 21;
      SendMessageW(sizes, CB_SETCURSEL, static_cast<WPARAM>(size), 0);
      CheckDlgButton(dialog, kFontBoldCheck, element & 1 ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, kFontItalicCheck, element & 2 ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, kFontUnderlineCheck, element & 4 ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, kFontStrikeOutCheck, element & 8 ? BST_CHECKED : BST_UNCHECKED);
      if (!cancel) look = {10 + size, element & 1 ? 700 : 100, BYTE(element & 2 ? 1 : 0), BYTE(element & 4 ? 1 : 0),
                           BYTE(element & 8 ? 1 : 0), look.colour};
      const int command = cancel ? kFontCancelCommand : kFontApplyCommand;
      if (withColour) PressButton(dialog, kFontColourButton);
      else SendCommand(dialog, command);
      // The picker, run from the dialog: a cell, Select, then the dialog's own soft key.
      if (withColour)
        answerer.Then([&, dialog, command, element](HWND picker) {
          expected[static_cast<std::size_t>(element)].colour = PickCell(picker, 40 - element % 38);
          SendCommand(picker, kColourSelectCommand);
          SendCommand(dialog, command);
        });
    });
    Edit(element);
    EXPECT_EQ(look, LookOf(Font(element))) << element;
    EXPECT_EQ(withColour ? 2 : 1, answerer.Answered()) << element;
  }
  host.Close();
  SaveAndReload();
  EXPECT_EQ(expected, Looks());
}

TEST_F(FontsPageTest, ApplySizeToAllSparesTheContactFonts) {
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontGenerallfHeight", 20);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontContactItemslfHeight", 15);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontCalPastlfHeight", 11);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontCalPastlfColor", 0x123456);
  WriteDword(HKEY_CURRENT_USER, kFontsKey, L"FontMsgsReadlfItalic", 1);
  PageHost& host = Open();
  const std::vector<Look> before = Looks();
  // The page's soft key sends the command; answered No, nothing changes.
  HWND bar = host.Page()->MenuBar();
  ASSERT_NE(nullptr, bar);
  ASSERT_GE(SendMessageW(bar, TB_COMMANDTOINDEX, kApplySizeToAllCommand, 0), 0);
  for (const int answer : {IDNO, IDYES}) {
    DialogAnswers answerer;
    answerer.Then([answer](HWND box) { PressButton(box, answer); });
    SendMessageW(bar, WM_COMMAND, kApplySizeToAllCommand, 0);
    EXPECT_EQ(1, answerer.Answered());
    if (answer != IDNO) continue;
    EXPECT_EQ(before, Looks());
    for (int element = 0; element < kElementCount; ++element) EXPECT_FALSE(Font(element).Changed()) << element;
  }
  host.Close();
  SaveAndReload();
  const std::vector<Look> after = Looks();
  for (int element = 0; element < kElementCount; ++element) {
    Look look = before[static_cast<std::size_t>(element)];
    if (element != 0 && element != 22 && element != 23) look.height = 20;
    EXPECT_EQ(look, after[static_cast<std::size_t>(element)]) << element;
  }
  EXPECT_EQ(15u, ReadDword(HKEY_CURRENT_USER, kFontsKey, L"FontContactItemslfHeight"));
  EXPECT_EQ(std::nullopt, ReadDword(HKEY_CURRENT_USER, kFontsKey, L"FontContactTitleslfHeight"));
  EXPECT_EQ(0x123456u, ReadDword(HKEY_CURRENT_USER, kFontsKey, L"FontCalPastlfColor"));
  EXPECT_EQ(20u, ReadDword(HKEY_CURRENT_USER, kFontsKey, L"FontSEGroupingTtlslfHeight"));
}

}  // namespace
