#include "tests/general_page/general_page_fixture.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/device_facts.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/shell/shell_fonts.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kTodayItemKey[] = L"Software\\Microsoft\\today\\items\\Quillmere";
constexpr wchar_t kResolutionLibrary[] = L"C:\\Program Files\\Tessaly\\Quillmere\\LowDpiRes.dll";

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder, length);
}

// Files an interrupted earlier run may have left in the test's own folder.
void EmptyFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

enum class ControlKind { Check, List, NumberBox };

ControlKind KindOf(HWND control) {
  wchar_t className[32] = L"";
  GetClassNameW(control, className, 32);
  if (_wcsicmp(className, L"button") == 0) return ControlKind::Check;
  return (GetWindowLongPtrW(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST ? ControlKind::List : ControlKind::NumberBox;
}

}  // namespace

void GeneralPageTest::SetUp() {
  ResetProductRegistry();
  ASSERT_TRUE(WriteDeviceOsVersion({5, 2}));
  programFiles_ = TempFolder() + L"qm-general-" + std::to_wstring(GetCurrentProcessId());
  langRes_ = programFiles_ + L"\\Tessaly\\Quillmere\\LangRes";
  CreateDirectoryW(programFiles_.c_str(), nullptr);
  CreateDirectoryW((programFiles_ + L"\\Tessaly").c_str(), nullptr);
  CreateDirectoryW((programFiles_ + L"\\Tessaly\\Quillmere").c_str(), nullptr);
  CreateDirectoryW(langRes_.c_str(), nullptr);
  EmptyFolder(langRes_);
  ASSERT_TRUE(WriteString(HKEY_LOCAL_MACHINE, kTodayItemKey, L"ProgramFiles", programFiles_.c_str()));

  ScaleSetForTest(false, 96, 96);
  ShellState& shell = Shell();
  Modules().instance = GetModuleHandleW(nullptr);
  Modules().resolutionLibrary = LoadLibraryW(kResolutionLibrary);
  if (!shell.normalFont) shell.normalFont = CreateShellFont(false);
  if (!shell.boldFont) shell.boldFont = CreateShellFont(true);
  Modules().languageLibrary = LoadLibraryW(kEnglishLibrary);
  ASSERT_NE(nullptr, Modules().languageLibrary);
  Reload();
  ASSERT_EQ(programFiles_ + L"\\Tessaly\\Quillmere", Store().InstallFolder());

  parent_ = CreateWindowExW(0, L"STATIC", L"QM Options", WS_POPUP, 0, 0, 480, 640, nullptr, nullptr,
                            Modules().instance, nullptr);
  ASSERT_NE(nullptr, parent_);
}

void GeneralPageTest::TearDown() {
  Close();
  if (parent_) DestroyWindow(parent_);
  ShellState& shell = Shell();
  if (Modules().languageLibrary) FreeLibrary(Modules().languageLibrary);
  Modules().languageLibrary = nullptr;
  if (Modules().resolutionLibrary) FreeLibrary(Modules().resolutionLibrary);
  Modules().resolutionLibrary = nullptr;
  for (const std::wstring& file : createdFiles_) DeleteFileW(file.c_str());
  RemoveDirectoryW(langRes_.c_str());
  RemoveDirectoryW((programFiles_ + L"\\Tessaly\\Quillmere").c_str());
  RemoveDirectoryW((programFiles_ + L"\\Tessaly").c_str());
  RemoveDirectoryW(programFiles_.c_str());
  WriteDeviceOsVersion({5, 2});
  ResetProductRegistry();
}

void GeneralPageTest::Reload() { Store().LoadAll(Modules().languageLibrary); }

void GeneralPageTest::AddLanguageFile(const wchar_t* source, const wchar_t* name) {
  std::wstring path = LanguagePath(name);
  ASSERT_TRUE(CopyFileW(source, path.c_str(), FALSE)) << "copying " << name;
  createdFiles_.push_back(path);
}

void GeneralPageTest::AddPlainFile(const wchar_t* name, const char* content) {
  std::wstring path = LanguagePath(name);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD written = 0;
  WriteFile(file, content, static_cast<DWORD>(strlen(content)), &written, nullptr);
  CloseHandle(file);
  createdFiles_.push_back(path);
}

std::wstring GeneralPageTest::LanguagePath(const wchar_t* name) const { return langRes_ + L"\\" + name; }

HWND GeneralPageTest::Open(GeneralPage::ScreenWidthSource screenWidth) {
  page_ = std::make_unique<GeneralPage>(screenWidth);
  ShellState& shell = Shell();
  window_ = page_->Create(parent_, kGeneralPageClass, Modules().instance, shell.normalFont.Get(), shell.boldFont.Get());
  return window_;
}

void GeneralPageTest::Close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
  page_.reset();
}

DWORD GeneralPageTest::Shown(int id) const {
  switch (KindOf(Control(id))) {
    case ControlKind::Check: return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    case ControlKind::List: return static_cast<DWORD>(Selection(id));
    case ControlKind::NumberBox: return static_cast<DWORD>(wcstol(Text(id).c_str(), nullptr, 10));
  }
  return 0;
}

int GeneralPageTest::Selection(int id) const {
  return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0));
}

std::wstring GeneralPageTest::Text(int id) const {
  wchar_t text[1024] = L"";
  int length = GetWindowTextW(Control(id), text, 1024);
  return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring GeneralPageTest::ItemText(int id, int index) const {
  LRESULT length = SendMessageW(Control(id), CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Control(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int GeneralPageTest::ItemCount(int id) const {
  return static_cast<int>(SendMessageW(Control(id), CB_GETCOUNT, 0, 0));
}

void GeneralPageTest::SelectTab(int index) {
  HWND strip = page_->TabStrip();
  ASSERT_NE(nullptr, strip);
  NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageW(window_, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  SendMessageW(strip, TCM_SETCURSEL, index, 0);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(window_, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void GeneralPageTest::Click(int id) {
  ASSERT_TRUE(Exists(id)) << "no control " << id;
  SendMessageW(Control(id), BM_CLICK, 0, 0);
}

void GeneralPageTest::Choose(int id, int index) {
  ASSERT_TRUE(Exists(id)) << "no control " << id;
  SendMessageW(Control(id), CB_SETCURSEL, index, 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(id)));
}

void GeneralPageTest::Put(int id, DWORD value) {
  switch (KindOf(Control(id))) {
    case ControlKind::Check:
      if (Shown(id) != value) Click(id);
      break;
    case ControlKind::List: Choose(id, static_cast<int>(value)); break;
    case ControlKind::NumberBox: Type(id, std::to_wstring(value).c_str()); break;
  }
}

void GeneralPageTest::Type(int id, const wchar_t* text) {
  ASSERT_TRUE(Exists(id)) << "no control " << id;
  SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
