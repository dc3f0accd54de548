#include "settings/pages/rename_dialog.h"

#include "platform/aygshell.h"
#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/inline_dialog.h"

namespace {

constexpr UINT kTitleText = 926;
constexpr UINT kLabelText = 1113;
constexpr UINT kCancelText = 1114;
constexpr UINT kOkText = 1115;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class RenameDialog final : public InlineDialog {
 public:
  RenameDialog(HINSTANCE instance, WideString& text, const RenameCheck& check, UINT refusalCaptionId)
      : InlineDialog(instance, false),
        text_(text),
        check_(check),
        refusalCaptionId_(refusalCaptionId),
        title_(LanguageText(kTitleText, L"Rename")) {}

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND) override {}
  const wchar_t* DialogTitle() override { return title_.c_str(); }
  void CreateControls(HWND window) override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;
  bool OnInitDialog(HWND window) override;

 private:
  void Confirm(HWND window);
  void Finish(HWND window, INT_PTR result);

  WideString& text_;
  const RenameCheck& check_;
  UINT refusalCaptionId_;
  WideString title_;
};

void RenameDialog::CreateControls(HWND window) {
  const WideString label = LanguageText(kLabelText, L"New name:");
  const WideString ok = LanguageText(kOkText, L"OK");
  const WideString cancel = LanguageText(kCancelText, L"Cancel");
  CreateControl(window, L"static", label.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, false, kRenameLabelId, 0);
  // The text goes in once the box has its width: put into a box of the starting size, it
  // would stay scrolled out of view.
  if (HWND edit = CreateEdit(window, kRenameEditId, L"", false))
    SendMessageW(edit, EM_LIMITTEXT, kRenameTextChars, 0);
  CreateButton(window, kRenameOkId, ok.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0);
  CreateButton(window, kRenameCancelId, cancel.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
}

bool RenameDialog::OnInitDialog(HWND window) {
  const bool ready = InlineDialog::OnInitDialog(window);
  // A box of its own over the page: the frame keeps it apart from the white page beneath.
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_BORDER);
  const int width = ScaleX(226);
  const int height = ScaleX(120);
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - ScaleX(113);
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - ScaleX(100);
  SetWindowPos(window, HWND_TOPMOST, x, y, width, height, SWP_FRAMECHANGED);
  SipShowIM(SIPF_ON);
  HWND edit = GetDlgItem(window, kRenameEditId);
  SetWindowTextW(edit, text_.c_str());
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
  return ready;
}

INT_PTR RenameDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kRenameOkId) {
        Confirm(window);
        return TRUE;
      }
      if (LOWORD(wParam) == kRenameCancelId) {
        Finish(window, 0);
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

void RenameDialog::Confirm(HWND window) {
  wchar_t typed[kRenameTextChars + 1] = L"";
  GetDlgItemTextW(window, kRenameEditId, typed, kRenameTextChars + 1);
  if (const UINT refusal = check_ ? check_(typed) : 0) {
    ShowLanguageMessage(window, refusal, refusalCaptionId_, MB_OK | MB_ICONEXCLAMATION);
    HWND edit = GetDlgItem(window, kRenameEditId);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return;
  }
  text_.Assign(typed);
  Finish(window, 1);
}

void RenameDialog::Finish(HWND window, INT_PTR result) {
  SipShowIM(SIPF_OFF);
  EndDialog(window, result);
}

void RenameDialog::OnPaint(HWND window) {
  PaintWhite(window);
  // The panel goes down when another window takes the screen; the box brings it back.
  SipShowIM(SIPF_ON);
}

void RenameDialog::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int margin = ScaleX(8);
  const int width = client.right - 2 * margin;
  MoveWindow(GetDlgItem(window, kRenameLabelId), margin, margin, width, ScaleX(16), TRUE);
  MoveWindow(GetDlgItem(window, kRenameEditId), margin, margin + ScaleX(18), width, ScaleX(20), TRUE);
  const int buttonWidth = ScaleX(60);
  const int buttonHeight = ScaleX(22);
  const int top = client.bottom - margin - buttonHeight;
  MoveWindow(GetDlgItem(window, kRenameCancelId), client.right - margin - buttonWidth, top, buttonWidth,
             buttonHeight, TRUE);
  MoveWindow(GetDlgItem(window, kRenameOkId), client.right - margin - 2 * buttonWidth - ScaleX(6), top, buttonWidth,
             buttonHeight, TRUE);
}

}  // namespace

bool RunRenameDialog(HINSTANCE instance, WideString& text, const RenameCheck& check, UINT refusalCaptionId) {
  RenameDialog dialog(instance, text, check, refusalCaptionId);
  return InlineDialog::Run(instance, dialog);
}
