#pragma once
// The General page: tap actions, item heights, skin folder, language library, sound and
// display options, D-pad navigation and scrolling, on four tabs.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"
#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kGeneralPageClass[] = L"GeneralSettingsWin";

// Whether the device's CE version offers exclusive D-pad navigation (not 3.x, not 4.20).
bool HasExclusiveDPadNavigation(DWORD major, DWORD minor);

class GeneralPage : public RowTablePage {
 public:
  // The display's horizontal resolution in pixels; the VGA-only rows need 480.
  using ScreenWidthSource = int (*)();

  // screenWidth stands in for the system's answer (tests); null asks the system.
  explicit GeneralPage(ScreenWidthSource screenWidth = nullptr);
  ~GeneralPage() override;

  static constexpr int kLanguageSlots = 20;

 protected:
  void OnCreate(HWND window) override;
  void OnDestroy(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  bool RowExists(const PageRow& row) const override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  int AddLanguageRow(HWND window, const PageRow& row, int y);
  static void ChooseSkinFolder(HWND window);
  static void ApplyHeightRule(HWND window);
  static void ApplyDPadRule(HWND window);

  ScreenWidthSource screenWidth_;
  bool exclusiveDPadRow_ = false;
  bool wideScreenRows_ = false;
  // Full paths of the listed language libraries, in list order.
  std::unique_ptr<WideString[]> languagePaths_;
  int languageCount_ = 0;
};
