#include "settings/controls/inline_dialog.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/ce_platform.h"
#include "settings/base/scale.h"

namespace {

constexpr DWORD kDialogStyle = 0x90C00000;    // popup, visible, caption
constexpr DWORD kEditStyle = 0x50810080;      // child, visible, border, tab stop, auto scroll
constexpr DWORD kReadOnly = 0x800;            // ES_READONLY
constexpr DWORD kStaticStyle = 0x50000002;    // child, visible, right-aligned
constexpr DWORD kListViewStyle = 0x5081C105;  // report, single selection, no header
constexpr DWORD kShellFlagsFullScreen = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;
constexpr DWORD kShellFlagsPlain = SHIDIF_SIPDOWN;

ScopedFont CreateTahoma(LONG weight) {
  LOGFONTW font{};
  font.lfHeight = ScaleX(12);
  font.lfWeight = weight;
  wcscpy(font.lfFaceName, L"Tahoma");
  return ScopedFont(CreateFontIndirectW(&font));
}

}  // namespace

InlineDialog::InlineDialog(HINSTANCE instance, bool fullScreen) : instance_(instance), fullScreen_(fullScreen) {}

InlineDialog::~InlineDialog() = default;

bool InlineDialog::Run(HINSTANCE instance, InlineDialog& dialog) {
  // No controls, no menu, default class, empty title: the dialog makes the rest in code.
  struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialogTemplate{};
  dialogTemplate.header.style = kDialogStyle;
  dialogTemplate.header.dwExtendedStyle = static_cast<DWORD>(WS_EX_CAPTIONOKBTN);
  INT_PTR result = DialogBoxIndirectParamW(instance, &dialogTemplate.header, nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(&dialog));
  // -1 is the dialog manager's failure, not a result of the dialog.
  return result != 0 && result != -1;
}

INT_PTR CALLBACK InlineDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* created = reinterpret_cast<InlineDialog*>(lParam);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
  }
  auto* dialog = reinterpret_cast<InlineDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!dialog) return FALSE;
  INT_PTR result = dialog->HandleMessage(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    dialog->window_ = nullptr;
  }
  return result;
}

INT_PTR InlineDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      OnInitDialog(window);
      // A nonzero answer makes the dialog manager focus the first tab stop; a dialog that
      // has placed the focus itself keeps it.
      HWND focus = GetFocus();
      bool placed = focus && IsChild(window, focus);
      return placed ? FALSE : fullScreen_;
    }
    case WM_PAINT: OnPaint(window); return TRUE;
    case WM_SIZE: OnSize(window); return TRUE;
    case WM_ACTIVATE:
      if (fullScreen_) SHHandleWMActivate(window, wParam, lParam, &activation_, 0);
      return TRUE;
    case WM_SETTINGCHANGE:
      if (fullScreen_) SHHandleWMSettingChange(window, wParam, lParam, &activation_);
      return TRUE;
    default: return FALSE;
  }
}

bool InlineDialog::OnInitDialog(HWND window) {
  ScaleInit(false);
  CreateDialogFonts();
  activation_ = SHACTIVATEINFO{};
  activation_.cbSize = sizeof(SHACTIVATEINFO);
  SetWindowTextW(window, DialogTitle());
  CreateMenuBar(window);
  CreateControls(window);
  SHINITDLGINFO shell{};
  shell.dwMask = SHIDIM_FLAGS;
  shell.hDlg = window;
  shell.dwFlags = fullScreen_ ? kShellFlagsFullScreen : kShellFlagsPlain;
  return SHInitDialog(&shell) != FALSE;
}

void InlineDialog::CreateDialogFonts() {
  font_ = CreateTahoma(FW_THIN);
  boldFont_ = CreateTahoma(FW_BOLD);
}

HWND InlineDialog::CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, bool bold,
                                 int id, DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, className, text, style, 1, 1, 1, 1, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(bold ? BoldFont() : Font()), TRUE);
  return control;
}

HWND InlineDialog::CreateEdit(HWND parent, int id, const wchar_t* text, bool readOnly) {
  return CreateControl(parent, L"edit", text, kEditStyle | (readOnly ? kReadOnly : 0), false, id, 0);
}

HWND InlineDialog::CreateStatic(HWND parent, int id, const wchar_t* text, bool bold) {
  return CreateControl(parent, L"static", text, kStaticStyle, bold, id, 0);
}

HWND InlineDialog::CreateListView(HWND parent, int id, DWORD extraStyle) {
  // The class is the common controls library's, which registers it on request.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  return CreateControl(parent, WC_LISTVIEWW, L"", kListViewStyle | extraStyle, false, id, 0);
}

HWND InlineDialog::CreateButton(HWND parent, int id, const wchar_t* text, DWORD style, LONG_PTR value) {
  HWND button = CreateControl(parent, L"button", text, style, false, id, 0);
  if (button && value) SetWindowLongPtrW(button, GWLP_USERDATA, value);
  return button;
}

HWND InlineDialog::CreateComboBox(HWND parent, int id, DWORD style) {
  return CreateControl(parent, L"combobox", L"", style, false, id, 0);
}

void InlineDialog::SetSoftKey(HWND bar, int index, int command, WideString& text) {
  TBBUTTONINFOW button{};
  button.cbSize = sizeof button;
  button.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_TEXT;
  button.idCommand = command;
  button.pszText = text.Raw();
  SendMessageW(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
}

HWND InlineDialog::CreateSoftKeyBar(HWND window, HINSTANCE resources, int menuId, DWORD flags, int leftCommand,
                                    WideString& leftText, int rightCommand, WideString& rightText) {
  SHMENUBARINFO info{};
  info.cbSize = sizeof info;
  info.hwndParent = window;
  info.dwFlags = flags;
  info.nToolBarId = menuId;
  info.hInstRes = resources;
  if (!SHCreateMenuBar(&info)) return nullptr;
  SetSoftKey(info.hwndMB, 0, leftCommand, leftText);
  SetSoftKey(info.hwndMB, 1, rightCommand, rightText);
  return info.hwndMB;
}

void InlineDialog::PaintWhite(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  if (dc) FillSolid(dc, client, RGB(255, 255, 255));
  EndPaint(window, &paint);
}
