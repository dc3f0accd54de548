#include "settings/toolkit/icon_marker.h"

#include <windows.h>
#include <windowsx.h>

#include <utility>

#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"
#include "settings/controls/planar_image.h"
#include "settings/toolkit/row_builders.h"
#include "settings/toolkit/settings_page.h"

namespace {

constexpr wchar_t kMarkerClass[] = L"IconMarkerClass";
constexpr wchar_t kToolTipClass[] = L"ToolTipWindow";

// A tooltip appears after the stylus has been held 350 ms and goes after 3.2 s at most.
constexpr UINT_PTR kShowTipTimer = 9979;
constexpr UINT kShowTipDelay = 350;
constexpr UINT_PTR kHideTipTimer = 9980;
constexpr UINT kHideTipDelay = 3200;

// The choice menu: "none" first (command 0), then item p as command 1144 + p.
constexpr UINT kNoneEntryText = 1087;
constexpr UINT kNoneCommand = 0;
constexpr UINT kFirstItemCommand = 1144;
constexpr UINT kLastItemOffset = 30;

constexpr COLORREF kFrameColour = 0x321414;
constexpr COLORREF kCellColour = 0xF3F3F3;
constexpr COLORREF kChosenCellColour = 0xAA5A50;
constexpr COLORREF kBlockedTint = 0xBEBEBE;
constexpr int kBlockedOpacity = 200;

IconMarker* MarkerOf(HWND window) { return reinterpret_cast<IconMarker*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void DrawCentred(HDC dc, const PlanarImage* icon, const RECT& cell) {
  if (!icon || !icon->Drawable()) return;
  const int x = cell.left + (cell.right - cell.left - icon->Width()) / 2;
  const int y = cell.top + (cell.bottom - cell.top - icon->Height()) / 2;
  DrawImage(*icon, dc, x, y);
}

HWND CreateRowMarker(const MarkerRowPart& part, HINSTANCE instance, HWND window, int x, int y, bool singleChoice,
                     const MarkerRowItems& items) {
  if (!part.marker) return nullptr;
  return CreateIconMarker(*part.marker, instance, window, x, y, part.notifyId, singleChoice, items.captionIds,
                          items.ids, items.icons, items.count, part.value, part.markerId);
}

}  // namespace

IconMarker::~IconMarker() {
  Clear();
  if (instance_) UnregisterClassW(kMarkerClass, instance_);  // fails harmlessly while other markers exist
}

void IconMarker::Clear() {
  tooltip_.Destroy();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
  }
  items_.clear();
}

HWND CreateIconMarker(IconMarker& marker, HINSTANCE instance, HWND parent, int x, int y, UINT notifyId,
                      bool singleChoice, const UINT* captionIds, const DWORD* ids, const PlanarImage* const* icons,
                      int count, DWORD value, int controlId) {
  marker.Clear();
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = IconMarker::WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kMarkerClass;
  RegisterClassW(&windowClass);  // already registered by another marker: fine

  marker.notifyId_ = notifyId;
  marker.singleChoice_ = singleChoice;
  marker.parent_ = parent;
  marker.instance_ = instance;
  for (int index = 0; ids && index < count; ++index) {
    MarkerItem item;
    item.id = ids[index];
    if (captionIds) LoadText(Modules().languageLibrary, captionIds[index], item.caption);
    const bool on = singleChoice ? item.id == value : (item.id & value) != 0;
    item.state = on ? MarkerState::On : MarkerState::Off;
    item.icon = icons ? icons[index] : nullptr;
    item.position = marker.Count();
    marker.items_.push_back(std::move(item));
  }

  const int width = singleChoice ? ScaleX(16) + ScaleX(1, true) : ScaleX(1) + ScaleX(16) * marker.Count();
  HWND window = CreateWindowExW(0, kMarkerClass, kMarkerClass, WS_CHILD, x, y, width, ScaleX(17), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, &marker);
  if (!window) return nullptr;
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  return window;
}

DWORD MarkerValue(const IconMarker& marker) {
  DWORD value = 0;
  for (const MarkerItem& item : marker.items_) {
    if (item.state == MarkerState::On) value += item.id;
  }
  return value;
}

void MarkerSetOff(IconMarker& marker, DWORD id) { marker.SetState(id, MarkerState::Off); }

void MarkerSetBlocked(IconMarker& marker, DWORD id) { marker.SetState(id, MarkerState::Blocked); }

void IconMarker::SetState(DWORD id, MarkerState state) {
  for (MarkerItem& item : items_) {
    if (item.id != id) continue;
    item.state = state;
    Repaint();
    return;
  }
}

void IconMarker::Repaint() {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

LRESULT CALLBACK IconMarker::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* marker = static_cast<IconMarker*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(marker));
    marker->window_ = window;
  }
  IconMarker* marker = MarkerOf(window);
  return marker ? marker->HandleMessage(window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT IconMarker::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return HandlePaint(window);
    case WM_PRINTCLIENT: Paint(window, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_LBUTTONDOWN: return HandleTap(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_LBUTTONUP: return HandleRelease(window);
    case WM_TIMER: return HandleTimer(window, wParam);
    case WM_COMMAND: return HandleChoice(window, LOWORD(wParam));
    case WM_NCDESTROY: return HandleNcDestroy(window, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT IconMarker::HandlePaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) Paint(window, dc);
  EndPaint(window, &paint);
  return 0;
}

void IconMarker::Paint(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  MemoryImage surface;
  HDC target = surface.Create(dc, client.right, client.bottom) ? surface.Dc() : dc;

  FillSolid(target, client, kFrameColour);
  RECT cell{ScaleX(1), ScaleX(1), ScaleX(1) + ScaleX(15), client.bottom - ScaleX(1)};
  if (singleChoice_) {
    // Only the chosen item shows.
    FillSolid(target, cell, kCellColour);
    for (const MarkerItem& item : items_) {
      if (item.state != MarkerState::On) continue;
      DrawCentred(target, item.icon, cell);
      break;
    }
  } else {
    for (const MarkerItem& item : items_) {
      FillSolid(target, cell, item.state == MarkerState::On ? kChosenCellColour : kCellColour);
      DrawCentred(target, item.icon, cell);
      if (item.state == MarkerState::Blocked)
        TintRect(target, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, kBlockedTint,
                 kBlockedOpacity);
      OffsetRect(&cell, ScaleX(16), 0);
    }
  }
  if (target != dc) BitBlt(dc, 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
}

LRESULT IconMarker::HandleTap(HWND window, int x, int y) {
  if (singleChoice_) {
    ShowChoiceMenu(window);
    return 0;
  }
  ToggleAt(window, x, y);
  Repaint();
  SendMessageW(parent_, kMarkerClickedMessage, 0, static_cast<LPARAM>(notifyId_));
  return 0;
}

void IconMarker::ToggleAt(HWND window, int x, int y) {
  const int index = x >= 0 ? x / ScaleX(16) : -1;
  if (index < 0 || index >= Count()) return;
  MarkerItem& item = items_[static_cast<std::size_t>(index)];
  // A blocked item is chosen in a single-choice marker beside this one; it only explains itself.
  if (item.state != MarkerState::Blocked) item.state = item.state == MarkerState::On ? MarkerState::Off : MarkerState::On;

  tooltip_.Destroy();
  RECT place{};
  GetWindowRect(window, &place);
  const int tapX = place.left + x;
  const int tapY = place.top + y;
  HWND tip = tooltip_.Create(window, instance_, kToolTipClass, item.caption.c_str(), tapX, tapY);
  if (!tip) return;
  // Above and left of the stylus, where the hand does not cover it.
  RECT size{};
  GetWindowRect(tip, &size);
  SetWindowPos(tip, nullptr, tapX - ScaleX(2) - (size.right - size.left), tapY - ScaleX(2) - (size.bottom - size.top), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer(window, kShowTipTimer, kShowTipDelay, nullptr);
  SetTimer(window, kHideTipTimer, kHideTipDelay, nullptr);
}

void IconMarker::ShowChoiceMenu(HWND window) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  bool anyOn = false;
  for (const MarkerItem& item : items_) anyOn = anyOn || item.state == MarkerState::On;
  WideString none;
  LoadText(Modules().languageLibrary, kNoneEntryText, none);
  AppendMenuW(menu, MF_STRING | (anyOn ? MF_UNCHECKED : MF_CHECKED), kNoneCommand, none.c_str());
  for (const MarkerItem& item : items_) {
    const UINT checked = item.state == MarkerState::On ? MF_CHECKED : MF_UNCHECKED;
    AppendMenuW(menu, MF_STRING | checked, kFirstItemCommand + static_cast<UINT>(item.position), item.caption.c_str());
  }
  RECT place{};
  GetWindowRect(window, &place);
  // The choice comes back as WM_COMMAND.
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, place.left, place.top + ScaleX(18), 0, window, nullptr);
  DestroyMenu(menu);
}

LRESULT IconMarker::HandleChoice(HWND, UINT command) {
  // Unsigned: commands below the first item's are foreign too.
  if (command != kNoneCommand && command - kFirstItemCommand > kLastItemOffset) return 0;
  DWORD chosen = 0;
  for (MarkerItem& item : items_) item.state = MarkerState::Off;
  if (command != kNoneCommand) {
    const auto position = static_cast<int>(command - kFirstItemCommand);
    if (position < Count()) {
      MarkerItem& item = items_[static_cast<std::size_t>(position)];
      item.state = MarkerState::On;
      chosen = item.id;
    }
  }
  Repaint();
  SendMessageW(parent_, kMarkerChosenMessage, chosen, static_cast<LPARAM>(notifyId_));
  return 0;
}

LRESULT IconMarker::HandleTimer(HWND window, UINT_PTR timer) {
  if (timer != kShowTipTimer && timer != kHideTipTimer) return 0;
  KillTimer(window, timer);
  if (timer == kShowTipTimer) tooltip_.Show();
  else tooltip_.Destroy();
  return 0;
}

LRESULT IconMarker::HandleRelease(HWND window) {
  KillTimer(window, kShowTipTimer);
  KillTimer(window, kHideTipTimer);
  tooltip_.Destroy();
  return 0;
}

LRESULT IconMarker::HandleNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
  tooltip_.Destroy();
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  window_ = nullptr;
  return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

int AddIconMarkerRow(SettingsPage& page, HWND window, const MarkerRowPart& first, const MarkerRowPart& flags,
                     const MarkerRowPart& third, const MarkerRowItems& items, int y) {
  HINSTANCE instance = page.Instance();
  AddStatic(page, window, flags.labelId, flags.textId, 0, y + ScaleX(23), ScaleX(98), ScaleX(18), SS_RIGHT);
  HWND flagsWindow = CreateRowMarker(flags, instance, window, ScaleX(100), y + ScaleY(21), false, items);
  AddStatic(page, window, first.labelId, first.textId, 0, y + ScaleX(2), ScaleX(98), ScaleX(18), SS_RIGHT);
  CreateRowMarker(first, instance, window, ScaleX(100), y, true, items);

  // The third marker closes the top line flush with the right end of the flags marker.
  int flagsRight = ScaleX(100) + ScaleX(1) + ScaleX(16) * items.count;
  if (flagsWindow) {
    RECT place{};
    GetWindowRect(flagsWindow, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    flagsRight = place.right;
  }
  AddStatic(page, window, third.labelId, third.textId, flagsRight - ScaleX(106), y + ScaleX(2), ScaleX(83),
            ScaleX(18), SS_RIGHT);
  CreateRowMarker(third, instance, window, flagsRight - ScaleX(16) - ScaleX(1, true), y, true, items);

  if (flags.marker) {
    if (first.value) MarkerSetBlocked(*flags.marker, first.value);
    if (third.value) MarkerSetBlocked(*flags.marker, third.value);
  }
  return ScaleY(42);
}
