#pragma once
// The Colours page: the sixteen general colours of the plug-in, each chosen with the colour
// picker and shown as a swatch with its description; and the colour schemes, saved from the
// current state, applied and deleted; on two tabs.
#include <windows.h>

#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kColoursPageClass[] = L"ColorSettingsWin";

class ColoursPage : public RowTablePage {
 public:
  ColoursPage();

 protected:
  void ShowTab(HWND window, int showCommand) override;
  void OnPaint(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;

 private:
  void BuildColoursTab(HWND window, int y);
  void BuildSchemesTab(HWND window, int y);
  static void ChooseSelectedColour(HWND window);
  void PaintSelectedColour(HWND window, HDC dc, const RECT& client);
};
