#pragma once
// The Tabs page: where and how the plug-in shows its tabs, their order and visibility
// (the built-in tabs and the Today plug-ins it hosts), and the tab it returns to.
#include <windows.h>

#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kTabsPageClass[] = L"TabsSettingsWin";

class TabsPage : public RowTablePage {
 public:
  TabsPage();

 protected:
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  void BuildTabList(HWND window);
  static void ApplyGestureRule(HWND window);
};
