#pragma once
// The colour picker dialog behind ChooseColour: the tab strip of three views, the palette
// cells (ids 0 to 49, each keeping its colour in its window data), the sliders with their
// boxes, the HTML# box, the Default button and the band showing the colour.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/colour_picker_rules.h"
#include "settings/controls/inline_dialog.h"

// Ids of the controls beside the cells.
inline constexpr int kColourTabStripId = 100;
inline constexpr int kColourFirstLabelId = 101;   // red, green, blue labels
inline constexpr int kColourFirstSliderId = 104;  // red, green, blue sliders
inline constexpr int kColourFirstBoxId = 107;     // red, green, blue boxes
inline constexpr int kColourHtmlLabelId = 110;
inline constexpr int kColourHtmlBoxId = 111;
// The Default button sends the Default command itself.
inline constexpr int kColourDefaultButtonId = kColourDefaultCommand;

class ColourPicker final : public InlineDialog {
 public:
  explicit ColourPicker(ColourPickerRequest& request);

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override { return request_.title.c_str(); }
  void CreateControls(HWND window) override;
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;
  bool OnInitDialog(HWND window) override;

 private:
  static LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);

  bool OnCommand(HWND window, int id, int code, HWND control);
  void ShowView(int view);
  void SetColour(COLORREF colour);
  // Channels changed: the colour follows and the band repaints.
  void ChannelsChanged();
  void FillSliders();
  void FillBoxes();
  void FillBox(int index);
  void FillHtmlBox();
  void ApplySlider(HWND slider);
  void ApplyBox(HWND box);
  void ApplyHtmlBox();
  void DrawCell(const DRAWITEMSTRUCT& draw) const;
  void PaintBand(HDC dc) const;
  void InvalidateBand() const;
  void CheckViewItems(HMENU menu) const;
  int CellIndex(HWND control) const;
  int ChannelIndex(const HWND (&controls)[3], HWND control) const;

  bool offerDefault_;
  int view_;
  ColourPickerRequest& request_;
  Channels channels_;
  HWND tabs_ = nullptr;
  HWND cells_[kPaletteCells] = {};
  HWND labels_[3] = {};
  HWND sliders_[3] = {};
  HWND boxes_[3] = {};
  HWND htmlLabel_ = nullptr;
  HWND htmlBox_ = nullptr;
  HWND defaultButton_ = nullptr;
  HWND menuBar_ = nullptr;
  WideString menuText_;
  WideString htmlText_;
  // Set once the dialog is ending: focus leaving a box then applies nothing.
  bool ending_ = false;
};
