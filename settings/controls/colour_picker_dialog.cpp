#include "settings/controls/colour_picker_dialog.h"

#include <commctrl.h>

#include "platform/aygshell.h"
#include "platform/ce_platform.h"
#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr DWORD kTabStripStyle = 0x50000002;  // child, visible, tabs at the bottom
constexpr DWORD kCellStyle = 0x4000000B;      // child, owner-drawn, hidden until its view shows
// Tab stop, no tick marks; the child bit keeps the slider inside the dialog.
constexpr DWORD kSliderStyle = WS_CHILD | WS_TABSTOP | TBS_NOTICKS;
constexpr DWORD kDefaultButtonStyle = 0x50010000;  // child, visible, tab stop
constexpr UINT kSetVersion = 0x2007;               // CCM_SETVERSION
constexpr WPARAM kTabStripVersion = 0x20E;
constexpr int kSliderMax = 100;
constexpr int kBoxChars = 257;  // 256 characters and the terminator
constexpr wchar_t kCellProcProp[] = L"QmColourCellProc";
constexpr wchar_t kHtmlViewText[] = L"HTML#";
constexpr wchar_t kMenuText[] = L"Menu";

void Show(HWND control, bool visible) {
  if (control) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void Move(HWND control, int x, int y, int width, int height) {
  if (control) MoveWindow(control, x, y, width > 0 ? width : 0, height > 0 ? height : 0, TRUE);
}

int& Channel(Channels& channels, int index) {
  return index == 0 ? channels.red : index == 1 ? channels.green : channels.blue;
}

// The typed text of a box, cut at 256 characters.
void BoxText(HWND box, wchar_t (&text)[kBoxChars]) {
  text[0] = L'\0';
  GetWindowTextW(box, text, kBoxChars);
}

// Fills a box from code: the text counts as unedited, so leaving the box applies nothing.
void SetBoxText(HWND box, const wchar_t* text) {
  if (!box) return;
  SetWindowTextW(box, text);
  SendMessageW(box, EM_SETMODIFY, FALSE, 0);
}

}  // namespace

ColourPicker::ColourPicker(ColourPickerRequest& request)
    : InlineDialog(request.instance, request.flag != 0),
      offerDefault_(request.offerDefault),
      view_(request.initialView >= kRgbView && request.initialView <= kPaletteView ? request.initialView
                                                                                    : kPaletteView),
      request_(request),
      menuText_(kMenuText),
      htmlText_(kHtmlViewText) {}

bool ColourPicker::OnInitDialog(HWND window) {
  const bool ready = InlineDialog::OnInitDialog(window);
  // The Default button stands in the band, which is painted around it.
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
  channels_ = ChannelsOf(request_.colour);
  FillHtmlBox();
  FillSliders();
  FillBoxes();
  if (tabs_) SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(view_), 0);
  ShowView(view_);
  return ready;
}

void ColourPicker::CreateMenuBar(HWND window) {
  menuBar_ = CreateSoftKeyBar(window, request_.instance, request_.menuBarId, SHCMBF_HMENU, kColourSelectCommand,
                              request_.selectText, kColourMenuCommand, menuText_);
  if (!menuBar_) return;
  auto menu = reinterpret_cast<HMENU>(SendMessageW(menuBar_, SHCMBM_GETSUBMENU, 0, kColourMenuCommand));
  if (!menu) return;
  DeleteMenu(menu, 0, MF_BYPOSITION);
  AppendMenuW(menu, MF_STRING, kColourFirstViewCommand + kRgbView, request_.rgbViewText.c_str());
  AppendMenuW(menu, MF_STRING, kColourFirstViewCommand + kHtmlView, kHtmlViewText);
  AppendMenuW(menu, MF_STRING, kColourFirstViewCommand + kPaletteView, request_.paletteViewText.c_str());
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  if (offerDefault_) AppendMenuW(menu, MF_STRING, kColourDefaultCommand, request_.defaultText.c_str());
  AppendMenuW(menu, MF_STRING, kColourCancelCommand, request_.cancelText.c_str());
}

void ColourPicker::CreateControls(HWND window) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  tabs_ = CreateControl(window, WC_TABCONTROLW, L"", kTabStripStyle, false, kColourTabStripId, 0);
  if (tabs_) {
    SendMessageW(tabs_, kSetVersion, kTabStripVersion, 0);
    wchar_t* captions[] = {request_.rgbViewText.Raw(), htmlText_.Raw(), request_.paletteViewText.Raw()};
    for (int view = kRgbView; view <= kPaletteView; ++view) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = captions[view];
      SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(view), reinterpret_cast<LPARAM>(&item));
    }
  }
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    HWND button = CreateButton(window, cell, L"", kCellStyle, static_cast<LONG_PTR>(kPaletteColours[cell]));
    cells_[cell] = button;
    if (!button) continue;
    // The arrows up and down move through the palette's columns (see CellProc).
    SetPropW(button, kCellProcProp, reinterpret_cast<HANDLE>(GetWindowLongPtrW(button, GWLP_WNDPROC)));
    SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CellProc));
  }
  const wchar_t* labels[] = {request_.redLabel.c_str(), request_.greenLabel.c_str(), request_.blueLabel.c_str()};
  for (int index = 0; index < 3; ++index) {
    labels_[index] = CreateStatic(window, kColourFirstLabelId + index, labels[index], false);
    sliders_[index] = CreateControl(window, TRACKBAR_CLASSW, L"", kSliderStyle, false, kColourFirstSliderId + index, 0);
    if (sliders_[index]) SendMessageW(sliders_[index], TBM_SETRANGE, FALSE, MAKELPARAM(0, kSliderMax));
    boxes_[index] = CreateEdit(window, kColourFirstBoxId + index, L"", false);
  }
  htmlLabel_ = CreateStatic(window, kColourHtmlLabelId, kHtmlViewText, false);
  htmlBox_ = CreateEdit(window, kColourHtmlBoxId, L"", false);
  if (offerDefault_)
    defaultButton_ = CreateButton(window, kColourDefaultButtonId, request_.defaultText.c_str(), kDefaultButtonStyle, 0);
}

LRESULT CALLBACK ColourPicker::CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropW(cell, kCellProcProp));
  if (message == WM_GETDLGCODE) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    HWND dialog = GetParent(cell);
    if (key && key->message == WM_KEYDOWN && (key->wParam == VK_UP || key->wParam == VK_DOWN)) {
      const int here = GetDlgCtrlID(cell);
      const int target = key->wParam == VK_UP ? PaletteCellAbove(here) : PaletteCellBelow(here);
      HWND next = GetDlgItem(dialog, target >= 0 ? target : kColourTabStripId);
      if (next) SetFocus(next);
      return DLGC_WANTALLKEYS;
    }
    // Enter and Escape are Select and Cancel here too; the dialog manager would name
    // cell 1 or 2 as their sender, and with the focus on it that reads as a tap.
    if (key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
      PostMessageW(dialog, WM_COMMAND, key->wParam == VK_RETURN ? IDOK : IDCANCEL, 0);
      return DLGC_WANTALLKEYS;
    }
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(cell, kCellProcProp);
    if (previous) SetWindowLongPtrW(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  }
  return previous ? CallWindowProcW(previous, cell, message, wParam, lParam)
                  : DefWindowProcW(cell, message, wParam, lParam);
}

INT_PTR ColourPicker::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header && tabs_ && header->hwndFrom == tabs_ && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        const auto selected = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
        if (selected >= kRgbView && selected <= kPaletteView) ShowView(selected);
        return TRUE;
      }
      break;
    }
    case WM_HSCROLL: {
      auto slider = reinterpret_cast<HWND>(lParam);
      if (LOWORD(wParam) != TB_ENDTRACK && ChannelIndex(sliders_, slider) >= 0) ApplySlider(slider);
      return TRUE;
    }
    case WM_INITMENUPOPUP: CheckViewItems(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case DM_GETDEFID:
      // Enter selects, even after the Default button has had the focus.
      SetWindowLongPtrW(window, DWLP_MSGRESULT, MAKELONG(IDOK, DC_HASDEFID));
      return TRUE;
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!draw || draw->CtlID >= kPaletteCells || CellIndex(draw->hwndItem) < 0) break;
      DrawCell(*draw);
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      // Labels and sliders stand on the dialog's white.
      SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_PRINTCLIENT: PaintBand(reinterpret_cast<HDC>(wParam)); return TRUE;
    default: break;
  }
  return InlineDialog::HandleMessage(window, message, wParam, lParam);
}

bool ColourPicker::OnCommand(HWND window, int id, int code, HWND control) {
  const int cell = CellIndex(control);
  // Cells 1 and 2 share their ids with OK and Cancel, which the dialog manager sends for
  // Enter and Escape naming that cell. With the focus on a cell those keys never get that
  // far (CellProc takes them), so only then is such a command a tap.
  const bool shared = id == IDOK || id == IDCANCEL;
  if (code == BN_CLICKED && cell >= 0 && cell == id && (!shared || CellIndex(GetFocus()) >= 0)) {
    SetColour(static_cast<COLORREF>(GetWindowLongPtrW(control, GWLP_USERDATA)));
    return true;
  }
  if (code == EN_SETFOCUS && (ChannelIndex(boxes_, control) >= 0 || (control && control == htmlBox_))) {
    SipShowIM(SIPF_ON);
    return true;
  }
  if (code == EN_KILLFOCUS && (ChannelIndex(boxes_, control) >= 0 || (control && control == htmlBox_))) {
    SipShowIM(SIPF_OFF);
    // Only what the user typed is applied; an untouched box would undo a choice of Default.
    if (!ending_ && SendMessageW(control, EM_GETMODIFY, 0, 0)) {
      if (control == htmlBox_) ApplyHtmlBox();
      else ApplyBox(control);
    }
    return true;
  }
  if (code != 0 && code != 1) return false;  // menu and accelerator commands only below
  switch (id) {
    case kColourSelectCommand:
      // Leaving the box being edited applies it before the dialog ends.
      SetFocus(window);
      ending_ = true;
      EndDialog(window, 1);
      return true;
    case kColourMenuCommand:
    case kColourCancelCommand:
      ending_ = true;
      request_.colour = kCancelledColour;
      EndDialog(window, 0);
      return true;
    case kColourDefaultCommand:
      if (!offerDefault_) return false;
      request_.colour = kDefaultColour;
      InvalidateBand();
      return true;
    case kColourFirstViewCommand + kRgbView:
    case kColourFirstViewCommand + kHtmlView:
    case kColourFirstViewCommand + kPaletteView:
      if (id - kColourFirstViewCommand != view_) {
        ShowView(id - kColourFirstViewCommand);
        if (tabs_) SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(view_), 0);
      }
      return true;
    default: return false;
  }
}

void ColourPicker::ShowView(int view) {
  view_ = view;
  // Hide first: a box that had the focus is applied as it loses it.
  for (HWND cell : cells_)
    if (view != kPaletteView) Show(cell, false);
  for (int index = 0; index < 3; ++index) {
    if (view == kRgbView) continue;
    Show(labels_[index], false);
    Show(sliders_[index], false);
    Show(boxes_[index], false);
  }
  if (view != kHtmlView) {
    Show(htmlLabel_, false);
    Show(htmlBox_, false);
  }
  HWND focus = nullptr;
  if (view == kRgbView) {
    for (int index = 0; index < 3; ++index) {
      Show(labels_[index], true);
      Show(sliders_[index], true);
      Show(boxes_[index], true);
    }
    focus = sliders_[0];
  } else if (view == kHtmlView) {
    Show(htmlLabel_, true);
    Show(htmlBox_, true);
    focus = htmlBox_;
  } else {
    for (HWND cell : cells_) Show(cell, true);
    focus = cells_[0];
  }
  if (focus) SetFocus(focus);
}

void ColourPicker::SetColour(COLORREF colour) {
  request_.colour = colour;
  channels_ = ChannelsOf(colour);
  FillSliders();
  FillBoxes();
  FillHtmlBox();
  InvalidateBand();
}

void ColourPicker::ChannelsChanged() {
  request_.colour = ColourOf(channels_);
  InvalidateBand();
}

void ColourPicker::FillSliders() {
  for (int index = 0; index < 3; ++index)
    if (sliders_[index])
      SendMessageW(sliders_[index], TBM_SETPOS, TRUE, SliderPosition(Channel(channels_, index)));
}

void ColourPicker::FillBoxes() {
  for (int index = 0; index < 3; ++index) FillBox(index);
}

void ColourPicker::FillBox(int index) {
  WideString text;
  text.Format(L"%d", Channel(channels_, index));
  SetBoxText(boxes_[index], text.c_str());
}

void ColourPicker::FillHtmlBox() {
  WideString text;
  FormatHtmlText(channels_, text);
  SetBoxText(htmlBox_, text.c_str());
}

void ColourPicker::ApplySlider(HWND slider) {
  const int index = ChannelIndex(sliders_, slider);
  const auto position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
  Channel(channels_, index) = SliderValue(position < 0 ? 0 : position > kSliderMax ? kSliderMax : position);
  FillBox(index);
  ChannelsChanged();
  FillHtmlBox();
}

void ColourPicker::ApplyBox(HWND box) {
  const int index = ChannelIndex(boxes_, box);
  if (index < 0) return;
  wchar_t text[kBoxChars];
  BoxText(box, text);
  int& channel = Channel(channels_, index);
  int value = 0;
  if (!ParseChannelText(text, value)) {
    MessageBoxW(Window(), request_.rangeText.c_str(), request_.rangeCaption.c_str(), MB_OK | MB_ICONSTOP);
    SendMessageW(box, WM_UNDO, 0, 0);
    SendMessageW(box, EM_SETMODIFY, FALSE, 0);
    // Several edits since the box was last applied leave an undo short of the value in
    // force: the box then shows that value.
    BoxText(box, text);
    int shown = -1;
    if (!ParseChannelText(text, shown) || shown != channel) FillBox(index);
    return;
  }
  channel = value;
  FillBox(index);
  if (sliders_[index]) SendMessageW(sliders_[index], TBM_SETPOS, TRUE, SliderPosition(value));
  ChannelsChanged();
  FillHtmlBox();
}

void ColourPicker::ApplyHtmlBox() {
  wchar_t text[kBoxChars];
  BoxText(htmlBox_, text);
  ParseHtmlText(text, channels_);
  ChannelsChanged();
  FillSliders();
  FillBoxes();
  FillHtmlBox();
}

void ColourPicker::DrawCell(const DRAWITEMSTRUCT& draw) const {
  const bool focused = (draw.itemState & ODS_FOCUS) != 0;
  RECT rect = draw.rcItem;
  const int edge = ScaleY(1);
  FillSolid(draw.hDC, rect, focused ? kBlack : kWhite);
  InflateRect(&rect, -edge, -edge);
  FillSolid(draw.hDC, rect, kBlack);
  InflateRect(&rect, -edge, -edge);
  if (focused) {
    FillSolid(draw.hDC, rect, kWhite);
    InflateRect(&rect, -edge, -edge);
  }
  FillSolid(draw.hDC, rect, static_cast<COLORREF>(GetWindowLongPtrW(draw.hwndItem, GWLP_USERDATA)));
}

void ColourPicker::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) {
    RECT above{};
    GetClientRect(window, &above);
    above.bottom -= ScaleX(24);
    FillSolid(dc, above, kWhite);
    PaintBand(dc);
  }
  EndPaint(window, &paint);
}

void ColourPicker::PaintBand(HDC dc) const {
  RECT client{};
  GetClientRect(Window(), &client);
  const int width = client.right;
  const int height = ScaleX(24);
  if (width <= 0) return;
  ScopedMemoryDc memory(dc);
  ScopedBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!memory.Get() || !bitmap) return;
  ScopedSelectObject picture(memory, bitmap.Get());
  FillSolid(memory, RECT{0, 0, width, ScaleY(1)}, kBlack);
  FillSolid(memory, RECT{0, ScaleY(1), width, height}, kWhite);
  ScopedSelectObject font(memory, Font());
  SetTextColor(memory, kBlack);
  SetBkMode(memory, TRANSPARENT);
  const UINT line = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  RECT label{ScaleX(4), 0, width, height};
  DrawTextW(memory, request_.bandLabel.c_str(), -1, &label, line);
  DrawTextW(memory, request_.bandLabel.c_str(), -1, &label, line | DT_CALCRECT);
  const int left = label.right + ScaleX(6);
  const int top = height / 2 - ScaleX(6);
  RECT sample{left, top, left + ScaleX(50), top + ScaleX(12)};
  if (request_.colour == kDefaultColour) {
    DrawTextW(memory, request_.defaultText.c_str(), -1, &sample, line | DT_CENTER);
  } else {
    FillSolid(memory, sample, kBlack);
    InflateRect(&sample, -ScaleX(1), -ScaleX(1));
    // A marker colour other than Default (a caller's cancelled value) shows as white.
    const COLORREF colour = request_.colour & 0xFF000000 ? ColourOf(channels_) : request_.colour;
    FillSolid(memory, sample, colour);
  }
  BitBlt(dc, 0, client.bottom - height, width, height, memory, 0, 0, SRCCOPY);
}

void ColourPicker::InvalidateBand() const {
  RECT band{};
  GetClientRect(Window(), &band);
  band.top = band.bottom - ScaleX(24);
  InvalidateRect(Window(), &band, FALSE);
}

void ColourPicker::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int bottom = client.bottom;
  Move(tabs_, ScaleX(-2), bottom - ScaleX(44) + 1, width + ScaleX(2), ScaleY(20) - 1);
  Move(defaultButton_, width - ScaleX(60), bottom - ScaleY(20), ScaleX(50), ScaleY(17));
  int top = ScaleY(10);
  for (int index = 0; index < 3; ++index, top += ScaleY(30)) {
    Move(labels_[index], 0, top + ScaleY(3), ScaleX(48), ScaleY(20));
    Move(sliders_[index], ScaleX(52), top, width - ScaleX(108), ScaleY(20));
    Move(boxes_[index], width - ScaleX(50), top, ScaleX(40), ScaleY(20));
  }
  Move(htmlLabel_, 0, ScaleY(10) + ScaleY(3), ScaleX(48), ScaleY(20));
  Move(htmlBox_, ScaleX(53), ScaleY(10), width - ScaleX(63), ScaleY(20));
  const int side = ScaleX(16);
  const int gap = (width - kPaletteColumns * side - ScaleX(20)) / kPaletteColumns;
  const int pitch = side + gap;
  const int margin = (width - kPaletteColumns * pitch + gap) / 2;
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    const int row = cell / kPaletteColumns;
    const int column = cell % kPaletteColumns;
    Move(cells_[cell], margin + column * pitch, ScaleY(10) * (row + 1) + ScaleY(16) * row, side, ScaleY(16));
  }
  InvalidateRect(window, nullptr, TRUE);
}

void ColourPicker::CheckViewItems(HMENU menu) const {
  if (!menu) return;
  for (int view = kRgbView; view <= kPaletteView; ++view)
    CheckMenuItem(menu, static_cast<UINT>(kColourFirstViewCommand + view),
                  MF_BYCOMMAND | (view == view_ ? MF_CHECKED : MF_UNCHECKED));
}

int ColourPicker::CellIndex(HWND control) const {
  if (!control) return -1;
  for (int cell = 0; cell < kPaletteCells; ++cell)
    if (cells_[cell] == control) return cell;
  return -1;
}

int ColourPicker::ChannelIndex(const HWND (&controls)[3], HWND control) const {
  if (!control) return -1;
  for (int index = 0; index < 3; ++index)
    if (controls[index] == control) return index;
  return -1;
}
