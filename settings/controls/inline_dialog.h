#pragma once
// The base of dialogs that build their controls in code: a modal dialog from an empty
// in-memory template whose object lives in the window's user data and receives the
// messages through typed operations. Derived dialogs make their menu bar, title and
// controls, lay them out in OnSize and paint in OnPaint.
#include <windows.h>

#include "platform/aygshell.h"
#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"

class InlineDialog {
 public:
  // fullScreen: the dialog fills the screen with the navigation bar's OK button, and
  // activation and setting changes go through the shell's handlers.
  InlineDialog(HINSTANCE instance, bool fullScreen);
  InlineDialog(const InlineDialog&) = delete;
  InlineDialog& operator=(const InlineDialog&) = delete;
  virtual ~InlineDialog();

  // Runs the dialog modally without owner. True when it ended with a nonzero result.
  static bool Run(HINSTANCE instance, InlineDialog& dialog);

  HWND Window() const { return window_; }
  HINSTANCE Instance() const { return instance_; }
  bool FullScreen() const { return fullScreen_; }
  HFONT Font() const { return font_.Get(); }
  HFONT BoldFont() const { return boldFont_.Get(); }

 protected:
  // Returns what the dialog procedure returns: nonzero for a message handled here.
  // Derived dialogs handle their own messages and pass the rest on to this one.
  virtual INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  virtual void CreateMenuBar(HWND window) = 0;
  virtual const wchar_t* DialogTitle() = 0;
  virtual void CreateControls(HWND window) = 0;
  // Called on WM_PAINT; must validate the window (BeginPaint / EndPaint).
  virtual void OnPaint(HWND window) = 0;
  // An OnPaint for dialogs whose controls draw everything on a white ground.
  static void PaintWhite(HWND window);
  virtual void OnSize(HWND window) = 0;
  // Scale state, fonts, activation record, title, menu bar, controls, then the shell's
  // dialog set-up. False when the shell's set-up failed.
  virtual bool OnInitDialog(HWND window);
  // Tahoma of height ScaleX(12), weights 100 and 700; owned by the dialog.
  virtual void CreateDialogFonts();

  // Control creators: each control starts at (1, 1), 1 x 1, and is laid out in OnSize.
  virtual HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, bool bold,
                             int id, DWORD exStyle);
  virtual HWND CreateEdit(HWND parent, int id, const wchar_t* text, bool readOnly);
  // A right-aligned label.
  virtual HWND CreateStatic(HWND parent, int id, const wchar_t* text, bool bold);
  virtual HWND CreateListView(HWND parent, int id, DWORD extraStyle);
  // value, when nonzero, is kept in the button's user data.
  virtual HWND CreateButton(HWND parent, int id, const wchar_t* text, DWORD style, LONG_PTR value);
  // Gives a soft key of the dialog's menu bar its command and text.
  static void SetSoftKey(HWND bar, int index, int command, WideString& text);
  // The dialog's menu bar from menu resource menuId of resources, its two soft keys given
  // their commands and texts. Null when the shell could not make the bar.
  static HWND CreateSoftKeyBar(HWND window, HINSTANCE resources, int menuId, DWORD flags, int leftCommand,
                               WideString& leftText, int rightCommand, WideString& rightText);
  virtual HWND CreateComboBox(HWND parent, int id, DWORD style);

  SHACTIVATEINFO& Activation() { return activation_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HINSTANCE instance_;
  bool fullScreen_;
  SHACTIVATEINFO activation_{};
  ScopedFont font_;
  ScopedFont boldFont_;
};
