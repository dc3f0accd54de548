#include "tools/navbar/nav_bar_target.h"

#include <cwchar>

#include "platform/ce_platform.h"

namespace {

// Windows of the desktop's own shell, which a device does not have.
bool IsShellWindow(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return wcscmp(name, L"Shell_TrayWnd") == 0 || wcscmp(name, L"Progman") == 0;
}

}  // namespace

HWND FollowableWindow(HWND foreground, HWND bar) {
  if (!foreground || !IsWindow(foreground)) return nullptr;
  HWND root = GetAncestor(foreground, GA_ROOT);
  if (!root) root = foreground;
  if (root == bar || root == GetDesktopWindow() || !IsWindowVisible(root) || IsShellWindow(root)) return nullptr;
  return root;
}

HWND NextTarget(HWND foreground, HWND bar, HWND current) {
  if (HWND followed = FollowableWindow(foreground, bar)) return followed;
  return current && IsWindow(current) && IsWindowVisible(current) ? current : nullptr;
}

NavBarCaption DescribeWindow(HWND window) {
  NavBarCaption caption;
  if (!window || !IsWindow(window)) return caption;
  wchar_t title[256] = L"";
  GetWindowTextW(window, title, 256);
  caption.title = title;
  caption.ok = (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)) & WS_EX_CAPTIONOKBTN) != 0;
  return caption;
}
