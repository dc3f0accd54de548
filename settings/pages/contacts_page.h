#pragma once
// The Contacts page: the search bar with its alphabets, the contact title, the D-pad and tap
// actions, separators and folding, and the layout of the contact list, on three tabs.
#include <windows.h>

#include "settings/toolkit/row_table_page.h"
#include "settings/toolkit/search_bar_box.h"

inline constexpr wchar_t kContactsPageClass[] = L"ContactSettingsWin";

class ContactsPage : public RowTablePage {
 public:
  ContactsPage();

 protected:
  void ShowTab(HWND window, int showCommand) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  SearchBarRecords SearchBar();
  static void ApplyLayoutRule(HWND window);
};
