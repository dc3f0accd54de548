#include "settings/shell/main_window.h"

#include <span>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/base/startup_trace.h"
#include "settings/controls/button_bar.h"
#include "settings/controls/finger_list.h"
#include "settings/files/category_manager.h"
#include "settings/shell/about_dialog.h"
#include "settings/shell/backup_commands.h"
#include "settings/shell/page_factory.h"
#include "settings/shell/shell_startup.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/settings_page.h"

namespace {

struct ListEntry {
  UINT captionId;           // string id, or 0 for the literal caption
  const wchar_t* caption;   // literal caption
  int iconId;
  int command;
};

constexpr ListEntry kMainEntries[] = {
    {617, nullptr, 1654, 0},  {618, nullptr, 1649, 1},  {619, nullptr, 1660, 2},
    {1259, nullptr, 1656, 3}, {1432, nullptr, 1652, 4}, {1260, nullptr, 1655, 5},
    {620, nullptr, 1658, 6},  {621, nullptr, 1653, 7},  {622, nullptr, 1651, 8},
    {624, nullptr, 1657, 9},  {625, nullptr, 1659, 10}, {626, nullptr, 1650, 11},
    {0, L"About Quillmere", 1661, kCommandAbout},
};

constexpr ListEntry kMenuEntries[] = {
    {0, L"Export Settings", -1, kCommandExport},
    {0, L"Import Settings", -1, kCommandImport},
    {0, L"Exit Settings", 1662, kCommandExit},
};

int BarHeight() { return ScaleY(40, true); }

void OnListChoice(HWND owner, void* cookie, int command, FingerListEntry* entry);

void ShowEntries(HWND window, std::span<const ListEntry> entries) {
  FingerList& list = MainList();
  list.Clear();
  WideString caption;
  for (const ListEntry& entry : entries) {
    if (entry.captionId) LoadText(Modules().languageLibrary, entry.captionId, caption);
    else caption.Assign(entry.caption);
    list.AddEntry(caption.c_str(), Modules().resolutionLibrary, entry.iconId, -1, entry.command);
  }
  RECT client;
  GetClientRect(window, &client);
  list.Place(window, 0, 0, client.right, client.bottom - BarHeight(), &OnListChoice, nullptr);
}

void ShowMainView(HWND window) {
  ButtonBar& bar = MainBar();
  bar.SetSlot(0, Modules().resolutionLibrary, 1663, kBarDone);
  bar.SetSlot(4, Modules().resolutionLibrary, 1664, kBarMenu);
  ShowEntries(window, kMainEntries);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void ShowMenuView(HWND window) {
  ShowEntries(window, kMenuEntries);
  ButtonBar& bar = MainBar();
  bar.SetSlot(0, nullptr, -1, -1);
  bar.SetSlot(4, Modules().resolutionLibrary, 1662, kBarBack);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void ClosePage(HWND window);

void OpenPage(HWND window, int command) {
  SettingsPage* page = CreateSettingsPage(command);
  if (!page) return;
  SetWindowTextW(window, L"");
  Shell().currentPage = page;
  HWND pageWindow = OpenSettingsPage(page, window, command);
  if (pageWindow) BringWindowToTop(pageWindow);
  else ClosePage(window);  // nothing to show: back to the list at once
}

void ClosePage(HWND window) {
  if (!Shell().currentPage) return;
  SettingsPage* page = Shell().currentPage;
  CloseSettingsPage(page);  // its window's destruction writes the controls into the records
  Shell().currentPage = nullptr;
  SetWindowTextW(window, kMainWindowTitle);
}

void AskExit(HWND window) {
  WideString text, caption;
  LoadText(Modules().languageLibrary, 613, text);
  LoadText(Modules().languageLibrary, 614, caption);
  if (MessageBoxW(window, text.c_str(), caption.c_str(), MB_YESNO) == IDYES) DestroyWindow(window);
}

void RunCommand(HWND window, int command) {
  if (command >= 0 && command <= kCommandLastPage) {
    OpenPage(window, command);
    return;
  }
  switch (command) {
    case kCommandAbout: ShowAboutDialog(Modules().instance); break;
    case kCommandExport: ExportSettings(window); break;
    case kCommandImport: ImportSettings(window); break;
    case kCommandExit: AskExit(window); break;
    default: break;
  }
}

void OnListChoice(HWND owner, void*, int command, FingerListEntry*) { RunCommand(owner, command); }

// Done: a page open is only closed; otherwise everything changed is saved, the plug-in is
// told, and the program ends.
void Done(HWND window) {
  if (Shell().currentPage) {
    ClosePage(window);
    return;
  }
  Store().SaveAll();
  Categories().SaveCategories();
  Categories().WriteFiltersFile();
  PostMessageW(HWND_BROADCAST, SettingsChangedMessage(), 0, 0);
  DestroyWindow(window);
}

LRESULT OnCreate(HWND window) {
  StartShell();
  ShowMainView(window);
  StartupTraceStep("main view");
  return 0;
}

void OnDestroy() {
  StopShell();
  PostQuitMessage(0);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // Straight to the window: the list and the bar are each copied from an image of their own
  // and together cover the client area, so nothing flickers.
  MainList().Draw(dc);
  MainBar().Paint(dc, 0, client.bottom - BarHeight(), client.right, BarHeight());
  EndPaint(window, &paint);
}

void OnKeyDown(WPARAM key) {
  FingerList& list = MainList();
  if (key == VK_RETURN) list.ActivateSelected();
  else if (key == VK_UP) list.SelectPrevious();
  else if (key == VK_DOWN) list.SelectNext();
}

void OnButtonUp(HWND window, LPARAM lParam) {
  int x = static_cast<short>(LOWORD(lParam));
  int y = static_cast<short>(HIWORD(lParam));
  RECT client;
  GetClientRect(window, &client);
  switch (MainBar().HitTest(x, y - (client.bottom - BarHeight()))) {
    case kBarDone: Done(window); break;
    case kBarMenu: ShowMenuView(window); break;
    case kBarBack: ShowMainView(window); break;
    default: MainList().PointerUp(x, y); break;
  }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: MainList().Resize(LOWORD(lParam), HIWORD(lParam) - BarHeight()); return 1;
    case WM_ACTIVATE:
      SHFullScreen(window, SHFS_HIDESIPBUTTON);
      SHHandleWMActivate(window, wParam, lParam, &Shell().activation, 0);
      return 0;
    case WM_SETTINGCHANGE: SHHandleWMSettingChange(window, wParam, lParam, &Shell().activation); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_ERASEBKGND: MainList().Draw(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) Done(window);
      return 0;
    case WM_TIMER: MainList().Timer(wParam); return 0;
    case WM_MOUSEMOVE:
      MainList().PointerMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_LBUTTONDOWN:
      MainList().PointerDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_LBUTTONUP: OnButtonUp(window, lParam); return 0;
    case kClosePageMessage: ClosePage(window); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1557));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassW(&windowClass) != 0;
}
