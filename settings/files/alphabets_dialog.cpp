#include "settings/files/alphabets_dialog.h"

#include <commctrl.h>

#include "platform/aygshell.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/inline_dialog.h"
#include "settings/files/contact_alphabets.h"

namespace {

// Check boxes, full-row select, and no horizontal scroll bar (CE's LVS_EX_NOHSCROLL).
constexpr DWORD kListExtendedStyle = 0x10000024;
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct BuiltInAlphabet {
  const wchar_t* name;
  DWORD bit;
};
constexpr BuiltInAlphabet kBuiltIn[] = {{L"Latin", 1}, {L"Cyrillic", 2}, {L"Hebrew", 4}, {L"Greek", 8}};

class AlphabetsDialog final : public InlineDialog {
 public:
  AlphabetsDialog(HINSTANCE instance, HFONT font, DWORD activeLanguages)
      : InlineDialog(instance, true), font_(font), active_(activeLanguages), okText_(L"OK"), cancelText_(L"Cancel") {}

  int Result() const { return result_; }

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override { return L"Alphabets"; }
  void CreateControls(HWND window) override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;

 private:
  void FillList();
  void Finish(HWND window, int result);
  void OnDestroy();

  HFONT font_;
  DWORD active_;
  int result_ = -1;
  WideString okText_;
  WideString cancelText_;
  HWND menuBar_ = nullptr;
  HWND label_ = nullptr;
  HWND list_ = nullptr;
};

void AlphabetsDialog::CreateMenuBar(HWND window) {
  menuBar_ = CreateSoftKeyBar(window, Instance(), kAlphabetsMenuId, SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON,
                              kAlphabetsOkCommand, okText_, kAlphabetsCancelCommand, cancelText_);
}

void AlphabetsDialog::CreateControls(HWND window) {
  label_ = CreateControl(window, L"static", L"Select active alphabets", WS_CHILD | WS_VISIBLE | SS_LEFT, false,
                         kAlphabetsLabelId, 0);
  list_ = CreateListView(window, kAlphabetsListId, 0);
  // The page's font, not the dialog's own.
  if (font_) {
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  if (!list_) return;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kListExtendedStyle, kListExtendedStyle);
  SendMessageW(list_, LVM_DELETECOLUMN, 0, 0);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  WideString heading(L"Available alphabets");
  column.pszText = heading.Raw();
  column.cx = 1;  // widened to the list in OnSize
  SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  FillList();
}

void AlphabetsDialog::FillList() {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  for (const BuiltInAlphabet& alphabet : kBuiltIn) {
    WideString name(alphabet.name);
    item.iItem = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = name.Raw();
    item.lParam = static_cast<LPARAM>(alphabet.bit);
    const LRESULT index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0) continue;
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK((active_ & alphabet.bit) != 0 ? 2 : 1);
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  }
  ListCustomAlphabets(list_, LVITEMW{});
}

INT_PTR AlphabetsDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kAlphabetsOkCommand) {
        Finish(window, list_ ? ConfirmAlphabets(list_) : static_cast<int>(active_));
        return TRUE;
      }
      if (LOWORD(wParam) == kAlphabetsCancelCommand) {
        Finish(window, -1);
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY: OnDestroy(); return TRUE;
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

void AlphabetsDialog::Finish(HWND window, int result) {
  result_ = result;
  EndDialog(window, 1);
}

void AlphabetsDialog::OnDestroy() {
  if (list_) DestroyWindow(list_);
  if (label_) DestroyWindow(label_);
  if (menuBar_) DestroyWindow(menuBar_);
  list_ = label_ = menuBar_ = nullptr;
}

void AlphabetsDialog::OnPaint(HWND window) {
  PaintWhite(window);
}

void AlphabetsDialog::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int x = ScaleX(10);
  const int width = client.right - ScaleX(20);
  const int listTop = ScaleX(8) + ScaleY(22);
  if (label_) MoveWindow(label_, x, ScaleX(8), width, ScaleY(20), TRUE);
  if (!list_) return;
  MoveWindow(list_, x, listTop, width, client.bottom - ScaleY(28) - listTop, TRUE);
  RECT inside{};
  GetClientRect(list_, &inside);
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, inside.right);
}

}  // namespace

int ChooseAlphabets(HINSTANCE instance, HFONT font, DWORD activeLanguages) {
  AlphabetsDialog dialog(instance, font, activeLanguages);
  if (!InlineDialog::Run(instance, dialog)) return -1;
  return dialog.Result();
}
