#include "settings/pages/fonts_page.h"

#include <commctrl.h>

#include "settings/base/load_text.h"
#include "settings/base/scale.h"
#include "settings/base/wide_string.h"
#include "settings/controls/colour_picker.h"
#include "settings/controls/gdi_guards.h"
#include "settings/pages/font_dialog.h"
#include "settings/store/font_setting.h"
#include "settings/store/settings_store.h"
#include "settings/toolkit/row_builders.h"

namespace {

enum ControlId : int {
  kSizeLabel = 1200,
  kSizeBox,
  kTitleSizeLabel,
  kTitleSizeBox,
  kAdvancedCheck,
  kFaceLabel,
  kFaceBox,
  kShadowLabel,
  kShadowBox,
  kClearTypeCheck,
  kEditButton = 1210,
  kElementList,
};
static_assert(kAdvancedCheck == kFontsAdvancedCheck && kFaceBox == kFontsFaceBox);
static_assert(kEditButton == kFontsEditButton && kElementList == kFontsElementList);

enum FontsOwnRow : int { kFaceRow = 1, kElementListRow, kEditButtonRow };

constexpr int kElementsTab = 1;
constexpr UINT kSimpleTabCaption = 1434;
constexpr UINT kAdvancedTabCaption = 1435;
constexpr UINT kFontOfText = 984, kColourOfText = 985, kSampleText = 986, kColourLabelText = 987;
constexpr UINT kApplyQuestion = 605, kApplyCaption = 606;
constexpr int kFaceChars = 255;

#define QM_FONT(member) [](SettingsStore& store) -> FontSetting& { return store.fonts.member; }

const FontElement kElements[] = {
    {934, 959, QM_FONT(FontGeneral)},
    {935, 960, QM_FONT(FontCalTasks)},
    {936, 961, QM_FONT(FontCalTasksOverdue)},
    {937, 962, QM_FONT(FontCalTasksFuture)},
    {938, 963, QM_FONT(FontCalTasksCompleted)},
    {939, 964, QM_FONT(FontCalTasksUndated)},
    {940, 965, QM_FONT(FontCalApptBusy)},
    {941, 966, QM_FONT(FontCalApptFree)},
    {942, 967, QM_FONT(FontCalApptOutOfOffice)},
    {943, 968, QM_FONT(FontCalTentative)},
    {944, 969, QM_FONT(FontCalPast)},
    {945, 970, QM_FONT(FontCalCompleted)},
    {946, 971, QM_FONT(FontMailRead)},
    {947, 972, QM_FONT(FontMailUnread)},
    {948, 973, QM_FONT(FontCalDayTitles)},
    {949, 974, QM_FONT(FontTskOverdue)},
    {950, 975, QM_FONT(FontTskDueToday)},
    {951, 976, QM_FONT(FontTskNoDue)},
    {952, 977, QM_FONT(FontTskFutureDue)},
    {953, 978, QM_FONT(FontTskGroupingTtls)},
    {1242, 1242, QM_FONT(FontNoteItems)},
    {1243, 1243, QM_FONT(FontNoteTitles)},
    {1438, 1438, QM_FONT(FontContactItems)},
    {1439, 1439, QM_FONT(FontContactTitles)},
    {1244, 1244, QM_FONT(FontMsgsUnread)},
    {1245, 1245, QM_FONT(FontMsgsRead)},
    {1246, 1246, QM_FONT(FontMsgsTitles)},
    {954, 979, QM_FONT(FontSEGeneral)},
    {955, 980, QM_FONT(FontSEFilter1)},
    {956, 981, QM_FONT(FontSEFilter2)},
    {957, 982, QM_FONT(FontSEFilter3)},
    {958, 983, QM_FONT(FontSEFilter4)},
    {1363, 1364, QM_FONT(FontSEGroupingTtls)},
};
constexpr int kElementCount = static_cast<int>(sizeof kElements / sizeof kElements[0]);
static_assert(kElementCount == 33);

#undef QM_FONT

constexpr NumberChoices kSizes{false, 10, 30, 1};
constexpr UINT kShadowChoices[] = {1014, 1015, 1016, 1017, 1018};

const PageRow kGeneralRows[] = {
    NumberListRow(kSizeLabel, kSizeBox, 930, kSizes, QM_NUMBER(fonts, FontGnrlSize), ListValue::kNumber),
    NumberListRow(kTitleSizeLabel, kTitleSizeBox, 931, kSizes, QM_NUMBER(fonts, FontGnrlTitlesSize),
                  ListValue::kNumber),
    CheckRow(kAdvancedCheck, 932, QM_NUMBER(fonts, FontGnrlUseAdvncd)),
    OwnRow(kFaceRow, kFaceLabel, kFaceBox, 993, QM_TEXT(fonts, FontFaceToUse)),
    ListRow(kShadowLabel, kShadowBox, 990, kShadowChoices, QM_NUMBER(fonts, UseShadowColor)),
    CheckRow(kClearTypeCheck, 992, QM_NUMBER(fonts, ForceClearType)),
};

// The font records are written as they are edited, not from these rows.
const PageRow kElementRows[] = {
    OwnRow(kElementListRow, 0, kElementList, 0),
    OwnRow(kEditButtonRow, 0, kEditButton, 933),
};

const PageTab kTabs[] = {
    {929, kSizeLabel, kClearTypeCheck, kGeneralRows},
    {kSimpleTabCaption, kEditButton, kElementList, kElementRows},
};

// Faces the display offers, each once; vertical faces ("@...") are no choice for a line of text.
int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM box) {
  const auto list = reinterpret_cast<HWND>(box);
  const wchar_t* face = font->lfFaceName;
  if (face[0] && face[0] != L'@' &&
      SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face)) == CB_ERR)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
  return 1;
}

// The band above the element list where the sample is drawn.
RECT SampleBand(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return RECT{0, 0, client.right, ScaleX(80)};
}

}  // namespace

std::span<const FontElement> FontElements() { return kElements; }

void ApplyGeneralSizeToAll(SettingsStore& store) {
  FontSettings& fonts = store.fonts;
  const LONG height = fonts.FontGeneral.font.lfHeight;
  for (const FontElement& element : kElements) {
    FontSetting& font = element.font(store);
    if (&font == &fonts.FontGeneral || &font == &fonts.FontContactItems || &font == &fonts.FontContactTitles) continue;
    LOGFONTW description = font.font;
    description.lfHeight = height;
    font.SetFont(&description, font.Colour());
  }
}

FontsPage::FontsPage() : RowTablePage(kTabs) {}

UINT FontsPage::TabCaptionId(int index) {
  if (index == kElementsTab) return advanced_ ? kAdvancedTabCaption : kSimpleTabCaption;
  return RowTablePage::TabCaptionId(index);
}

int FontsPage::BuildOwnRow(HWND window, const PageRow& row, int y) {
  switch (row.own) {
    case kFaceRow: return BuildFaceRow(window, row, y);
    case kElementListRow: {
      UINT itemIds[kElementCount];
      for (int index = 0; index < kElementCount; ++index) itemIds[index] = kElements[index].listTextId;
      AddListView(*this, window, row.controlId, itemIds, kElementCount, ScaleX(8));
      return 0;
    }
    case kEditButtonRow: {
      RECT client{};
      GetClientRect(window, &client);
      AddButton(*this, window, row.controlId, row.textId, client.right - ScaleX(50), ScaleX(8) + ScaleX(42),
                ScaleX(40), ScaleX(20));
      return 0;
    }
    default: return 0;
  }
}

int FontsPage::BuildFaceRow(HWND window, const PageRow& row, int y) {
  const int advance = AddComboRow(*this, window, row.labelId, row.controlId, row.textId, nullptr, 0, 0, y, false);
  HWND box = GetDlgItem(window, row.controlId);
  if (!box) return advance;
  {
    ScopedGetDC dc(window);
    if (dc.Get()) EnumFontFamiliesW(dc, nullptr, AddFace, reinterpret_cast<LPARAM>(box));
  }
  // The stored face itself when the display has it, else the first face that begins with it.
  const wchar_t* stored = row.text(Store()).value.c_str();
  LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(stored));
  if (index == CB_ERR && stored[0])
    index = SendMessageW(box, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(stored));
  if (index != CB_ERR) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  return advance;
}

void FontsPage::WriteOwnRow(HWND window, const PageRow& row) {
  if (row.own != kFaceRow) return;
  // A face the display lacks leaves the box without a choice: the stored face stays rather
  // than every font losing its face.
  HWND box = GetDlgItem(window, row.controlId);
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (index < 0 || SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) > kFaceChars) return;
  wchar_t face[kFaceChars + 1] = L"";
  SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(face));
  row.text(Store()).Set(face);
}

void FontsPage::OnRowsBuilt(HWND window) {
  AddSoftKey(window);
  ApplyModeRule(window);
}

// The page's empty soft-key bar gets one key, at the left: apply size to all.
void FontsPage::AddSoftKey(HWND) {
  HWND bar = MenuBar();
  if (!bar) return;
  WideString text = LanguageText(kApplyCaption);
  TBBUTTON button{};
  button.iBitmap = I_IMAGENONE;
  button.idCommand = kApplySizeToAllCommand;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
  button.iString = reinterpret_cast<INT_PTR>(text.c_str());
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  RECT area{};
  GetClientRect(bar, &area);
  const int width = area.right / 2;
  SendMessageW(bar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(width, width));
}

// Advanced mode disables the general sizes and names the second tab after fonts rather
// than colours; the tab is made anew with its caption.
void FontsPage::ApplyModeRule(HWND window) {
  advanced_ = IsChecked(window, kAdvancedCheck);
  for (int id = kSizeLabel; id <= kTitleSizeBox; ++id) EnableControl(window, id, !advanced_);
  HWND strip = TabStrip();
  if (!strip) return;
  WideString caption = LanguageText(TabCaptionId(kElementsTab));
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.Raw();
  SendMessageW(strip, TCM_DELETEITEM, kElementsTab, 0);
  SendMessageW(strip, TCM_INSERTITEMW, kElementsTab, reinterpret_cast<LPARAM>(&item));
}

void FontsPage::ShowTab(HWND window, int showCommand) {
  RowTablePage::ShowTab(window, showCommand);
  // The sample belongs to the elements tab only.
  InvalidateRect(window, nullptr, TRUE);
}

LRESULT FontsPage::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  if (id == kApplySizeToAllCommand) {
    ApplySizeToAll(window);
    return 0;
  }
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  if (id == kAdvancedCheck) ApplyModeRule(window);
  if (id == kEditButton) EditElement(window);
  return 0;
}

LRESULT FontsPage::OnNotify(HWND window, WPARAM, LPARAM lParam) {
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
  if (!change || change->hdr.idFrom != static_cast<UINT_PTR>(kElementList) || change->hdr.code != LVN_ITEMCHANGED) return 0;
  if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
    const RECT band = SampleBand(window);
    InvalidateRect(window, &band, TRUE);
  }
  return 0;
}

LRESULT FontsPage::OnSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  if (HWND list = GetDlgItem(window, kElementList))
    MoveWindow(list, ScaleX(10), ScaleX(68) + ScaleY(8), client.right - ScaleX(20),
               client.bottom - ScaleX(96) - ScaleY(8), TRUE);
  // The edit button follows the right edge when the screen turns.
  if (HWND button = GetDlgItem(window, kEditButton))
    MoveWindow(button, client.right - ScaleX(50), ScaleX(8) + ScaleX(42), ScaleX(40), ScaleX(20), TRUE);
  return 0;
}

const FontElement* FontsPage::SelectedElement(HWND window) {
  const auto mark = static_cast<int>(SendDlgItemMessageW(window, kElementList, LVM_GETSELECTIONMARK, 0, 0));
  return mark >= 0 && mark < kElementCount ? &kElements[mark] : nullptr;
}

void FontsPage::EditElement(HWND window) {
  const FontElement* element = SelectedElement(window);
  if (!element) return;
  FontSetting& font = element->font(Store());
  LOGFONTW description = font.font;
  COLORREF colour = font.Colour();
  if (advanced_) {
    RunFontDialog(Instance(), LanguageText(element->captionId).c_str(), description, colour);
  } else {
    const COLORREF chosen = ChooseColour(colour);
    if (chosen != kCancelledColour) colour = chosen;
  }
  // Set whatever the dialog's result: a colour chosen before Cancel stays.
  font.SetFont(&description, colour);
  const RECT band = SampleBand(window);
  InvalidateRect(window, &band, TRUE);
}

void FontsPage::ApplySizeToAll(HWND window) {
  if (ShowLanguageMessage(window, kApplyQuestion, kApplyCaption, MB_YESNO) != IDYES) return;
  ApplyGeneralSizeToAll(Store());
  const RECT band = SampleBand(window);
  InvalidateRect(window, &band, TRUE);
}

void FontsPage::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc && CurrentTab() == kElementsTab) PaintSample(window, dc);
  EndPaint(window, &paint);
}

// The element's caption, its sample text in its own font (advanced mode) and its colour.
void FontsPage::PaintSample(HWND window, HDC dc) {
  const FontElement* element = SelectedElement(window);
  if (!element) return;
  const FontSetting& font = element->font(Store());
  RECT client{};
  GetClientRect(window, &client);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  int y = ScaleX(8);
  {
    ScopedSelectObject normal(dc, Font());
    WideString caption = LanguageText(advanced_ ? kFontOfText : kColourOfText);
    caption.Append(LanguageText(element->captionId).c_str());
    RECT line{0, y, client.right, y + ScaleX(20)};
    DrawTextW(dc, caption.c_str(), -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  y += ScaleX(22);
  if (advanced_) {
    // In the face chosen on the first tab, which every font takes when the settings load.
    LOGFONTW description = font.font;
    HWND faces = GetDlgItem(window, kFaceBox);
    const LRESULT face = SendMessageW(faces, CB_GETCURSEL, 0, 0);
    if (face >= 0 && SendMessageW(faces, CB_GETLBTEXTLEN, static_cast<WPARAM>(face), 0) < LF_FACESIZE)
      SendMessageW(faces, CB_GETLBTEXT, static_cast<WPARAM>(face), reinterpret_cast<LPARAM>(description.lfFaceName));
    ScopedFont own(CreateFontIndirectW(&description));
    ScopedSelectObject select(dc, own.Get() ? static_cast<HGDIOBJ>(own.Get()) : static_cast<HGDIOBJ>(Font()));
    RECT line{0, y, client.right, y + ScaleX(20)};
    DrawTextW(dc, LanguageText(kSampleText).c_str(), -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  y += ScaleX(20);
  DrawColourSwatch(*this, dc, font.Colour(), client.right - ScaleX(104), y);
  ScopedSelectObject normal(dc, Font());
  RECT label{0, y, client.right - ScaleX(106), y + ScaleX(20)};
  DrawTextW(dc, LanguageText(kColourLabelText).c_str(), -1, &label, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
