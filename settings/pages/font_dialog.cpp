#include "settings/pages/font_dialog.h"

#include "platform/aygshell.h"
#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/inline_dialog.h"

namespace {

constexpr int kSmallestSize = 10;
constexpr int kLargestSize = 30;
constexpr LONG kBold = FW_BOLD;
constexpr LONG kThin = FW_THIN;
constexpr DWORD kCheckStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT;
constexpr DWORD kSizeBoxStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

class FontDialog final : public InlineDialog {
 public:
  FontDialog(HINSTANCE instance, const wchar_t* title, LOGFONTW& font, COLORREF& colour)
      : InlineDialog(instance, true),
        title_(title),
        description_(font),
        colour_(colour),
        applyText_(LanguageText(1115, L"Apply")),
        cancelText_(LanguageText(1114, L"Cancel")),
        noColourText_(LanguageText(915, L"Default")) {}

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override { return title_.c_str(); }
  void CreateControls(HWND window) override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;

 private:
  void FillSizes(HWND box) const;
  void ChooseColourHere(HWND window);
  void Apply(HWND window);
  RECT ColourBox(HWND window) const;

  WideString title_;
  LOGFONTW& description_;
  COLORREF& colour_;
  WideString applyText_;
  WideString cancelText_;
  WideString noColourText_;
};

void FontDialog::CreateMenuBar(HWND window) {
  CreateSoftKeyBar(window, Instance(), kFontDialogMenuId, SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON, kFontApplyCommand,
                   applyText_, kFontCancelCommand, cancelText_);
}

void FontDialog::CreateControls(HWND window) {
  CreateStatic(window, kFontSizeLabel, LanguageText(1121, L"Size:").c_str(), false);
  HWND sizes = CreateComboBox(window, kFontSizeBox, kSizeBoxStyle);
  struct Check {
    int id;
    UINT textId;
    const wchar_t* english;
    bool checked;
  };
  // Bolder than bold shows as bold rather than as thin, so that Apply keeps it bold.
  const Check checks[] = {
      {kFontBoldCheck, 1118, L"Bold", description_.lfWeight >= kBold},
      {kFontItalicCheck, 1117, L"Italic", description_.lfItalic != 0},
      {kFontUnderlineCheck, 1119, L"Underline", description_.lfUnderline != 0},
      {kFontStrikeOutCheck, 1120, L"Strikeout", description_.lfStrikeOut != 0},
  };
  for (const Check& check : checks) {
    HWND box = CreateButton(window, check.id, LanguageText(check.textId, check.english).c_str(), kCheckStyle, 0);
    if (box) SendMessageW(box, BM_SETCHECK, check.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  CreateStatic(window, kFontColourLabel, LanguageText(1116, L"Color:").c_str(), false);
  CreateButton(window, kFontColourButton, LanguageText(861, L"Choose").c_str(), kButtonStyle, 0);
  if (sizes) FillSizes(sizes);
}

// "10" to "30" with the number as item data; a height the list lacks is added and chosen,
// so that Apply never turns it into another size.
void FontDialog::FillSizes(HWND box) const {
  WideString text;
  LRESULT chosen = CB_ERR;
  auto add = [&](LONG size) {
    if (!text.Format(L"%ld", static_cast<long>(size))) return;
    const LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return;
    SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(size));
    if (size == description_.lfHeight) chosen = index;
  };
  for (int size = kSmallestSize; size <= kLargestSize; ++size) add(size);
  if (chosen == CB_ERR) add(description_.lfHeight);
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void FontDialog::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int right = client.right;
  const int top = ScaleY(8);
  auto place = [window](int id, int x, int y, int width, int height) {
    if (HWND control = GetDlgItem(window, id)) MoveWindow(control, x, y, width, height, TRUE);
  };
  place(kFontSizeLabel, 0, top + ScaleX(3), right - ScaleX(140), ScaleX(20));
  place(kFontSizeBox, right - ScaleX(135), top, ScaleX(125), ScaleX(100));
  const int checks[] = {kFontBoldCheck, kFontItalicCheck, kFontUnderlineCheck, kFontStrikeOutCheck};
  int y = top;
  for (int id : checks) {
    y += ScaleY(24);
    place(id, ScaleX(10), y, right - ScaleX(20), ScaleX(20));
  }
  y += ScaleY(24);
  place(kFontColourLabel, 0, y + ScaleX(3), right - ScaleX(110), ScaleX(20));
  place(kFontColourButton, right - ScaleX(50), y, ScaleX(40), ScaleX(20));
  InvalidateRect(window, nullptr, TRUE);
}

RECT FontDialog::ColourBox(HWND window) const {
  RECT client{};
  GetClientRect(window, &client);
  const int left = client.right - ScaleX(100), top = ScaleX(128);
  return RECT{left, top, left + ScaleX(40), top + ScaleX(20)};
}

void FontDialog::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) {
    RECT client{};
    GetClientRect(window, &client);
    FillSolid(dc, client, RGB(255, 255, 255));
    const RECT frame = ColourBox(window);
    FillSolid(dc, frame, RGB(0, 0, 0));
    RECT inner = frame;
    InflateRect(&inner, -ScaleX(1), -ScaleX(1));
    if (colour_ != kDefaultColour) {
      FillSolid(dc, inner, colour_);
    } else {
      FillSolid(dc, inner, RGB(255, 255, 255));
      ScopedSelectObject font(dc, Font());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      DrawTextW(dc, noColourText_.c_str(), -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
  EndPaint(window, &paint);
}

void FontDialog::ChooseColourHere(HWND window) {
  const COLORREF chosen = ChooseColour(colour_);
  if (chosen == kCancelledColour) return;
  colour_ = chosen;
  InvalidateRect(window, nullptr, TRUE);
}

void FontDialog::Apply(HWND window) {
  auto checked = [window](int id) { return (SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0; };
  description_.lfItalic = checked(kFontItalicCheck) ? 1 : 0;
  description_.lfUnderline = checked(kFontUnderlineCheck) ? 1 : 0;
  description_.lfWeight = checked(kFontBoldCheck) ? kBold : kThin;
  description_.lfStrikeOut = checked(kFontStrikeOutCheck) ? 1 : 0;
  const LRESULT index = SendDlgItemMessageW(window, kFontSizeBox, CB_GETCURSEL, 0, 0);
  if (index >= 0)
    description_.lfHeight = static_cast<LONG>(SendDlgItemMessageW(window, kFontSizeBox, CB_GETITEMDATA,
                                                           static_cast<WPARAM>(index), 0));
}

INT_PTR FontDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kFontApplyCommand:
          Apply(window);
          EndDialog(window, 1);
          return TRUE;
        case kFontCancelCommand: EndDialog(window, 0); return TRUE;
        case kFontColourButton:
          if (HIWORD(wParam) == BN_CLICKED) ChooseColourHere(window);
          return TRUE;
        default: break;
      }
      break;
    // Labels and check boxes sit on the dialog's white.
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

}  // namespace

bool RunFontDialog(HINSTANCE instance, const wchar_t* title, LOGFONTW& font, COLORREF& colour) {
  FontDialog dialog(instance, title, font, colour);
  return InlineDialog::Run(instance, dialog);
}
