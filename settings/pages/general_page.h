#pragma once
// The General page: tap actions, item heights, skin folder, language library, sound and
// display options, D-pad navigation and scrolling, on four tabs.
#include <windows.h>

#include <memory>

#include "settings/base/wide_string.h"
#include "settings/toolkit/settings_page.h"

inline constexpr wchar_t kGeneralPageClass[] = L"GeneralSettingsWin";

// One row of the page as data: its controls, texts and the setting it edits.
struct GeneralPageRow;

// Parses a height limit as typed: C-style base detection ("0x50" is 80, "010" is 8);
// text that is not a number gives 0. No range check: the number is stored as typed.
DWORD ParseHeightLimit(const wchar_t* text);

// Whether the device's CE version offers exclusive D-pad navigation (not 3.x, not 4.20).
bool HasExclusiveDPadNavigation(DWORD major, DWORD minor);

class GeneralPage : public SettingsPage {
 public:
  // The display's horizontal resolution in pixels; the VGA-only rows need 480.
  using ScreenWidthSource = int (*)();

  // screenWidth stands in for the system's answer (tests); null asks the system.
  explicit GeneralPage(ScreenWidthSource screenWidth = nullptr);
  ~GeneralPage() override;

  static constexpr int kLanguageSlots = 20;

 protected:
  int TabCount() override;
  UINT TabCaptionId(int index) override;
  void OnCreate(HWND window) override;
  void ShowTab(HWND window, int showCommand) override;
  void OnDestroy(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;

 private:
  bool RowExists(const GeneralPageRow& row) const;
  int BuildRow(HWND window, const GeneralPageRow& row, int y);
  void WriteRow(HWND window, const GeneralPageRow& row);
  int AddHeightRow(HWND window, const GeneralPageRow& row, int y);
  int AddLanguageRow(HWND window, const GeneralPageRow& row, int y);
  void WriteLanguage(HWND window, const GeneralPageRow& row);
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
