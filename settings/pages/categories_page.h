#pragma once
// The Categories page: each PIM category's colour and icon, the 32 category filters (title,
// members, visible, items without category, sensitivity) and the additional icons folder, on
// three tabs. Colours, icons and filters change in the category manager at once; the manager
// writes them on Done. Icon files and the folder setting are written at once.
#include <windows.h>

#include "settings/store/theme_colours.h"
#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kCategoriesPageClass[] = L"CategorySettingsWin";

class CategoryFilter;

// Why a filter cannot take a title: a text id, or 0 when it can. Titles must not be empty
// and must differ (ignoring case) from every other filter's.
UINT FilterTitleRefusal(const CategoryFilter& renamed, const wchar_t* title);

class CategoriesPage : public RowTablePage {
 public:
  CategoriesPage();

  // The filter whose members and fields the filter tab shows (0-based).
  int ShownFilter() const { return shownFilter_; }

 protected:
  void OnDestroy(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDrawItem(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMeasureItem(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void OnRowsBuilt(HWND window) override;

 private:
  int BuildCategoryRows(HWND window, int y);
  int BuildFilterChoice(HWND window, int y);
  int BuildMemberRows(HWND window, int y);
  int BuildIconsFolderRow(HWND window, const PageRow& row, int y);
  void DrawCategoryRow(const DRAWITEMSTRUCT& draw);

  void ChooseColourOfSelected(HWND window);
  void ChooseIconOfSelected(HWND window);
  void FillFilterBox(HWND window, int selection);
  void ShowFilter(HWND window, int index);
  void StoreFilter(HWND window);
  void RenameFilter(HWND window);
  void CheckAllMembers(HWND window, bool checked);
  void ChooseIconsFolder(HWND window);
  static void StoreIconsFolder(const wchar_t* folder);

  int shownFilter_ = 0;
  SelectionColours selectionColours_{kDefaultSelectionBackground, kDefaultSelectionText};
};
