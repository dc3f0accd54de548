#pragma once
// The icon marker: a row of small icons that act either as independent toggles (multiple
// choice: each item's id is a flag bit, the value is the sum of the chosen ones) or as a
// single choice picked from a popup menu (the value is the chosen item's id, 0 for none).
// It reports to its page with kMarkerClickedMessage (after every tap, multiple choice) and
// kMarkerChosenMessage (after a menu choice), lParam being its notification id.
#include <windows.h>

#include <vector>

#include "settings/base/wide_string.h"
#include "settings/toolkit/tooltip_window.h"

class PlanarImage;
class SettingsPage;

enum class MarkerState { On = 0, Off = 1, Blocked = 2 };

struct MarkerItem {
  DWORD id = 0;
  MarkerState state = MarkerState::Off;
  WideString caption;                  // tooltip and menu text
  const PlanarImage* icon = nullptr;   // drawn centred; not owned
  int position = 0;                    // order of creation
};

class IconMarker {
 public:
  IconMarker() = default;
  IconMarker(const IconMarker&) = delete;
  IconMarker& operator=(const IconMarker&) = delete;
  // Destroys the window if it is still there, frees the items, unregisters the class.
  ~IconMarker();

  HWND Window() const { return window_; }
  bool SingleChoice() const { return singleChoice_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const MarkerItem& Item(int position) const { return items_[static_cast<std::size_t>(position)]; }
  const ToolTipWindow& ToolTip() const { return tooltip_; }

 private:
  friend HWND CreateIconMarker(IconMarker& marker, HINSTANCE instance, HWND parent, int x, int y, UINT notifyId,
                               bool singleChoice, const UINT* captionIds, const DWORD* ids,
                               const PlanarImage* const* icons, int count, DWORD value, int controlId);
  friend DWORD MarkerValue(const IconMarker& marker);
  friend void MarkerSetOff(IconMarker& marker, DWORD id);
  friend void MarkerSetBlocked(IconMarker& marker, DWORD id);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandlePaint(HWND window);
  void Paint(HWND window, HDC dc);
  LRESULT HandleTap(HWND window, int x, int y);
  void ToggleAt(HWND window, int x, int y);
  void ShowChoiceMenu(HWND window);
  LRESULT HandleChoice(HWND window, UINT command);
  LRESULT HandleTimer(HWND window, UINT_PTR timer);
  LRESULT HandleRelease(HWND window);
  LRESULT HandleNcDestroy(HWND window, WPARAM wParam, LPARAM lParam);
  void SetState(DWORD id, MarkerState state);
  void Repaint();
  void Clear();

  ToolTipWindow tooltip_;
  UINT notifyId_ = 0;
  bool singleChoice_ = false;
  HWND parent_ = nullptr;
  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  std::vector<MarkerItem> items_;  // by position
};

// Creates the marker's window as a child of parent at (x, y): count items with the given
// caption ids, ids and icons; those in value are on (single choice: the one equal to it).
// Returns the window, or null; the items stay with the marker either way.
HWND CreateIconMarker(IconMarker& marker, HINSTANCE instance, HWND parent, int x, int y, UINT notifyId,
                      bool singleChoice, const UINT* captionIds, const DWORD* ids, const PlanarImage* const* icons,
                      int count, DWORD value, int controlId);
// The sum of the ids of the items that are on; 0 when none is.
DWORD MarkerValue(const IconMarker& marker);
// The first item with that id becomes off; repaints at once.
void MarkerSetOff(IconMarker& marker, DWORD id);
// The first item with that id becomes blocked: taps leave it so; repaints at once.
void MarkerSetBlocked(IconMarker& marker, DWORD id);

// One labelled marker of an icon-marker row.
struct MarkerRowPart {
  int labelId;
  UINT textId;
  IconMarker* marker;
  int markerId;
  UINT notifyId;
  DWORD value;
};

// The items that all three markers of a row show.
struct MarkerRowItems {
  const UINT* captionIds;
  const DWORD* ids;
  const PlanarImage* const* icons;
  int count;
};

// Two single-choice markers (first at the left of the top line, third at its right) over
// one multiple-choice marker on the line below. An item chosen in either single-choice
// marker is blocked in the multiple-choice one. Returns the advance ScaleY(42).
int AddIconMarkerRow(SettingsPage& page, HWND window, const MarkerRowPart& first, const MarkerRowPart& flags,
                     const MarkerRowPart& third, const MarkerRowItems& items, int y);
