#include "settings/controls/finger_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/base/scale.h"
#include "settings/controls/colour_mix.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/memory_image.h"

namespace {

// Icons of this test binary (list_icons.rc): 101 is 12 x 8 opaque red, 102 is 4 x 4.
constexpr int kRedIcon = 101;
constexpr int kHalfGreenIcon = 102;
constexpr int kMissingIcon = 999;

// At 192 dpi: rows of 84 pixels, the separator in their last 2.
constexpr int kRow = 84;
constexpr int kInner = 82;
constexpr int kWidth = 480;
constexpr int kHeight = 560;

struct Choice {
  HWND owner;
  int command;
  FingerListEntry* entry;
};

void RecordChoice(HWND owner, void* cookie, int command, FingerListEntry* entry) {
  static_cast<std::vector<Choice>*>(cookie)->push_back(Choice{owner, command, entry});
}

// The owner window feeds the list its mouse and timer messages, as the main window does.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* list = reinterpret_cast<FingerList*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (list) {
    switch (message) {
      case WM_LBUTTONDOWN: list->PointerDown(LOWORD(lParam), HIWORD(lParam)); return 0;
      case WM_MOUSEMOVE: list->PointerMove(LOWORD(lParam), HIWORD(lParam)); return 0;
      case WM_LBUTTONUP: list->PointerUp(LOWORD(lParam), HIWORD(lParam)); return 0;
      case WM_TIMER: list->Timer(wParam); return 0;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        list->Draw(dc);
        EndPaint(window, &paint);
        return 0;
      }
      default: break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

template <typename Condition>
bool PumpUntil(Condition done, DWORD timeout) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeout) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
  return true;
}

class FingerListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScaleSetForTest(false, 192, 192);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FingerListTestOwner";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, L"FingerListTestOwner", L"", WS_POPUP, 0, 0, kWidth, kHeight + 80, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&list));
    highlight = GetSysColor(COLOR_HIGHLIGHT);
  }
  void TearDown() override {
    list.Destroy();
    DestroyWindow(window);
    ScaleSetForTest(false, 96, 96);
  }

  void AddEntries(int count) {
    for (int i = 0; i < count; ++i) {
      list.AddEntry(L"Entry", module, i % 2 == 0 ? kRedIcon : -1, -1, 100 + i);
    }
  }
  void Place() { list.Place(window, 0, 0, kWidth, kHeight, &RecordChoice, &choices); }

  void Tap(int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  // What the owner's paint would show.
  COLORREF PixelShown(int x, int y) {
    ScopedGetDC screen(nullptr);
    MemoryImage surface;
    EXPECT_TRUE(surface.Create(screen, kWidth, kHeight));
    list.Draw(surface.Dc());
    return GetPixel(surface.Dc(), x, y);
  }

  HMODULE module = GetModuleHandleW(nullptr);
  HWND window = nullptr;
  FingerList list;
  std::vector<Choice> choices;
  COLORREF highlight = 0;
};

TEST_F(FingerListTest, EntriesKeepTheirOrderCommandsAndLoadableIcons) {
  list.AddEntry(L"General", module, kRedIcon, -1, 0);
  list.AddEntry(L"Calendar", module, -1, kHalfGreenIcon, 1);
  list.AddEntry(L"Missing", module, kMissingIcon, 0, 23);
  ASSERT_EQ(3, list.EntryCount());
  EXPECT_STREQ(L"General", list.Entry(0)->caption.c_str());
  EXPECT_STREQ(L"Missing", list.Entry(2)->caption.c_str());
  EXPECT_EQ(23, list.Entry(2)->command);
  EXPECT_TRUE(list.Entry(0)->firstIcon.Drawable());
  EXPECT_EQ(12, list.Entry(0)->firstIcon.Width());
  EXPECT_FALSE(list.Entry(0)->secondIcon.Drawable());
  EXPECT_FALSE(list.Entry(1)->firstIcon.Drawable());
  EXPECT_TRUE(list.Entry(1)->secondIcon.Drawable());
  EXPECT_FALSE(list.Entry(2)->firstIcon.Drawable());
  EXPECT_FALSE(list.Entry(2)->secondIcon.Drawable());
  EXPECT_EQ(nullptr, list.Entry(3));
  EXPECT_EQ(nullptr, list.Entry(-1));
}

TEST_F(FingerListTest, RowsAreLaidOutWhenPlacedAndTheContentIsAtLeastOneScreen) {
  AddEntries(13);
  Place();
  EXPECT_EQ(13 * kRow, list.ContentHeight());
  EXPECT_EQ(13 * kRow, list.Scroller().ContentHeight());
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(i * kRow, list.Entry(i)->rowTop);
    EXPECT_EQ((i + 1) * kRow, list.Entry(i)->rowBottom);
  }
  list.Clear();
  AddEntries(3);
  Place();
  EXPECT_EQ(kHeight, list.ContentHeight());
}

TEST_F(FingerListTest, TapChoosesTheEntryUnderThePointer) {
  AddEntries(13);
  Place();
  Tap(100, 2 * kRow + 10);
  ASSERT_EQ(1u, choices.size());
  EXPECT_EQ(window, choices[0].owner);
  EXPECT_EQ(102, choices[0].command);
  EXPECT_EQ(list.Entry(2), choices[0].entry);
  EXPECT_EQ(2, list.SelectedIndex());

  // Scrolled by three rows, the top of the list shows entry 3.
  list.Scroller().SetOffset(-3 * kRow, true);
  Tap(100, 10);
  ASSERT_EQ(2u, choices.size());
  EXPECT_EQ(103, choices[1].command);

  // Scrolled to the end: the last pixel row belongs to the last entry, below it to none.
  list.Scroller().SetOffset(-(13 * kRow - kHeight), true);
  Tap(100, kHeight - 1);
  ASSERT_EQ(3u, choices.size());
  EXPECT_EQ(112, choices[2].command);
  Tap(100, kHeight);
  EXPECT_EQ(3u, choices.size());
  list.Clear();
  AddEntries(2);
  Place();
  Tap(100, 3 * kRow);
  EXPECT_EQ(3u, choices.size());
}

TEST_F(FingerListTest, DragScrollsWithoutChoosing) {
  AddEntries(13);
  Place();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 300));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 250));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 200));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 200));
  EXPECT_TRUE(choices.empty());
  EXPECT_EQ(-1, list.SelectedIndex());
  EXPECT_EQ(-100, list.Offset());
}

TEST_F(FingerListTest, PressDelayHighlightsTheRowOnTheOwnersTimer) {
  AddEntries(13);
  Place();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, kRow + 5));
  EXPECT_EQ(-1, list.SelectedIndex());
  ASSERT_TRUE(PumpUntil([&] { return list.Scroller().HighlightShown(); }, 2000));
  EXPECT_EQ(1, list.SelectedIndex());
  EXPECT_EQ(MixColour(RGB(255, 255, 255), highlight, 40), PixelShown(kWidth - 2, kRow + 2));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, kRow + 5));
  ASSERT_EQ(1u, choices.size());
  EXPECT_EQ(101, choices[0].command);
}

TEST_F(FingerListTest, FlickGlidesOnTheOwnersTimersAndComesToRestInRange) {
  AddEntries(13);
  Place();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 500));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 470));
  Sleep(15);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 420));
  Sleep(15);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 370));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 370));
  EXPECT_LT(list.Scroller().Velocity(), -2.0);
  ASSERT_TRUE(PumpUntil([&] { return !list.Scroller().Scrolling(); }, 5000));
  EXPECT_LT(list.Offset(), -130);  // it went on after the finger left
  EXPECT_GE(list.Offset(), kHeight - 13 * kRow);
  EXPECT_TRUE(choices.empty());
}

TEST_F(FingerListTest, SelectedRowIsDrawnOverTheRows) {
  AddEntries(13);
  Place();
  COLORREF selectedFill = MixColour(RGB(255, 255, 255), highlight, 40);
  COLORREF separator = MixColour(RGB(0, 0, 0), highlight, 55);
  EXPECT_NE(selectedFill, PixelShown(kWidth - 2, 2 * kRow + 2));
  EXPECT_EQ(separator, PixelShown(kWidth - 2, 2 * kRow + kInner));
  EXPECT_EQ(separator, PixelShown(10, 2 * kRow + kInner + 1));

  list.SelectNext();
  list.SelectNext();
  list.SelectNext();
  ASSERT_EQ(2, list.SelectedIndex());
  EXPECT_EQ(selectedFill, PixelShown(kWidth - 2, 2 * kRow + 2));
  EXPECT_EQ(selectedFill, PixelShown(0, 2 * kRow + kInner - 1));
  EXPECT_EQ(separator, PixelShown(kWidth - 2, 2 * kRow + kInner));
  EXPECT_NE(selectedFill, PixelShown(kWidth - 2, 1 * kRow + 2));

  // The icon sits at ScaleX(10), centred in the row; the caption is white.
  int iconTop = 2 * kRow + (kInner - 8) / 2;
  EXPECT_EQ(RGB(255, 0, 0), PixelShown(20, iconTop));
  EXPECT_EQ(RGB(255, 0, 0), PixelShown(31, iconTop + 7));
  EXPECT_EQ(selectedFill, PixelShown(19, iconTop));
  EXPECT_EQ(selectedFill, PixelShown(20, iconTop - 1));
  ScopedGetDC screen(nullptr);
  MemoryImage surface;
  ASSERT_TRUE(surface.Create(screen, kWidth, kHeight));
  list.Draw(surface.Dc());
  int white = 0;
  for (int y = 2 * kRow; y < 2 * kRow + kInner; ++y) {
    for (int x = 104; x < kWidth - 120; ++x) white += GetPixel(surface.Dc(), x, y) == RGB(255, 255, 255);
  }
  EXPECT_GT(white, 20);

  // Scrolled, the selected row moves with the rows.
  list.Scroller().SetOffset(-kRow, true);
  EXPECT_EQ(selectedFill, PixelShown(kWidth - 2, kRow + 2));
  EXPECT_NE(selectedFill, PixelShown(kWidth - 2, 2 * kRow + 2));
}

// Only the part of the backdrop that shows is painted, so every scroll position must show the
// same backdrop: what one offset shows at row y, an offset d further shows at row y + d, in
// the rows and in the margins pulled in past either end.
TEST_F(FingerListTest, EveryScrollPositionShowsTheSameBackdrop) {
  AddEntries(13);
  Place();
  const auto shown = [&](int offset) {
    list.Scroller().SetOffset(offset, true);
    ScopedGetDC screen(nullptr);
    MemoryImage surface;
    EXPECT_TRUE(surface.Create(screen, kWidth, kHeight));
    list.Draw(surface.Dc());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    GetDIBits(surface.Dc(), surface.Bitmap(), 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
  };
  const int bottom = kHeight - 13 * kRow;  // the last row at the bottom of the list
  for (const int offset : {kHeight - 100, 150, 0, -kRow - 5, bottom + 37, bottom, bottom - 200}) {
    const auto here = shown(offset);
    const auto further = shown(offset - 61);
    int differing = 0;
    for (int y = 0; y + 61 < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) differing += here[(y + 61) * kWidth + x] != further[y * kWidth + x];
    EXPECT_EQ(0, differing) << offset;
  }
  // The margin above the rows runs from shade 190 at its top to shade 160 where they start.
  const auto pulled = shown(kHeight);
  EXPECT_EQ(MixColour(RGB(0, 0, 0), highlight, 190), PixelShown(kWidth - 1, 0) & 0xFFFFFF);
  EXPECT_NE(pulled[(kHeight - 1) * kWidth], pulled[0]);
}

TEST_F(FingerListTest, KeyboardSelectionWrapsAndScrollsTheRowIntoView) {
  list.SelectNext();  // nothing to select
  EXPECT_EQ(-1, list.SelectedIndex());
  AddEntries(13);
  Place();
  list.ActivateSelected();
  EXPECT_TRUE(choices.empty());

  list.SelectPrevious();  // none selected: the last
  EXPECT_EQ(12, list.SelectedIndex());
  EXPECT_EQ(kHeight - 13 * kRow, list.Offset());
  list.SelectNext();  // wraps to the first
  EXPECT_EQ(0, list.SelectedIndex());
  EXPECT_EQ(0, list.Offset());
  for (int i = 0; i < 6; ++i) list.SelectNext();
  EXPECT_EQ(6, list.SelectedIndex());
  EXPECT_EQ(kHeight - 7 * kRow, list.Offset());
  list.SelectPrevious();
  EXPECT_EQ(kHeight - 7 * kRow, list.Offset());  // already in view
  for (int i = 0; i < 5; ++i) list.SelectPrevious();
  EXPECT_EQ(0, list.SelectedIndex());
  EXPECT_EQ(0, list.Offset());
  list.SelectPrevious();  // wraps to the last
  EXPECT_EQ(12, list.SelectedIndex());

  list.ActivateSelected();
  ASSERT_EQ(1u, choices.size());
  EXPECT_EQ(112, choices[0].command);
  EXPECT_EQ(list.Entry(12), choices[0].entry);

  list.Clear();
  list.SelectNext();
  list.AddEntry(L"Only", module, -1, -1, 5);
  list.SelectNext();
  list.SelectNext();
  EXPECT_EQ(0, list.SelectedIndex());
}

TEST_F(FingerListTest, ClearEmptiesTheListAndEntriesAddedLaterAreDrawn) {
  AddEntries(13);
  Place();
  list.SelectNext();
  list.Clear();
  EXPECT_EQ(0, list.EntryCount());
  EXPECT_EQ(-1, list.SelectedIndex());
  Tap(100, 10);
  EXPECT_TRUE(choices.empty());
  PixelShown(0, 0);
  EXPECT_EQ(kHeight, list.ContentHeight());

  list.AddEntry(L"Back again", module, kRedIcon, -1, 42);
  int iconTop = (kInner - 8) / 2;
  EXPECT_EQ(RGB(255, 0, 0), PixelShown(20, iconTop));
  EXPECT_EQ(kRow, list.Entry(0)->rowBottom);
  Tap(100, 10);
  ASSERT_EQ(1u, choices.size());
  EXPECT_EQ(42, choices[0].command);
}

TEST_F(FingerListTest, ResizeRebuildsOnlyWhenTheSizeChanges) {
  AddEntries(13);
  Place();
  EXPECT_FALSE(list.Resize(kWidth, kHeight));
  EXPECT_TRUE(list.Resize(kWidth, 2000));
  EXPECT_EQ(2000, list.ContentHeight());
  EXPECT_EQ(2000, list.Scroller().Height());
  EXPECT_TRUE(list.Resize(kWidth, kHeight));
  EXPECT_EQ(13 * kRow, list.ContentHeight());
  EXPECT_EQ(MixColour(RGB(0, 0, 0), highlight, 55), PixelShown(kWidth - 2, kInner));
}

}  // namespace
