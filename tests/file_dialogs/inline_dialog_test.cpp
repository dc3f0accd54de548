// The in-code dialog base: the order of its set-up, the shell's part, fonts and creators.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ce_platform.h"
#include "platform/device_facts.h"
#include "settings/controls/inline_dialog.h"
#include "tests/support/modal_answerer.h"

namespace {

class ProbeDialog final : public InlineDialog {
 public:
  ProbeDialog(bool fullScreen, bool focusReadOnly)
      : InlineDialog(GetModuleHandleW(nullptr), fullScreen), focusReadOnly_(focusReadOnly) {}

  std::vector<std::string> calls;
  HWND label = nullptr, edit = nullptr, readOnly = nullptr, list = nullptr, button = nullptr;
  bool Active() { return Activation().fActive != 0; }

 protected:
  void CreateMenuBar(HWND) override { calls.push_back("menu bar"); }
  const wchar_t* DialogTitle() override {
    calls.push_back("title");
    return L"Probe";
  }
  void CreateControls(HWND window) override {
    calls.push_back("controls");
    label = CreateStatic(window, 10, L"Label", true);
    edit = CreateEdit(window, 11, L"typed", false);
    readOnly = CreateEdit(window, 12, L"shown", true);
    list = CreateListView(window, 13, LVS_SORTASCENDING);
    button = CreateButton(window, 14, L"Go", WS_CHILD | BS_PUSHBUTTON, 42);
    if (focusReadOnly_) SetFocus(readOnly);
  }
  void OnPaint(HWND window) override { ValidateRect(window, nullptr); }
  void OnSize(HWND) override { calls.push_back("size"); }

 private:
  bool focusReadOnly_;
};

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

TEST(InlineDialog, FullScreenDialogIsBuiltInOrderAndFillsTheWorkArea) {
  ProbeDialog dialog(true, false);
  RECT rect{};
  ModalAnswerer answerer;
  answerer.Then([&](HWND window) {
    EXPECT_EQ(L"Probe", WindowText(window));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&dialog), GetWindowLongPtrW(window, GWLP_USERDATA));
    EXPECT_EQ(window, dialog.Window());
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
    EXPECT_TRUE(dialog.Active()) << "activation goes through the shell's handler";
    EXPECT_EQ(dialog.edit, GetFocus()) << "the dialog manager focuses the first tab stop";
    GetWindowRect(window, &rect);
    // The creators' styles; every control waits at (1, 1), 1 x 1, for the dialog's layout.
    EXPECT_EQ(0x50000002, Style(dialog.label));
    EXPECT_EQ(0x5081C105 | LVS_SORTASCENDING, Style(dialog.list));
    EXPECT_EQ(WS_TABSTOP | ES_AUTOHSCROLL, Style(dialog.edit) & (WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY));
    EXPECT_TRUE(Style(dialog.readOnly) & ES_READONLY);
    EXPECT_EQ(42, GetWindowLongPtrW(dialog.button, GWLP_USERDATA));
    EXPECT_EQ(dialog.BoldFont(), reinterpret_cast<HFONT>(SendMessageW(dialog.label, WM_GETFONT, 0, 0)));
    RECT labelRect, waiting{1, 1, 2, 2};
    GetWindowRect(dialog.label, &labelRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&labelRect), 2);
    EXPECT_TRUE(EqualRect(&waiting, &labelRect));
    EndDialog(window, 7);
  });
  EXPECT_TRUE(InlineDialog::Run(GetModuleHandleW(nullptr), dialog));
  EXPECT_EQ(nullptr, dialog.Window());
  RECT area = DeviceWorkArea();
  EXPECT_TRUE(EqualRect(&area, &rect));
  ASSERT_GE(dialog.calls.size(), 4u);
  EXPECT_EQ((std::vector<std::string>{"title", "menu bar", "controls", "size"}),
            std::vector<std::string>(dialog.calls.begin(), dialog.calls.begin() + 4));

  LOGFONTW normal{}, bold{};
  GetObjectW(dialog.Font(), sizeof normal, &normal);
  GetObjectW(dialog.BoldFont(), sizeof bold, &bold);
  EXPECT_EQ(12, normal.lfHeight);
  EXPECT_EQ(100, normal.lfWeight);
  EXPECT_EQ(700, bold.lfWeight);
  EXPECT_STREQ(L"Tahoma", bold.lfFaceName);
}

TEST(InlineDialog, PlainDialogKeepsItsSizeActivationAndFocus) {
  ProbeDialog dialog(false, true);
  RECT rect{};
  ModalAnswerer answerer;
  answerer.Then([&](HWND window) {
    EXPECT_FALSE(dialog.Active()) << "the shell's handler is not asked";
    EXPECT_EQ(dialog.readOnly, GetFocus()) << "focus placed during set-up stays";
    GetWindowRect(window, &rect);
    EndDialog(window, 0);
  });
  EXPECT_FALSE(InlineDialog::Run(GetModuleHandleW(nullptr), dialog)) << "ended with result 0";
  RECT area = DeviceWorkArea();
  EXPECT_LT(rect.right - rect.left, area.right - area.left);
}

}  // namespace
