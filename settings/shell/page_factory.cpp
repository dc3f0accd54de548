#include "settings/shell/page_factory.h"

#include <new>

#include "settings/base/program_modules.h"
#include "settings/pages/calendar_page.h"
#include "settings/pages/categories_page.h"
#include "settings/pages/colours_page.h"
#include "settings/pages/contacts_page.h"
#include "settings/pages/fonts_page.h"
#include "settings/pages/general_page.h"
#include "settings/pages/messages_page.h"
#include "settings/pages/notes_page.h"
#include "settings/pages/pim_page.h"
#include "settings/pages/sevents_page.h"
#include "settings/pages/tabs_page.h"
#include "settings/pages/tasks_page.h"
#include "settings/shell/shell_state.h"
#include "settings/toolkit/settings_page.h"

namespace {

// The window class of each page, by command.
constexpr const wchar_t* kPageClasses[] = {
    L"GeneralSettingsWin", L"CalendarSettingsWin", L"TasksSettingsWin",  L"NotesSettingsWin",
    L"ContactSettingsWin", L"MessagesSettingsWin", L"SEventsSettingsWin", L"FontSettingsWin",
    L"ColorSettingsWin",   L"PIMSettingsWin",      L"TabsSettingsWin",    L"CategorySettingsWin",
};

}  // namespace

SettingsPage* CreateSettingsPage(int command) {
  switch (command) {
    case 0: return new (std::nothrow) GeneralPage;
    case 1: return new (std::nothrow) CalendarPage;
    case 2: return new (std::nothrow) TasksPage;
    case 3: return new (std::nothrow) NotesPage;
    case 4: return new (std::nothrow) ContactsPage;
    case 5: return new (std::nothrow) MessagesPage;
    case 6: return new (std::nothrow) SpecialEventsPage;
    case 7: return new (std::nothrow) FontsPage;
    case 8: return new (std::nothrow) ColoursPage;
    case 9: return new (std::nothrow) PimPage;
    case 10: return new (std::nothrow) TabsPage;
    case 11: return new (std::nothrow) CategoriesPage;
    default: return nullptr;
  }
}

HWND OpenSettingsPage(SettingsPage* page, HWND mainWindow, int command) {
  if (!page || command < 0 || command >= static_cast<int>(sizeof kPageClasses / sizeof kPageClasses[0])) return nullptr;
  ShellState& shell = Shell();
  return page->Create(mainWindow, kPageClasses[command], Modules().instance, shell.normalFont.Get(), shell.boldFont.Get());
}

void CloseSettingsPage(SettingsPage* page) {
  if (!page) return;
  if (page->Window()) DestroyWindow(page->Window());
  delete page;
}
