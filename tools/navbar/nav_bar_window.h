#pragma once
// The navigation bar window: a topmost strip along the top of the screen that is never
// activated. It follows the foreground window through out-of-context win event hooks (Wine
// reports focus changes but neither foreground changes nor renames), with a slow timer as a
// safety net, and posts WM_COMMAND IDOK to a window with the caption OK
// style when its "ok" is tapped. Its own window text is the title it shows.
#include <windows.h>

#include <string>

#include "settings/controls/gdi_guards.h"
#include "tools/navbar/nav_bar_layout.h"
#include "tools/navbar/nav_bar_target.h"

inline constexpr wchar_t kNavBarClass[] = L"DeviceNavBar";

class NavBar {
 public:
  NavBar() = default;
  NavBar(const NavBar&) = delete;
  NavBar& operator=(const NavBar&) = delete;
  ~NavBar();

  // One bar per process: the win event hooks find it through a static pointer.
  bool Create(HINSTANCE instance);
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                  DWORD thread, DWORD time);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnPaint();
  void OnButtonDown(POINT point);
  void OnButtonUp(POINT point);
  void OnNcDestroy();
  // Reads the foreground window, its title and style, and the clock; repaints on a change.
  void Refresh();
  void UpdateLayout();

  HWND window_ = nullptr;
  HWND target_ = nullptr;
  NavBarCaption caption_;
  std::wstring clock_;
  NavBarLayout layout_{};
  int dpi_ = 96;
  bool pressed_ = false;
  ScopedFont titleFont_;
  ScopedFont clockFont_;
  bool refreshPosted_ = false;
  HWINEVENTHOOK hooks_[3] = {};

  static NavBar* s_instance;
};
