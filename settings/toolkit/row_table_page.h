#pragma once
// A settings page made of tabs of rows (page_rows.h). It builds every tab's rows when the
// window is created, shows a tab as its range of control ids, and writes every row back
// into its setting when the window is destroyed. A page adds its own rows and rules through
// the hooks.
#include <windows.h>

#include <span>

#include "settings/toolkit/page_rows.h"
#include "settings/toolkit/settings_page.h"

class RowTablePage : public SettingsPage {
 protected:
  explicit RowTablePage(std::span<const PageTab> tabs) : tabs_(tabs) {}

  int TabCount() override;
  UINT TabCaptionId(int index) override;
  // Builds every tab's rows from ScaleY(8) down, then calls OnRowsBuilt.
  void OnCreate(HWND window) override;
  void ShowTab(HWND window, int showCommand) override;
  // Hides the current tab, then writes every row that exists.
  void OnDestroy(HWND window) override;

  // Whether a row with a nonzero condition is there on this device.
  virtual bool RowExists(const PageRow& row) const;
  virtual int BuildOwnRow(HWND window, const PageRow& row, int y);
  virtual void WriteOwnRow(HWND window, const PageRow& row);
  // After all rows are built: the page's rules between rows.
  virtual void OnRowsBuilt(HWND window);

  // One row or a run of rows at y; each returns the advance.
  int BuildRow(HWND window, const PageRow& row, int y);
  int BuildRows(HWND window, std::span<const PageRow> rows, int y);
  void WriteRow(HWND window, const PageRow& row);
  std::span<const PageTab> Tabs() const { return tabs_; }

 private:
  int BuildList(HWND window, const PageRow& row, int y);
  int BuildEditableBox(HWND window, const PageRow& row, int y);

  std::span<const PageTab> tabs_;
};

// Helpers for the pages' rules between rows.
bool IsChecked(HWND window, int id);
void EnableControl(HWND window, int id, bool enable);
