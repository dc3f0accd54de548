#include "settings/controls/button_bar.h"

#include <utility>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/gradient_fill.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

void ButtonBar::SetSlot(int index, HMODULE module, int iconId, int command) {
  if (index < 0 || index >= kSlotCount) return;
  Slot& slot = slots_[index];
  slot.icon.Free();
  slot.rect = RECT{};
  slot.command = command;
  if (iconId >= 1 && iconId <= 0xFFFF) LoadImageFromResource(slot.icon, module, MAKEINTRESOURCEW(iconId));
}

void ButtonBar::Paint(HDC dc, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  // The pattern is rebuilt only when the size changes; a height change would otherwise
  // leave the gradient misplaced.
  if (!brush_ || width != brushWidth_ || height != brushHeight_) {
    if (!BuildBackground(dc, width, height)) return;
  }
  MemoryImage frame;
  if (!frame.Create(dc, width, height)) return;
  RECT all = {0, 0, width, height};
  SetBrushOrgEx(frame.Dc(), 0, 0, nullptr);
  FillRect(frame.Dc(), &all, brush_.Get());
  int slotWidth = width / kSlotCount;
  int iconBand = ScaleY(2);
  for (int i = 0; i < kSlotCount; ++i) {
    Slot& slot = slots_[i];
    if (!slot.icon.Drawable()) {
      slot.rect = RECT{};
      continue;
    }
    int left = slotWidth / 2 + i * slotWidth - slot.icon.Width() / 2;
    int top = iconBand + (height - iconBand) / 2 - slot.icon.Height() / 2;
    DrawImage(slot.icon, frame.Dc(), left, top);
    slot.rect = RECT{left, top, left + slot.icon.Width(), top + slot.icon.Height()};
  }
  BitBlt(dc, x, y, width, height, frame.Dc(), 0, 0, SRCCOPY);
  x_ = x;
  y_ = y;
  width_ = width;
  height_ = height;
}

int ButtonBar::HitTest(int x, int y) const {
  POINT point = {x, y};
  for (const Slot& slot : slots_) {
    if (slot.icon.Drawable() && PtInRect(&slot.rect, point)) return slot.command;
  }
  return -1;
}

RECT ButtonBar::SlotRect(int index) const {
  return index >= 0 && index < kSlotCount ? slots_[index].rect : RECT{};
}

bool ButtonBar::BuildBackground(HDC dc, int width, int height) {
  // The old brush goes only once the new one exists, so the two never share a handle.
  ScopedBrush old = std::move(brush_);
  brushWidth_ = brushHeight_ = 0;
  // A section, so that the glow blends into the pattern where it lies.
  if (!pattern_.CreateSection(dc, width, height)) return false;
  HDC image = pattern_.Dc();
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  COLORREF dark = MixColour(highlight, kBlack, 100);
  int third = height / 3;
  FillColumnGradient(image, 0, 0, third, highlight, dark);
  FillColumnGradient(image, 0, third, height + third, dark, highlight);
  CopyColumnAcross(image, 0, 0, width, height);
  RECT all = {0, 0, width, height};
  GdiFlush();
  ShinePixels(pattern_.Pixels(), static_cast<std::ptrdiff_t>(width) * 4, all, width / 2, ScaleY(11), kWhite);
  int line = ScaleY(1);
  COLORREF light = MixColour(highlight, kWhite, 192);
  FillRowGradient(image, RECT{0, line, width / 2, 2 * line}, light, highlight);
  FillRowGradient(image, RECT{width / 2, line, width, 2 * line}, highlight, light);
  ScopedBrush edge(CreateSolidBrush(MixColour(kBlack, highlight, 164)));
  RECT top = {0, 0, width, line};
  FillRect(image, &top, edge.Get());
  brush_.Reset(CreatePatternBrush(pattern_.Bitmap()));
  if (!brush_) return false;
  brushWidth_ = width;
  brushHeight_ = height;
  return true;
}
