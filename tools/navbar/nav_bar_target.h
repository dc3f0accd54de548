#pragma once
// Which window the navigation bar describes and what it shows for it. The bar follows the
// foreground window; when the foreground is something the device's bar would not describe
// (nothing, the bar itself, the desktop), it keeps describing the window it had while
// that one exists.
#include <windows.h>

#include <string>

// The top-level window to describe when `foreground` comes to the front, or null when the
// bar should not follow it.
HWND FollowableWindow(HWND foreground, HWND bar);
// The window to describe after the foreground changed to `foreground`.
HWND NextTarget(HWND foreground, HWND bar, HWND current);

struct NavBarCaption {
  std::wstring title;
  bool ok = false;  // the window asks for the caption OK button

  bool operator==(const NavBarCaption&) const = default;
};

NavBarCaption DescribeWindow(HWND window);
