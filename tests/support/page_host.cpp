#include "tests/support/page_host.h"

#include <commctrl.h>

#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/shell/page_factory.h"
#include "settings/shell/shell_fonts.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"

namespace {

constexpr wchar_t kEnglish[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";
constexpr wchar_t kResolution[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LowDpiRes.dll";

}  // namespace

PageHost::PageHost() {
  ScaleSetForTest(false, 96, 96);
  ProgramModules& modules = Modules();
  modules.instance = GetModuleHandleW(nullptr);
  modules.resolutionLibrary = LoadLibraryW(kResolution);
  modules.languageLibrary = LoadLibraryW(kEnglish);
  ShellState& shell = Shell();
  if (!shell.normalFont) shell.normalFont = CreateShellFont(false);
  if (!shell.boldFont) shell.boldFont = CreateShellFont(true);
  Reload();
  parent_ = CreateWindowExW(0, L"STATIC", L"QM Options", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr,
                            modules.instance, nullptr);
}

PageHost::~PageHost() {
  Close();
  if (parent_) DestroyWindow(parent_);
  ProgramModules& modules = Modules();
  if (modules.languageLibrary) FreeLibrary(modules.languageLibrary);
  if (modules.resolutionLibrary) FreeLibrary(modules.resolutionLibrary);
  modules.languageLibrary = modules.resolutionLibrary = nullptr;
}

void PageHost::Reload() { Store().LoadAll(Modules().languageLibrary); }

HWND PageHost::Open(int command) {
  Close();
  page_.reset(CreateSettingsPage(command));
  window_ = page_ ? OpenSettingsPage(page_.get(), parent_, command) : nullptr;
  return window_;
}

void PageHost::Close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
  page_.reset();
}

bool PageHost::Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

int PageHost::Selection(int id) const { return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }

int PageHost::ItemCount(int id) const { return static_cast<int>(SendMessageW(Control(id), CB_GETCOUNT, 0, 0)); }

std::wstring PageHost::ItemText(int id, int index) const {
  const LRESULT length = SendMessageW(Control(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Control(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::wstring PageHost::Text(int id) const {
  wchar_t text[1024] = L"";
  const int length = GetWindowTextW(Control(id), text, 1024);
  return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

void PageHost::SelectTab(int index) {
  HWND strip = page_ ? page_->TabStrip() : nullptr;
  if (!strip) return;
  NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageW(window_, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  SendMessageW(strip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(window_, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void PageHost::Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }

void PageHost::Choose(int id, int index) {
  SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(id)));
}

void PageHost::Type(int id, const wchar_t* text) {
  SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void PageHost::SelectListItem(int id, int index) {
  HWND list = Control(id);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list, LVM_SETSELECTIONMARK, 0, index);
}
