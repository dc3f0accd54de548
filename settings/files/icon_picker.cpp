#include "settings/files/icon_picker.h"

#include <commctrl.h>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"
#include "settings/controls/inline_dialog.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/icon_library.h"

namespace {

constexpr UINT kNoneText = 1111;
constexpr UINT kIconLabelText = 1112;
constexpr UINT kCancelText = 1114;
constexpr UINT kSelectText = 1480;
constexpr int kBandFontId = 2;
constexpr COLORREF kIconKey = 0x00FF00;
constexpr COLORREF kFrameGrey = 0x787878;
constexpr COLORREF kWhite = 0xFFFFFF;

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP picture{};
  if (!bitmap || !GetObjectW(bitmap, sizeof picture, &picture)) return SIZE{0, 0};
  return SIZE{picture.bmWidth, picture.bmHeight};
}

// Draws a bitmap with pure green transparent, centred in the box; one larger than the box
// is shrunk to fit rather than spilling over its neighbours.
void DrawKeyed(HDC dc, HBITMAP bitmap, const RECT& box) {
  const SIZE size = BitmapSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  const int boxWidth = box.right - box.left, boxHeight = box.bottom - box.top;
  int width = size.cx, height = size.cy;
  if (width > boxWidth || height > boxHeight) {
    const bool wide = width * boxHeight >= height * boxWidth;
    width = wide ? boxWidth : size.cx * boxHeight / size.cy;
    height = wide ? size.cy * boxWidth / size.cx : boxHeight;
  }
  TransparentImage(dc, box.left + (boxWidth - width) / 2, box.top + (boxHeight - height) / 2, width, height, bitmap, 0,
                   0, size.cx, size.cy, kIconKey);
}

class IconPicker final : public InlineDialog {
 public:
  IconPicker(HINSTANCE instance, WideString& path)
      : InlineDialog(instance, true),
        path_(path),
        choice_(path),
        noneText_(LanguageText(kNoneText, L"None")),
        labelText_(LanguageText(kIconLabelText, L"Icon:")),
        cancelText_(LanguageText(kCancelText, L"Cancel")),
        selectText_(LanguageText(kSelectText, L"Select")) {}

 protected:
  INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateMenuBar(HWND window) override;
  const wchar_t* DialogTitle() override { return L"Select Icon"; }
  void CreateControls(HWND) override {}
  void OnPaint(HWND window) override;
  void OnSize(HWND window) override;
  bool OnInitDialog(HWND window) override;

 private:
  void OnFirstTick(HWND window);
  void Layout(HWND window);
  void DrawRow(const DRAWITEMSTRUCT& draw);
  void OnTap(HWND window, const NMITEMACTIVATE& activate);
  void Choose(HWND window, const wchar_t* path);
  void PaintBand(HWND window, HDC dc);
  RECT BandRect(HWND window) const;
  void OnDestroy();

  WideString& path_;
  WideString choice_;
  ScopedBitmap choiceBitmap_;
  WideString noneText_;
  WideString labelText_;
  WideString cancelText_;
  WideString selectText_;
  HWND menuBar_ = nullptr;
  HWND grid_ = nullptr;
  HWND clearButton_ = nullptr;
  int iconsPerRow_ = 1;
  int leftMargin_ = 0;
};

bool IconPicker::OnInitDialog(HWND window) {
  bool ready = InlineDialog::OnInitDialog(window);
  // The band is repainted under the clear button, which must stay on top of it.
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
  choiceBitmap_.Reset(choice_.Empty() ? nullptr : SHLoadDIBitmap(choice_.c_str()));
  // The library may take a while: show the dialog first.
  SetTimer(window, kIconPickerTimer, 1, nullptr);
  return ready;
}

void IconPicker::CreateMenuBar(HWND window) {
  menuBar_ = CreateSoftKeyBar(window, Instance(), kIconPickerMenuId, SHCMBF_HMENU, kIconSelectCommand, selectText_,
                              kIconCancelCommand, cancelText_);
}

INT_PTR IconPicker::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kIconPickerTimer) break;
      KillTimer(window, kIconPickerTimer);
      OnFirstTick(window);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kIconSelectCommand:
          path_.Assign(choice_.c_str());
          EndDialog(window, 1);
          return TRUE;
        case kIconCancelCommand: EndDialog(window, 0); return TRUE;
        case kIconClearButtonId: Choose(window, L""); return TRUE;
        default: break;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header && header->hwndFrom == grid_ && grid_ && header->code == LVN_ITEMACTIVATE) {
        OnTap(window, *reinterpret_cast<const NMITEMACTIVATE*>(lParam));
        return TRUE;
      }
      break;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (!measure || measure->CtlID != kIconGridId) break;
      measure->itemHeight = static_cast<UINT>(ScaleY(30));
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!draw || draw->CtlID != kIconGridId) break;
      DrawRow(*draw);
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    case WM_PRINTCLIENT: PaintBand(window, reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_DESTROY: OnDestroy(); return TRUE;
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

void IconPicker::OnFirstTick(HWND window) {
  IconLibrary& icons = ProgramIcons();
  BuildIconLibrary(icons);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  grid_ = CreateListView(window, kIconGridId, LVS_OWNERDRAWFIXED);
  if (grid_) {
    ListView_SetExtendedListViewStyleEx(grid_, LVS_EX_ONECLICKACTIVATE, LVS_EX_ONECLICKACTIVATE);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = ScaleX(240);
    ListView_InsertColumn(grid_, 0, &column);
  }
  clearButton_ = CreateButton(window, kIconClearButtonId, noneText_.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0);
  if (clearButton_)
    SendMessageW(clearButton_, WM_SETFONT, reinterpret_cast<WPARAM>(Drawing().Font(kBandFontId)), TRUE);
  Layout(window);
}

RECT IconPicker::BandRect(HWND window) const {
  RECT client{};
  GetClientRect(window, &client);
  return RECT{0, client.bottom - ScaleY(28), client.right, client.bottom};
}

void IconPicker::OnSize(HWND window) { Layout(window); }

void IconPicker::Layout(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const RECT band = BandRect(window);
  if (grid_) {
    MoveWindow(grid_, 0, 0, client.right, band.top > 0 ? band.top : 0, TRUE);
    // Whole cells across the width the scroll bar leaves; the rest shared as margins.
    const int cell = ScaleX(30);
    const int room = client.right - ScaleX(8) - GetSystemMetrics(SM_CXVSCROLL);
    iconsPerRow_ = room / cell > 0 ? room / cell : 1;
    leftMargin_ = ScaleX(4) + (room > cell ? room % cell : 0) / 2;
    const int count = ProgramIcons().Count();
    const int rows = count / iconsPerRow_ + (count % iconsPerRow_ ? 1 : 0);
    if (ListView_GetItemCount(grid_) != rows) {
      ListView_DeleteAllItems(grid_);
      LVITEMW row{};
      for (row.iItem = 0; row.iItem < rows; ++row.iItem) ListView_InsertItem(grid_, &row);
    }
    RECT inside{};
    GetClientRect(grid_, &inside);
    ListView_SetColumnWidth(grid_, 0, inside.right);
  }
  if (clearButton_)
    MoveWindow(clearButton_, client.right - ScaleX(80), band.top + ScaleY(28) / 2 - ScaleY(10), ScaleX(60),
               ScaleY(20), TRUE);
  InvalidateRect(window, &band, TRUE);
}

void IconPicker::DrawRow(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  FillSolid(dc, draw.rcItem, kWhite);
  IconLibrary& icons = ProgramIcons();
  const int cell = ScaleX(30);
  const int row = static_cast<int>(draw.itemID);
  for (int column = 0; column < iconsPerRow_; ++column) {
    const int index = row * iconsPerRow_ + column;
    if (index >= icons.Count()) break;
    const int x = draw.rcItem.left + leftMargin_ + column * cell;
    RECT frame{x, draw.rcItem.top, x + cell, draw.rcItem.top + ScaleY(30)};
    InflateRect(&frame, -ScaleX(2), -ScaleX(2));
    FillSolid(dc, frame, kFrameGrey);
    RECT inside = frame;
    InflateRect(&inside, -ScaleX(1), -ScaleX(1));
    FillSolid(dc, inside, kWhite);
    DrawKeyed(dc, icons.Bitmap(index), inside);
  }
}

void IconPicker::OnTap(HWND window, const NMITEMACTIVATE& activate) {
  if (activate.iItem < 0 || activate.ptAction.x < leftMargin_) return;
  const int column = (activate.ptAction.x - leftMargin_) / ScaleX(30);
  // A tap beside the last column would otherwise land on the next row's first icon.
  if (column >= iconsPerRow_) return;
  const int index = activate.iItem * iconsPerRow_ + column;
  if (const wchar_t* path = ProgramIcons().Path(index)) Choose(window, path);
}

void IconPicker::Choose(HWND window, const wchar_t* path) {
  choice_.Assign(path);
  choiceBitmap_.Reset(choice_.Empty() ? nullptr : SHLoadDIBitmap(choice_.c_str()));
  const RECT band = BandRect(window);
  InvalidateRect(window, &band, TRUE);
}

void IconPicker::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) PaintBand(window, dc);
  EndPaint(window, &paint);
}

void IconPicker::PaintBand(HWND window, HDC dc) {
  const RECT band = BandRect(window);
  FillSolid(dc, band, kWhite);
  ScopedSelectObject font(dc, Drawing().Font(kBandFontId));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT label{ScaleX(10), band.top, band.right, band.bottom};
  DrawTextW(dc, labelText_.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
  label.top = band.top;
  label.bottom = band.bottom;
  DrawTextW(dc, labelText_.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  const int x = label.right + ScaleX(6);
  const SIZE size = BitmapSize(choiceBitmap_.Get());
  if (size.cx > 0) {
    DrawKeyed(dc, choiceBitmap_.Get(), RECT{x, band.top, x + size.cx, band.bottom});
  } else {
    RECT none{x, band.top, band.right, band.bottom};
    DrawTextW(dc, noneText_.c_str(), -1, &none, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  SetBkMode(dc, oldMode);
}

void IconPicker::OnDestroy() {
  KillTimer(Window(), kIconPickerTimer);
  if (menuBar_) DestroyWindow(menuBar_);
  if (grid_) DestroyWindow(grid_);
  if (clearButton_) DestroyWindow(clearButton_);
  menuBar_ = grid_ = clearButton_ = nullptr;
}

}  // namespace

int ChooseIcon(HWND, HINSTANCE instance, WideString& path) {
  IconPicker picker(instance, path);
  return InlineDialog::Run(instance, picker) ? 1 : 0;
}
