#pragma once
// The main window's list: rows of icon and caption on a highlight-coloured gradient,
// dragged and flicked through a KineticScroller. Not a window: the owner feeds it its
// mouse, timer and key messages and has it draw into its device context.
#include <windows.h>

#include <memory>
#include <vector>

#include "settings/base/wide_string.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/kinetic_scroller.h"
#include "settings/controls/planar_image.h"
#include "settings/controls/scroll_content.h"

struct FingerListEntry {
  WideString caption;
  PlanarImage firstIcon;   // empty when none or not loadable
  PlanarImage secondIcon;  // loaded and kept; nothing draws it
  int command = 0;
  // Content coordinates of the row, recorded when the list lays out its rows.
  int rowTop = 0;
  int rowBottom = 0;
};

// Called with the chosen entry; the entry stays valid until the list is cleared.
using ChooseCallback = void (*)(HWND owner, void* cookie, int command, FingerListEntry* entry);

class FingerList final : public ScrollContent {
 public:
  FingerList() = default;
  FingerList(const FingerList&) = delete;
  FingerList& operator=(const FingerList&) = delete;
  ~FingerList() override;

  // Icon ids are resources of `module`; -1 means none. The entry goes to the end.
  void AddEntry(const wchar_t* caption, HMODULE module, int firstIconId, int secondIconId, int command);
  // Removes every entry; nothing is selected.
  void Clear();
  // (Re)starts the scroller at offset 0 over the owner's rectangle and paints the rows.
  void Place(HWND owner, int x, int y, int width, int height, ChooseCallback choose, void* cookie);
  // Returns whether the size changed; a list not yet placed takes its size from Place.
  bool Resize(int width, int height);

  // The owner's arrow keys and Enter: the selection wraps at both ends and is scrolled into
  // view; activating calls the choose callback for the selected entry, if any.
  void SelectNext();
  void SelectPrevious();
  void ActivateSelected();

  // Copies the list to its rectangle of `dc`; rows added since the last paint are drawn first.
  void Draw(HDC dc);

  // Owner coordinates, read as signed 16-bit values: the raw LOWORD/HIWORD of a mouse
  // message's lParam may be passed. Each returns whether the list handled the message.
  bool PointerDown(int x, int y);
  bool PointerMove(int x, int y);
  bool PointerUp(int x, int y);
  bool Timer(UINT_PTR id);

  // Kills the scroller's timers and frees the images; the entries stay.
  void Destroy();

  int EntryCount() const { return static_cast<int>(entries_.size()); }
  FingerListEntry* Entry(int index);
  int SelectedIndex() const { return selected_; }
  int Offset() const { return scroller_.Offset(); }
  int ContentHeight() const { return contentHeight_; }
  KineticScroller& Scroller() { return scroller_; }

  // ScrollContent: called by the scroller.
  int Paint(void* cookie, HDC dc, int spare, int offset, int width, int height) override;
  bool Press(void* cookie, int x, int y) override;
  void CancelPress(void* cookie) override;
  void Click(void* cookie, int x, int y) override;

 private:
  int EntryAt(int y) const;
  void LayOutRows();
  void PaintBackdrop(HDC dc, int top, int width, int height, int total);
  void DrawEntry(HDC dc, const FingerListEntry& entry, int y, int width, bool selected) const;
  void BringSelectedIntoView();

  KineticScroller scroller_;
  std::vector<std::unique_ptr<FingerListEntry>> entries_;
  int contentHeight_ = 0;
  ScopedBrush separatorBrush_;
  ScopedFont font_;
  ChooseCallback choose_ = nullptr;
  void* cookie_ = nullptr;
  HWND owner_ = nullptr;
  int selected_ = -1;
  bool placed_ = false;
  bool stale_ = true;  // entries or size changed since the last paint
};
