#include "settings/controls/finger_list.h"

#include <algorithm>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/gradient_fill.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int RowHeight() { return ScaleY(42); }

COLORREF Shade(COLORREF highlight, int t) { return MixColour(kBlack, highlight, t); }

bool LoadEntryIcon(PlanarImage& icon, HMODULE module, int id) {
  if (id < 1 || id > 0xFFFF) return false;
  return LoadImageFromResource(icon, module, MAKEINTRESOURCEW(id)) == S_OK;
}

}  // namespace

FingerList::~FingerList() { Destroy(); }

void FingerList::AddEntry(const wchar_t* caption, HMODULE module, int firstIconId, int secondIconId,
                          int command) {
  auto entry = std::make_unique<FingerListEntry>();
  entry->caption.Assign(caption);
  LoadEntryIcon(entry->firstIcon, module, firstIconId);
  LoadEntryIcon(entry->secondIcon, module, secondIconId);
  entry->command = command;
  entries_.push_back(std::move(entry));
  stale_ = true;
}

void FingerList::Clear() {
  entries_.clear();
  selected_ = -1;
  stale_ = true;
}

void FingerList::Place(HWND owner, int x, int y, int width, int height, ChooseCallback choose, void* cookie) {
  owner_ = owner;
  choose_ = choose;
  cookie_ = cookie;
  stale_ = true;
  LOGFONTW font = {};
  font.lfHeight = ScaleY(13);
  font.lfWeight = FW_BOLD;
  lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  font_.Reset(CreateFontIndirectW(&font));
  placed_ = true;
  scroller_.Init(owner, x, y, this, this, width, height);
}

bool FingerList::Resize(int width, int height) {
  if (!placed_ || (width == scroller_.Width() && height == scroller_.Height())) return false;
  stale_ = true;
  scroller_.Resize(width, height);
  return true;
}

void FingerList::SelectNext() {
  int count = EntryCount();
  if (count == 0) return;
  selected_ = selected_ < 0 ? 0 : (selected_ + 1) % count;
  BringSelectedIntoView();
}

void FingerList::SelectPrevious() {
  int count = EntryCount();
  if (count == 0) return;
  selected_ = selected_ < 0 ? count - 1 : (selected_ + count - 1) % count;
  BringSelectedIntoView();
}

void FingerList::ActivateSelected() {
  if (selected_ < 0 || selected_ >= EntryCount() || !choose_) return;
  FingerListEntry* entry = entries_[selected_].get();
  choose_(owner_, cookie_, entry->command, entry);
}

void FingerList::Draw(HDC dc) {
  if (placed_ && stale_) scroller_.Repaint(false);
  scroller_.Draw(dc);
}

bool FingerList::PointerDown(int x, int y) { return scroller_.PointerDown(x, y); }
bool FingerList::PointerMove(int x, int y) { return scroller_.PointerMove(x, y); }
bool FingerList::PointerUp(int x, int y) { return scroller_.PointerUp(x, y); }
bool FingerList::Timer(UINT_PTR id) { return scroller_.Timer(id); }

void FingerList::Destroy() {
  scroller_.Destroy();
  separatorBrush_.Reset();
  font_.Reset();
  placed_ = false;
}

FingerListEntry* FingerList::Entry(int index) {
  return index >= 0 && index < EntryCount() ? entries_[index].get() : nullptr;
}

int FingerList::Paint(void*, HDC dc, int, int offset, int width, int height) {
  const int total = std::max(EntryCount() * RowHeight(), height);
  LayOutRows();
  stale_ = false;
  contentHeight_ = total;
  // The backdrop is one screen of margin above the rows, the rows and one screen below; a
  // drag that pulls further than that shows the margin's far edge.
  PaintBackdrop(dc, std::clamp(height - offset, 0, total + height), width, height, total);
  if (FingerListEntry* entry = Entry(selected_)) {
    if (entry->rowBottom + offset > 0 && entry->rowTop + offset < height) {
      DrawEntry(dc, *entry, entry->rowTop + offset, width, true);
    }
  }
  return total;
}

bool FingerList::Press(void*, int, int y) {
  int index = EntryAt(y);
  if (index >= 0) selected_ = index;
  return true;
}

void FingerList::CancelPress(void*) { selected_ = -1; }

void FingerList::Click(void*, int, int y) {
  FingerListEntry* entry = Entry(EntryAt(y));
  if (entry && choose_) choose_(owner_, cookie_, entry->command, entry);
}

int FingerList::EntryAt(int y) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i]->rowTop <= y && y < entries_[i]->rowBottom) return static_cast<int>(i);
  }
  return -1;
}

void FingerList::LayOutRows() {
  const int rowHeight = RowHeight();
  int top = 0;
  for (auto& entry : entries_) {
    entry->rowTop = top;
    entry->rowBottom = top + rowHeight;
    top += rowHeight;
  }
}

// Only the part of the backdrop that shows is drawn, from its row `top` on: three gradients of
// the highlight colour, and the rows unselected.
void FingerList::PaintBackdrop(HDC dc, int top, int width, int height, int total) {
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  FillColumnGradient(dc, 0, -top, height - top, Shade(highlight, 190), Shade(highlight, 160));
  FillColumnGradient(dc, 0, height - top, height + total - top, Shade(highlight, 160), Shade(highlight, 70));
  FillColumnGradient(dc, 0, height + total - top, total + 2 * height - top, Shade(highlight, 70),
                     Shade(highlight, 40));
  CopyColumnAcross(dc, 0, 0, width, height);
  separatorBrush_.Reset(CreateSolidBrush(Shade(highlight, 55)));
  const int rowHeight = RowHeight();
  for (const auto& entry : entries_) {
    const int y = height + entry->rowTop - top;
    if (y + rowHeight > 0 && y < height) DrawEntry(dc, *entry, y, width, false);
  }
}

void FingerList::DrawEntry(HDC dc, const FingerListEntry& entry, int y, int width, bool selected) const {
  int rowHeight = RowHeight();
  int inner = ScaleY(41);
  if (selected) {
    ScopedBrush fill(CreateSolidBrush(MixColour(kWhite, GetSysColor(COLOR_HIGHLIGHT), 40)));
    RECT row = {0, y, width, y + rowHeight};
    FillRect(dc, &row, fill.Get());
  }
  if (entry.firstIcon.Drawable()) {
    DrawImage(entry.firstIcon, dc, ScaleX(10), y + (inner - entry.firstIcon.Height()) / 2);
  }
  {
    ScopedSelectObject font(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kWhite);
    RECT text = {ScaleX(52), y, width - ScaleX(60), y + inner};
    DrawTextW(dc, entry.caption.c_str(), -1, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  RECT separator = {0, y + inner, width, y + rowHeight};
  FillRect(dc, &separator, separatorBrush_.Get());
}

void FingerList::BringSelectedIntoView() {
  if (!placed_) return;
  LayOutRows();
  const FingerListEntry* entry = Entry(selected_);
  int offset = scroller_.Offset();
  int height = scroller_.Height();
  if (entry->rowTop + offset < 0) {
    scroller_.SetOffset(-entry->rowTop, true);
  } else if (entry->rowBottom > height - offset) {
    scroller_.SetOffset(height - entry->rowBottom, true);
  } else {
    scroller_.Repaint(true);
  }
}
