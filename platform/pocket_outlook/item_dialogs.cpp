#include "platform/pocket_outlook/item_dialogs.h"

#include <string>
#include <vector>

#include "platform/aygshell.h"
#include "platform/pim_dates.h"
#include "platform/pimstore.h"
#include "platform/pocket_outlook/server_module.h"

namespace {

constexpr wchar_t kDialogClass[] = L"Dialog";
constexpr int kTitleField = 100;

struct DialogContext {
  ItemState* item;        // the editor's item
  const ItemState* shown;  // what the window shows
  HRESULT saved = S_OK;
};

// The class is registered while a window of it is open: a server DLL that COM unloads must
// not leave a class behind whose procedure points into freed code.
int g_openDialogs = 0;

bool AcquireDialogClass() {
  if (g_openDialogs++ > 0) return true;
  WNDCLASSW windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = DefDlgProcW;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = ServerModule();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  windowClass.lpszClassName = kDialogClass;
  if (RegisterClassW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return true;
  --g_openDialogs;
  return false;
}

void ReleaseDialogClass() {
  if (--g_openDialogs == 0) UnregisterClassW(kDialogClass, ServerModule());
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring DateLine(const wchar_t* label, DATE date) {
  return std::wstring(label) + (date == DATE_NONE ? L"None" : Widen(FormatDate(date, false)));
}

const wchar_t* KindTitle(PimItemKind kind) {
  switch (kind) {
    case PimItemKind::Appointment: return L"Appointment";
    case PimItemKind::Task: return L"Task";
    case PimItemKind::Contact: return L"Contact";
  }
  return L"Item";
}

// What the window lists below the title field.
std::vector<std::wstring> DetailLines(const ItemState& item) {
  std::vector<std::wstring> lines;
  switch (item.Kind()) {
    case PimItemKind::Appointment:
      lines.push_back(DateLine(L"Starts: ", item.Date(PIMPR_START)));
      lines.push_back(DateLine(L"Ends: ", item.Date(PIMPR_END)));
      break;
    case PimItemKind::Task:
      lines.push_back(DateLine(L"Starts: ", item.Date(PIMPR_START_DATE)));
      lines.push_back(DateLine(L"Due: ", item.Date(PIMPR_DUE_DATE)));
      break;
    case PimItemKind::Contact:
      lines.push_back(L"Notes: " + item.Text(PIMPR_BODY_TEXT));
      break;
  }
  lines.push_back(L"Categories: " + item.Text(PIMPR_CATEGORIES));
  return lines;
}

HWND AddControl(HWND dialog, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& at, int id) {
  HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                 at.right - at.left, at.bottom - at.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ServerModule(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

// The title row sits where the device's editor has its subject field, under the point the
// caller's stylus tap lands on (31 % across, 9 % down the screen) when that is inside.
void BuildControls(HWND dialog, const DialogContext& context) {
  RECT client;
  GetClientRect(dialog, &client);
  HDC dc = GetDC(dialog);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc) ReleaseDC(dialog, dc);
  const int row = MulDiv(24, dpi, 96), margin = MulDiv(6, dpi, 96);
  POINT tap = {MulDiv(GetSystemMetrics(SM_CXSCREEN), 20000, 65536), MulDiv(GetSystemMetrics(SM_CYSCREEN), 6000, 65536)};
  ScreenToClient(dialog, &tap);
  int top = margin;
  if (tap.y - row / 2 > margin && tap.y + row < client.bottom / 2) top = tap.y - row / 2;

  const bool editing = context.item != nullptr;
  const ItemState& item = *context.shown;
  const int labelRight = client.right * 27 / 100;
  AddControl(dialog, L"Static", item.Kind() == PimItemKind::Contact ? L"Name:" : L"Subject:", SS_LEFT,
             RECT{margin, top + margin / 2, labelRight, top + row}, -1);
  const RECT field{client.right * 29 / 100, top, client.right - margin, top + row};
  const std::wstring title = item.Text(item.TitleProperty());
  if (editing)
    AddControl(dialog, L"Edit", title.c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, field, kTitleField);
  else
    AddControl(dialog, L"Static", title.c_str(), SS_LEFT | SS_NOPREFIX, field, kTitleField);

  int y = top + row + margin;
  for (const std::wstring& line : DetailLines(item)) {
    AddControl(dialog, L"Static", line.c_str(), SS_LEFT | SS_NOPREFIX, RECT{margin, y, client.right - margin, y + row}, -1);
    y += row;
  }

  const int buttonWidth = MulDiv(72, dpi, 96);
  const RECT ok{client.right - margin - buttonWidth, client.bottom - margin - row, client.right - margin,
                client.bottom - margin};
  if (editing) {
    AddControl(dialog, L"Button", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               RECT{ok.left - margin - buttonWidth, ok.top, ok.left - margin, ok.bottom}, IDCANCEL);
  }
  AddControl(dialog, L"Button", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, ok, IDOK);
}

INT_PTR CALLBACK ItemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* context = reinterpret_cast<DialogContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      context = reinterpret_cast<DialogContext*>(lParam);
      SHINITDLGINFO init{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
      SHInitDialog(&init);
      BuildControls(dialog, *context);
      if (context->item) {
        HWND field = GetDlgItem(dialog, kTitleField);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return FALSE;
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        if (context && context->item) {
          HWND field = GetDlgItem(dialog, kTitleField);
          std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
          text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
          context->item->SetText(context->item->TitleProperty(), text.c_str());
          context->saved = context->item->Save();
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL && context && context->item) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

// An in-memory template naming the "Dialog" class, without controls: they are made at
// WM_INITDIALOG, sized to the screen.
std::vector<WORD> DialogTemplate(const wchar_t* title) {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  words.push_back(0);  // no menu
  for (const wchar_t* at = kDialogClass; *at; ++at) words.push_back(static_cast<WORD>(*at));
  words.push_back(0);
  for (const wchar_t* at = title; *at; ++at) words.push_back(static_cast<WORD>(*at));
  words.push_back(0);
  if (words.size() % 2) words.push_back(0);
  return words;
}

HRESULT RunDialog(HWND owner, DialogContext& context) {
  if (!AcquireDialogClass()) return E_FAIL;
  std::vector<WORD> words = DialogTemplate(KindTitle(context.shown->Kind()));
  INT_PTR result = DialogBoxIndirectParamW(ServerModule(), reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                                           ItemDialogProc, reinterpret_cast<LPARAM>(&context));
  ReleaseDialogClass();
  if (result == -1 || result == 0) return E_FAIL;
  return context.saved;
}

}  // namespace

HRESULT RunItemEditor(HWND owner, ItemState& item) {
  DialogContext context{&item, &item};
  return RunDialog(owner, context);
}

HRESULT RunItemViewer(HWND owner, const ItemState& item) {
  DialogContext context{nullptr, &item};
  return RunDialog(owner, context);
}
