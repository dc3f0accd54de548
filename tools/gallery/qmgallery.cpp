// qmgallery: shows one page or dialog of QMSettings as the program would, for screenshots.
//   qmgallery page NAME [TAB [FORMAT [ITEM]]]
//       NAME: general, calendar, tasks, ... as in the main list; FORMAT (1 to 12; 0 leaves
//       it) sets the appointment display format, or for fonts 1 the advanced mode; ITEM
//       chooses an item of the tab's list
//   qmgallery dialog load|save|folder|icons|font
//   qmgallery dialog rename            (the rename dialog of a category filter)
//   qmgallery dialog alphabets         (the Contacts page's languages dialog)
//   qmgallery dialog pim-missing       (the maker's calendar chosen but not installed)
//   qmgallery dialog notes-folder|notes-listed (the Notes page's folder dialog, its message)
//   qmgallery dialog colour VIEW   (0 RGB Values, 1 HTML#, 2 Picker)
//   qmgallery dialog today-plugins|today-switch-off|today-already (the Tabs page's plug-in
//       dialog over the device's Today items, its question and its message)
// The shell starts as in the program; a page opens over a stand-in for the main window.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <memory>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/file_dialog.h"
#include "settings/files/alphabets_dialog.h"
#include "settings/files/category_manager.h"
#include "settings/files/icon_picker.h"
#include "settings/files/today_plugins.h"
#include "settings/pages/font_dialog.h"
#include "settings/pages/pim_page.h"
#include "settings/pages/rename_dialog.h"
#include "settings/shell/page_factory.h"
#include "settings/shell/shell_startup.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"

namespace {

constexpr wchar_t kHostClass[] = L"QMGalleryHost";

// The pages by their command in the main list.
constexpr const wchar_t* kPageNames[] = {L"general", L"calendar", L"tasks", L"notes", L"contacts", L"messages",
                                         L"sevents", L"fonts", L"colours", L"pim", L"tabs", L"categories"};

int PageCommand(const wchar_t* name) {
  for (int command = 0; command < static_cast<int>(sizeof kPageNames / sizeof kPageNames[0]); ++command)
    if (wcscmp(name, kPageNames[command]) == 0) return command;
  return -1;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kClosePageMessage) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SelectTab(SettingsPage& page, int tab) {
  HWND strip = page.TabStrip();
  if (!strip || tab <= 0) return;
  NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageW(page.Window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  SendMessageW(strip, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(page.Window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// Chooses an item of the first list the page shows, as a tap on it would.
void ChooseListItem(HWND page, int item) {
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = L"";
    GetClassNameW(child, name, 32);
    if (!IsWindowVisible(child) || wcscmp(name, WC_LISTVIEWW) != 0) continue;
    ListView_SetItemState(child, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(child, LVM_SETSELECTIONMARK, 0, item);
    ListView_EnsureVisible(child, item, FALSE);
    SetFocus(child);
    return;
  }
}

// The device's categories have no colours until the user gives them some: a few get one, so
// that the pictures show the colour boxes.
void ColourSomeCategories() {
  constexpr COLORREF kSamples[] = {RGB(0xE0, 0x40, 0x30), RGB(0x30, 0x90, 0xE0), RGB(0x40, 0xB0, 0x50)};
  std::size_t row = 0;
  for (const std::unique_ptr<Category>& category : Categories().Categories()) {
    // Every other row, so that rows with and without a box show side by side.
    if (row % 2 == 0 && row / 2 < sizeof kSamples / sizeof kSamples[0]) category->colour = kSamples[row / 2];
    ++row;
  }
}

// One of the device's Today plug-ins already hosted as a tab, so that the tab list shows one.
void AddSamplePluginTab() {
  if (!FindPluginTab(Store().Tabs(), L"Battery Glance")) Store().Tabs().InsertSorted(MakePluginTab(L"Battery Glance"));
}

int ShowPage(HINSTANCE instance, int command, int tab, int item) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kHostClass;
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(0, kHostClass, L"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!host) return 1;
  if (command == PageCommand(L"categories")) ColourSomeCategories();
  if (command == PageCommand(L"tabs")) AddSamplePluginTab();
  std::unique_ptr<SettingsPage> page(CreateSettingsPage(command));
  if (!page || !OpenSettingsPage(page.get(), host, command)) return 1;
  SelectTab(*page, tab);
  if (item >= 0) ChooseListItem(page->Window(), item);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

int ShowDialog(const wchar_t* kind, int view) {
  if (wcscmp(kind, L"load") == 0) {
    auto request = MakeFileDialogRequest(L"Import Settings", L"qmsb", L"Settings backup", nullptr);
    return RunLoadFileDialog(*request) ? 0 : 1;
  }
  if (wcscmp(kind, L"save") == 0) {
    auto request = MakeFileDialogRequest(L"Export Settings", L"qmsb", L"Settings backup", L"QM_Backup_20261208");
    return RunSaveFileDialog(*request) ? 0 : 1;
  }
  if (wcscmp(kind, L"folder") == 0) {
    auto request = MakeFileDialogRequest(L"Select Skin Path", nullptr, nullptr, nullptr);
    return RunSelectFolderDialog(*request) ? 0 : 1;
  }
  if (wcscmp(kind, L"icons") == 0) {
    WideString path;
    return ChooseIcon(nullptr, Modules().instance, path) ? 0 : 1;
  }
  if (wcscmp(kind, L"font") == 0) {
    // The day titles: bold by default, with a colour of their own.
    LOGFONTW font = Store().fonts.FontCalDayTitles.font;
    COLORREF colour = RGB(0x33, 0x66, 0x99);
    WideString title;
    LoadText(Modules().languageLibrary, 973, title);
    return RunFontDialog(Modules().instance, title.c_str(), font, colour) ? 0 : 1;
  }
  if (wcscmp(kind, L"rename") == 0) {
    WideString title(L"Filter 3");
    return RunRenameDialog(Modules().instance, title, nullptr, 0) ? 0 : 1;
  }
  if (wcscmp(kind, L"notes-folder") == 0) {
    auto request = MakeFileDialogRequest(L"Add Notes Folder", nullptr, nullptr, nullptr);
    return RunSelectFolderDialog(*request) ? 0 : 1;
  }
  if (wcscmp(kind, L"notes-listed") == 0) {
    ShowLanguageMessage(nullptr, 1519, 1518, MB_OK);
    return 0;
  }
  if (wcscmp(kind, L"pim-missing") == 0) {
    ShowOwnCalendarMissing(nullptr);
    return 0;
  }
  if (wcscmp(kind, L"alphabets") == 0) {
    // Latin and Cyrillic ticked, with the device's custom alphabets below them.
    return ChooseAlphabets(Modules().instance, Shell().normalFont.Get(), 1 | 2) != -1 ? 0 : 1;
  }
  if (wcscmp(kind, L"today-plugins") == 0) {
    WideString name;
    return ChooseTodayPlugin(nullptr, name) ? 0 : 1;
  }
  if (wcscmp(kind, L"today-switch-off") == 0) {
    ShowLanguageMessage(nullptr, 1050, 1051, MB_YESNO);
    return 0;
  }
  if (wcscmp(kind, L"today-already") == 0) {
    ShowLanguageMessage(nullptr, 1058, 1059, MB_OK);
    return 0;
  }
  if (wcscmp(kind, L"colour") == 0) {
    auto request = MakeColourPickerRequest(RGB(0x99, 0x66, 0x33));
    if (!request) return 1;
    request->initialView = view;
    return RunColourPicker(*request) ? 0 : 1;
  }
  return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 2;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  Modules().instance = instance;
  StartShell();
  int result = 2;
  const int tab = argc > 3 ? _wtoi(argv[3]) : 0;
  if (wcscmp(argv[1], L"page") == 0 && PageCommand(argv[2]) >= 0) {
    if (argc > 4 && _wtoi(argv[4]) > 0) Store().calendar.ApptDisplayFormat.value = static_cast<DWORD>(_wtoi(argv[4]));
    if (argc > 4 && wcscmp(argv[2], L"fonts") == 0) Store().fonts.FontGnrlUseAdvncd.value = _wtoi(argv[4]) == 1;
    result = ShowPage(instance, PageCommand(argv[2]), tab, argc > 5 ? _wtoi(argv[5]) : -1);
  } else if (wcscmp(argv[1], L"dialog") == 0)
    result = ShowDialog(argv[2], tab);
  StopShell();
  LocalFree(argv);
  return result;
}
