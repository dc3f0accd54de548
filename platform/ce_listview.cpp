// CE list views know LVS_EX_NOHSCROLL: no horizontal scroll bar, a column wider than the
// list is simply cut off at its right edge. The desktop list view lacks the style; here,
// while the style is set, a column is drawn no wider than the list's client area, and the
// list still answers with the width it was given, as on the device.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <new>
#include <vector>

#include "platform/ce_platform.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4345;  // "CE"

struct ListState {
  bool fitting = false;
  std::vector<int> given;  // column widths as set, by column
};

bool NoHorizontalScroll(HWND list) {
  return (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_NOHSCROLL) != 0;
}

void Remember(ListState& state, int column, int width) {
  if (column < 0) return;
  if (state.given.size() <= static_cast<std::size_t>(column)) state.given.resize(static_cast<std::size_t>(column) + 1, 0);
  state.given[static_cast<std::size_t>(column)] = width;
}

void FitColumns(HWND list, const ListState& state) {
  RECT client{};
  GetClientRect(list, &client);
  int left = 0;
  for (std::size_t column = 0; column < state.given.size(); ++column) {
    const int room = client.right - left > 0 ? client.right - left : 0;
    const int width = state.given[column] < room ? state.given[column] : room;
    DefSubclassProc(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
    left += width;
  }
}

LRESULT CALLBACK ListViewProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  ListState& state = *reinterpret_cast<ListState*>(data);
  switch (message) {
    case LVM_INSERTCOLUMNW: {
      const auto* column = reinterpret_cast<const LVCOLUMNW*>(lParam);
      const LRESULT index = DefSubclassProc(list, message, wParam, lParam);
      if (index >= 0 && column && (column->mask & LVCF_WIDTH)) {
        const std::size_t at = std::min(static_cast<std::size_t>(index), state.given.size());
        state.given.insert(state.given.begin() + static_cast<std::ptrdiff_t>(at), column->cx);
        if (NoHorizontalScroll(list)) FitColumns(list, state);
      }
      return index;
    }
    case LVM_DELETECOLUMN:
      if (wParam < state.given.size()) state.given.erase(state.given.begin() + static_cast<std::ptrdiff_t>(wParam));
      break;
    case LVM_SETCOLUMNWIDTH:
      Remember(state, static_cast<int>(wParam), static_cast<short>(LOWORD(lParam)));
      if (NoHorizontalScroll(list)) {
        FitColumns(list, state);
        return TRUE;
      }
      break;
    case LVM_GETCOLUMNWIDTH:
      if (NoHorizontalScroll(list) && wParam < state.given.size()) return state.given[wParam];
      break;
    case WM_NCDESTROY: {
      const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
      RemoveWindowSubclass(list, ListViewProc, kSubclassId);
      delete &state;
      return result;
    }
    default: break;
  }
  const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
  if ((message == LVM_SETEXTENDEDLISTVIEWSTYLE || message == WM_SIZE || message == LVM_INSERTITEMW ||
       message == LVM_DELETEITEM) &&
      NoHorizontalScroll(list))
    FitColumns(list, state);
  return result;
}

}  // namespace

void CeStandInListViewRules(HWND list) {
  ListState* state = new (std::nothrow) ListState;
  if (state && !SetWindowSubclass(list, ListViewProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) delete state;
}
