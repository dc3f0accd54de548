#pragma once
// The Fonts page: the general sizes, face, shadow and ClearType of the plug-in's text, and
// the font and colour of each of its 33 text elements. In simple mode an element has only
// a colour and the general sizes apply; in advanced mode each element has its own font.
#include <windows.h>

#include <span>

#include "settings/toolkit/row_table_page.h"

class FontSetting;
class SettingsStore;

inline constexpr wchar_t kFontsPageClass[] = L"FontSettingsWin";

// Controls of the page that its users (tests, the gallery) name.
inline constexpr int kFontsAdvancedCheck = 1204;
inline constexpr int kFontsFaceBox = 1206;
inline constexpr int kFontsEditButton = 1210;
inline constexpr int kFontsElementList = 1211;
// The page's soft key: the general font's size for every element but the contact fonts.
inline constexpr int kApplySizeToAllCommand = 1598;

// A text element of the plug-in, in list order: the list's text, the caption above its
// sample, and its font record.
struct FontElement {
  UINT listTextId;
  UINT captionId;
  FontSetting& (*font)(SettingsStore& store);
};
std::span<const FontElement> FontElements();

// Gives every element but the general font and the two contact fonts the general font's
// height; each keeps its face, weight, style and colour, and is marked changed.
void ApplyGeneralSizeToAll(SettingsStore& store);

class FontsPage : public RowTablePage {
 public:
  FontsPage();

 protected:
  UINT TabCaptionId(int index) override;
  void ShowTab(HWND window, int showCommand) override;
  void OnPaint(HWND window) override;
  LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(HWND window) override;
  LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) override;
  int BuildOwnRow(HWND window, const PageRow& row, int y) override;
  void WriteOwnRow(HWND window, const PageRow& row) override;
  void OnRowsBuilt(HWND window) override;

 private:
  int BuildFaceRow(HWND window, const PageRow& row, int y);
  void AddSoftKey(HWND window);
  void ApplyModeRule(HWND window);
  void EditElement(HWND window);
  void ApplySizeToAll(HWND window);
  void PaintSample(HWND window, HDC dc);
  static const FontElement* SelectedElement(HWND window);

  bool advanced_ = false;
};
