#pragma once
// The small caption that an icon marker shows above the stylus while an icon is held: a
// popup owned by the marker, sized to its text, drawn in bold Tahoma.
#include <windows.h>

#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"

class ToolTipWindow {
 public:
  ToolTipWindow() = default;
  ToolTipWindow(const ToolTipWindow&) = delete;
  ToolTipWindow& operator=(const ToolTipWindow&) = delete;
  ~ToolTipWindow() { Destroy(); }

  // Registers the window class (the caller passes "ToolTipWindow") and creates the tooltip,
  // hidden, at the screen point (x, y). Returns the window, or null.
  HWND Create(HWND owner, HINSTANCE instance, const wchar_t* className, const wchar_t* text, int x, int y);
  // Shows it without taking the activation from the page.
  void Show();
  // Hides and destroys the window and unregisters its class; nothing when there is none.
  void Destroy();

  HWND Window() const { return window_; }
  const wchar_t* Text() const { return text_.c_str(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void FitToText(HWND window);
  void Paint(HWND window, HDC dc);
  LRESULT HandlePaint(HWND window);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HINSTANCE instance_ = nullptr;
  WideString text_;
  wchar_t className_[256] = L"";
  ScopedFont font_;
};
