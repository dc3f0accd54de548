#pragma once
// The bar of up to five image buttons along the bottom of the main window. Not a window:
// the owner paints it into its device context and hit-tests its own button-up messages.
#include <windows.h>

#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"
#include "settings/controls/planar_image.h"

class ButtonBar {
 public:
  static constexpr int kSlotCount = 5;

  ButtonBar() = default;
  ButtonBar(const ButtonBar&) = delete;
  ButtonBar& operator=(const ButtonBar&) = delete;

  // Slot 0 to 4 (others are ignored) shows the icon resource `iconId` of `module`; -1 (or
  // an icon that cannot be loaded) leaves the slot empty. The slot's rectangle is set by
  // the next paint.
  void SetSlot(int index, HMODULE module, int iconId, int command);
  void Paint(HDC dc, int x, int y, int width, int height);
  // The command of the slot under (x, y), relative to the bar; -1 for no slot or an empty one.
  int HitTest(int x, int y) const;

  // Where and how large the last paint was.
  int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT SlotRect(int index) const;
  HBRUSH BackgroundBrush() const { return brush_.Get(); }

 private:
  struct Slot {
    RECT rect = {};
    int command = -1;
    PlanarImage icon;
  };

  bool BuildBackground(HDC dc, int width, int height);

  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
  Slot slots_[kSlotCount];
  // The brush's pattern; kept for as long as the brush.
  MemoryImage pattern_;
  ScopedBrush brush_;
  int brushWidth_ = 0;
  int brushHeight_ = 0;
};
