#pragma once
// A settings page opened in the test process the way the shell opens it: the store loaded
// from the registry, the language and resolution libraries and shell fonts of the program,
// a stand-in main window as the parent. The user's actions reach the controls as messages.
#include <windows.h>

#include <memory>
#include <string>

class SettingsPage;

class PageHost {
 public:
  PageHost();
  PageHost(const PageHost&) = delete;
  PageHost& operator=(const PageHost&) = delete;
  ~PageHost();

  // Reads the registry into the store, as the program does at start-up.
  void Reload();
  // Opens the page of a main-list command; null when it could not be opened.
  HWND Open(int command);
  // Destroys the window (which writes the page's settings into the store) and the page.
  void Close();

  HWND Window() const { return window_; }
  SettingsPage* Page() const { return page_.get(); }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  bool Checked(int id) const;
  int Selection(int id) const;
  int ItemCount(int id) const;
  std::wstring ItemText(int id, int index) const;
  std::wstring Text(int id) const;

  // As the tab strip reports a tap on a tab.
  void SelectTab(int index);
  void Click(int id);
  void Choose(int id, int index);
  void Type(int id, const wchar_t* text);
  // Selects an item of a list view (the list then reports the change to the page).
  void SelectListItem(int id, int index);

 private:
  HWND parent_ = nullptr;
  HWND window_ = nullptr;
  std::unique_ptr<SettingsPage> page_;
};
