// The soft-key menu bar: a window along the bottom of the screen, owned by the window it
// serves, holding a toolbar of soft keys.
#include <windows.h>
#include <commctrl.h>

#include <new>
#include <vector>

#include "platform/aygshell.h"
#include "platform/device_facts.h"

namespace {

constexpr wchar_t kMenuBarClass[] = L"menu_worker";
constexpr wchar_t kMenuBarProp[] = L"CeMenuBar";
constexpr UINT kFirstPopupCommand = 0xF000;

struct KeyOverride {
  UINT key;
  WORD mask;
  WORD bits;
};

struct MenuBar {
  HWND parent = nullptr;
  HWND toolbar = nullptr;
  HMENU menu = nullptr;  // owned: loaded from the resource
  std::vector<KeyOverride> overrides;
};

thread_local HHOOK t_keyHook = nullptr;
thread_local int t_barCount = 0;

MenuBar* BarOf(HWND bar) { return reinterpret_cast<MenuBar*>(GetWindowLongPtrW(bar, GWLP_USERDATA)); }

// The menu bar along the bottom is as high as the navigation bar along the top.
int BarHeight() { return NavigationBarHeight(); }

// Overridden keys reach the bar's owner as WM_HOTKEY (lParam: modifiers, key), as on the
// device, where the menu bar owns the hardware keys.
LRESULT CALLBACK KeyHook(int code, WPARAM removed, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removed == PM_REMOVE && message->hwnd &&
      (message->message == WM_KEYDOWN || message->message == WM_KEYUP)) {
    HWND root = GetAncestor(message->hwnd, GA_ROOT);
    HWND barWindow = root ? SHFindMenuBar(root) : nullptr;
    if (MenuBar* bar = barWindow ? BarOf(barWindow) : nullptr) {
      for (const KeyOverride& entry : bar->overrides) {
        if (entry.key != message->wParam) continue;
        bool up = message->message == WM_KEYUP;
        if (entry.mask & entry.bits & SHMBOF_NOTIFY)
          PostMessageW(bar->parent, WM_HOTKEY, entry.key, MAKELPARAM(up ? MOD_KEYUP : 0, entry.key));
        if (entry.mask & entry.bits & SHMBOF_NODEFAULT) message->message = WM_NULL;
        break;
      }
    }
  }
  return CallNextHookEx(t_keyHook, code, removed, lParam);
}

void AddSoftKeys(MenuBar& bar, int width) {
  int count = bar.menu ? GetMenuItemCount(bar.menu) : 0;
  if (count <= 0) return;
  SendMessageW(bar.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  for (int index = 0; index < count; ++index) {
    wchar_t text[128] = L"";
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = 128;
    if (!GetMenuItemInfoW(bar.menu, static_cast<UINT>(index), TRUE, &item)) continue;
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = item.hSubMenu && !item.wID ? static_cast<int>(kFirstPopupCommand + index) : static_cast<int>(item.wID);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
    button.iString = reinterpret_cast<INT_PTR>(text);
    SendMessageW(bar.toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  int keyWidth = width / count;
  SendMessageW(bar.toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(keyWidth, keyWidth));
}

void ShowPopup(MenuBar& bar, int index) {
  HMENU popup = GetSubMenu(bar.menu, index);
  RECT button;
  SendMessageW(bar.toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  MapWindowPoints(bar.toolbar, nullptr, reinterpret_cast<POINT*>(&button), 2);
  TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, button.left, button.top, bar.parent, nullptr);
}

LRESULT CALLBACK MenuBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MenuBar* bar = BarOf(window);
  if (!bar) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND: {
      // A soft key with a popup opens it; any other sends its command to the owner.
      UINT id = LOWORD(wParam);
      auto index = static_cast<int>(SendMessageW(bar->toolbar, TB_COMMANDTOINDEX, id, 0));
      if (bar->menu && index >= 0 && GetSubMenu(bar->menu, index)) ShowPopup(*bar, index);
      else SendMessageW(bar->parent, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(window));
      return 0;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case SHCMBM_GETMENU: return reinterpret_cast<LRESULT>(bar->menu);
    case SHCMBM_GETSUBMENU: {
      LRESULT index = SendMessageW(bar->toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(lParam), 0);
      return index < 0 || !bar->menu ? 0 : reinterpret_cast<LRESULT>(GetSubMenu(bar->menu, static_cast<int>(index)));
    }
    case SHCMBM_OVERRIDEKEY: {
      auto key = static_cast<UINT>(wParam);
      KeyOverride entry{key, LOWORD(lParam), HIWORD(lParam)};
      for (KeyOverride& existing : bar->overrides) {
        if (existing.key == key) {
          existing = entry;
          return TRUE;
        }
      }
      bar->overrides.push_back(entry);
      return TRUE;
    }
    case WM_NCDESTROY:
      if (GetPropW(bar->parent, kMenuBarProp) == window) RemovePropW(bar->parent, kMenuBarProp);
      if (bar->menu) DestroyMenu(bar->menu);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete bar;
      if (--t_barCount == 0 && t_keyHook) {
        UnhookWindowsHookEx(t_keyHook);
        t_keyHook = nullptr;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      // The toolbar messages (TB_SETBUTTONINFO and the rest) go to the soft keys.
      if (message >= WM_USER && message < SHCMBM_SETSUBMENU) return SendMessageW(bar->toolbar, message, wParam, lParam);
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool RegisterMenuBarClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, kMenuBarClass, &windowClass)) return true;
  windowClass.lpfnWndProc = MenuBarProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kMenuBarClass;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  return RegisterClassW(&windowClass) != 0;
}

}  // namespace

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info) {
  if (!info || info->cbSize != sizeof(SHMENUBARINFO) || !IsWindow(info->hwndParent)) return FALSE;
  info->hwndMB = nullptr;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMenuBarClass(instance)) return FALSE;

  auto* bar = new (std::nothrow) MenuBar;
  if (!bar) return FALSE;
  bar->parent = info->hwndParent;
  if (!(info->dwFlags & SHCMBF_EMPTYBAR)) {
    // Only menu resources make soft keys here; the toolbar resource form is not used.
    bar->menu = info->dwFlags & SHCMBF_HMENU ? LoadMenuW(info->hInstRes, MAKEINTRESOURCEW(info->nToolBarId)) : nullptr;
    if (!bar->menu) {
      delete bar;
      return FALSE;
    }
  }

  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = BarHeight();
  // Shown only once made, without activation: the bar never takes the focus from its owner.
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  HWND window = CreateWindowExW(WS_EX_NOACTIVATE, kMenuBarClass, L"", style, 0, GetSystemMetrics(SM_CYSCREEN) - height,
                                width, height, info->hwndParent, nullptr, instance, nullptr);
  if (!window) {
    if (bar->menu) DestroyMenu(bar->menu);
    delete bar;
    return FALSE;
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
  ++t_barCount;
  if (!t_keyHook) t_keyHook = SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
  bar->toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN |
                                     CCS_NORESIZE | CCS_NODIVIDER,
                                 0, 0, width, height, window, nullptr, instance, nullptr);
  AddSoftKeys(*bar, width);
  SetPropW(info->hwndParent, kMenuBarProp, window);
  if (!(info->dwFlags & SHCMBF_HIDDEN)) ShowWindow(window, SW_SHOWNA);
  info->hwndMB = window;
  return TRUE;
}

HWND WINAPI SHFindMenuBar(HWND window) {
  return window ? static_cast<HWND>(GetPropW(window, kMenuBarProp)) : nullptr;
}
