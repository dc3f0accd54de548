#include "settings/files/preview_painter.h"

#include <algorithm>

#include "settings/base/scale.h"
#include "settings/controls/gdi_guards.h"
#include "settings/files/drawing_cache.h"
#include "settings/store/settings_store.h"

namespace {

constexpr COLORREF kConflictRed = 0x0000FF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

// The right icon group's order; 0 stands for a task's "regenerated" glyph.
constexpr DWORD kRightOrder[] = {kIconImportance, kIconReminder, kIconPrivate, kIconRecurring, 0,
                                 kIconNote,       kIconLink,     kIconAttendees, kIconAttachedIcon, kIconCategory};

// The glyph an icon code shows for this item, or null when its condition does not hold.
const PlanarImage* IconFor(DWORD code, const TextItem& item) {
  const auto* task = dynamic_cast<const TaskItem*>(&item);
  switch (code) {
    case 0: return task && task->regenerates ? &Drawing().GlyphImage(kGlyphRegenerated) : nullptr;
    case kIconReminder: return item.hasReminder ? &IconCodeGlyph(code) : nullptr;
    case kIconPrivate: return item.sensitivity == 2 ? &IconCodeGlyph(code) : nullptr;
    case kIconRecurring: return item.recurrenceState == 1 ? &IconCodeGlyph(code) : nullptr;
    case kIconNote: return item.hasNote ? &IconCodeGlyph(code) : nullptr;
    case kIconCategory:
    case kIconAttachedIcon: return &IconCodeGlyph(code);
    case kIconImportance:
      if (!task || (task->importance != 0 && task->importance != 2)) return nullptr;
      return &IconCodeGlyph(code, task->importance == 2);
    case kIconAttendees: return !task && item.hasAttendees ? &IconCodeGlyph(code) : nullptr;
    case kIconLink: return item.hasLink ? &IconCodeGlyph(code) : nullptr;
    default: return nullptr;
  }
}

// Where the line's texts and icons go while it is laid out.
struct LineState {
  HDC dc;
  const LinePaint& paint;
  const PainterSettings& settings;
  TextItem& item;
  int fontHeight;
};

// Draws a glyph centred in a ScaleX(12) cell at x, vertically centred on the text line at
// y, and records the tap areas of the reminder, note and link icons.
void PlaceIcon(LineState& line, DWORD code, const PlanarImage& glyph, int x, int y) {
  const int cell = ScaleX(12);
  RECT area{x, y + (line.fontHeight - cell) / 2, x + cell, y + (line.fontHeight - cell) / 2 + cell};
  if (code == kIconReminder) line.item.reminderRect = area;
  if (code == kIconNote) line.item.noteRect = area;
  if (code == kIconLink) line.item.linkRect = area;
  if (line.paint.measureOnly || !glyph.Drawable()) return;
  DrawImage(glyph, line.dc, x + (cell - glyph.Width()) / 2, y + (line.fontHeight - glyph.Height()) / 2);
}

// The left icons from x; returns the x after the last one shown.
int PlaceLeftIcons(LineState& line, DWORD first, DWORD second, int x, int y) {
  for (DWORD code : {first, second}) {
    const PlanarImage* glyph = code ? IconFor(code, line.item) : nullptr;
    if (!glyph) continue;
    PlaceIcon(line, code, *glyph, x, y);
    x += ScaleX(13);
  }
  return x;
}

int CountRightIcons(const TextItem& item, DWORD flags) {
  int count = 0;
  for (DWORD code : kRightOrder)
    if ((code == 0 || (flags & code)) && IconFor(code, item)) ++count;
  return count;
}

// The right icon group from (x, y) up to the right bound; an icon that does not fit starts
// a new row, or ends the group on a one-line layout. Returns the bottom of the last row.
int PlaceRightIcons(LineState& line, DWORD flags, int x, int y, int right, bool oneLine) {
  const int start = x;
  int bottom = y + line.fontHeight;
  for (DWORD code : kRightOrder) {
    if (code != 0 && !(flags & code)) continue;
    const PlanarImage* glyph = IconFor(code, line.item);
    if (!glyph) continue;
    if (x + ScaleX(12) > right && (oneLine || x > start)) {
      if (oneLine) break;
      x = start;
      y += ScaleX(2) + line.fontHeight;
      bottom = y + line.fontHeight;
    }
    PlaceIcon(line, code, *glyph, x, y);
    x += ScaleX(13);
  }
  return bottom;
}

// Title, right icons and second text from titleX; returns the bottom of the texts.
int PlaceTexts(LineState& line, int titleX, int top, DWORD rightIcons, const wchar_t* secondText,
               bool secondOnOneLine) {
  const LinePaint& paint = line.paint;
  const PainterSettings& settings = line.settings;
  TextItem& item = line.item;
  const int right = paint.bounds.right;
  const bool wrapped = !(settings.foldingType == 1 || (settings.foldingType == 2 && !paint.selected));
  const bool hasSecond = secondText && *secondText;
  int bottom = top + line.fontHeight;
  RECT measured{};
  if (!wrapped) {
    // Leave the icons their room when the title would otherwise take it.
    int titleRight = right - CountRightIcons(item, rightIcons) * ScaleX(13) - ScaleX(2);
    if (titleRight < titleX + ScaleX(30)) titleRight = right;
    DrawLineText(line.dc, item.title.c_str(), RECT{titleX, top, titleRight, paint.bounds.bottom}, DT_SINGLELINE,
                 settings, paint.selected, paint.measureOnly, &measured);
    item.titleRect = measured;
    bottom = std::max<int>(bottom, measured.bottom);
    bottom = std::max(bottom, PlaceRightIcons(line, rightIcons, measured.right + ScaleX(2), top, right, true));
    if (!hasSecond || !secondOnOneLine) return bottom;
    DrawLineText(line.dc, secondText, RECT{titleX, bottom, right, paint.bounds.bottom}, DT_SINGLELINE, settings,
                 paint.selected, paint.measureOnly, &measured);
    item.secondRect = measured;
    return std::max<int>(bottom, measured.bottom);
  }
  DrawLineText(line.dc, item.title.c_str(), RECT{titleX, top, right, paint.bounds.bottom}, DT_WORDBREAK, settings,
               paint.selected, paint.measureOnly, &measured);
  item.titleRect = measured;
  bottom = std::max<int>(bottom, measured.bottom);
  // After a one-line title the icons follow it; after a wrapped one they start below it.
  if (measured.bottom - measured.top <= line.fontHeight)
    bottom = std::max(bottom, PlaceRightIcons(line, rightIcons, measured.right + ScaleX(2), top, right, false));
  else if (CountRightIcons(item, rightIcons) > 0)
    bottom = std::max(bottom, PlaceRightIcons(line, rightIcons, titleX, bottom, right, false));
  if (!hasSecond) return bottom;
  DrawLineText(line.dc, secondText, RECT{titleX, bottom, right, paint.bounds.bottom}, DT_WORDBREAK, settings,
               paint.selected, paint.measureOnly, &measured);
  item.secondRect = measured;
  return std::max<int>(bottom, measured.bottom);
}

int FontHeight(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

HFONT TimeFont(const PainterSettings& settings) { return Drawing().Font(settings.fontUseAdvanced == 1 ? 106 : 50); }

void PaintLeadingRect(HDC dc, const PainterSettings& settings, const TextItem& item, int x, int top, int bottom) {
  RECT outer{x, top + ScaleY(1), x + ScaleX(6), bottom - ScaleY(1)};
  if (outer.bottom <= outer.top) return;
  FillSolid(dc, outer, kBlack);
  RECT inner = outer;
  const int inset = settings.useThinLines == 1 ? 1 : ScaleX(1);
  InflateRect(&inner, -inset, -inset);
  if (inner.right > inner.left && inner.bottom > inner.top)
    FillSolid(dc, inner, settings.conflicting == 1 && item.conflicting ? kConflictRed : kWhite);
}

// Selects the line's font and colour with a transparent background, and puts back what was
// there.
class LineDc {
 public:
  explicit LineDc(const LinePaint& paint)
      : dc_(paint.dc),
        font_(paint.dc, paint.font),
        colour_(SetTextColor(paint.dc, paint.textColour)),
        mode_(SetBkMode(paint.dc, TRANSPARENT)) {}
  LineDc(const LineDc&) = delete;
  LineDc& operator=(const LineDc&) = delete;
  ~LineDc() {
    SetBkMode(dc_, mode_);
    SetTextColor(dc_, colour_);
  }

 private:
  HDC dc_;
  ScopedSelectObject font_;
  COLORREF colour_;
  int mode_;
};

}  // namespace

PainterSettings PainterSettingsFromStore() {
  const SettingsStore& store = Store();
  const CalendarSettings& calendar = store.calendar;
  PainterSettings settings;
  settings.displayFormat = calendar.ApptDisplayFormat.value;
  settings.fontUseAdvanced = store.fonts.FontGnrlUseAdvncd.value;
  settings.indentItems = store.general.IndentItems.value;
  settings.leadingRects = calendar.LeadingRects.value;
  settings.conflicting = calendar.Conflicting.value;
  settings.useThinLines = store.general.UseThinLines.value;
  settings.useShadow = store.fonts.UseShadowColor.value;
  settings.shadowColour = store.colours.ShadowFontColor.value;
  settings.foldingType = calendar.FoldingType.value;
  settings.apptLeftIcon1 = calendar.ApptLeftAlignIcon1.value;
  settings.apptLeftIcon2 = calendar.ApptLeftAlignIcon2.value;
  settings.taskLeftIcon1 = calendar.TaskLeftAlignIcon1.value;
  settings.taskLeftIcon2 = calendar.TaskLeftAlignIcon2.value;
  settings.apptRightIcons = calendar.ClrApptRightIcons.value;
  settings.taskRightIcons = calendar.ClrTaskRightIcons.value;
  return settings;
}

int IconColumnWidth(const PainterSettings& settings) {
  const int appointmentIcons = (settings.apptLeftIcon1 != 0) + (settings.apptLeftIcon2 != 0);
  const int taskIcons = (settings.taskLeftIcon1 != 0) + (settings.taskLeftIcon2 != 0);
  return ScaleX(13) * std::max(appointmentIcons, taskIcons) + (settings.indentItems == 1 ? ScaleX(8) : 0);
}

int TimeColumnWidth(ListItem& item, const PainterSettings& settings, HDC dc) {
  if (item.timeColumnWidth >= 0) return item.timeColumnWidth;
  const DWORD format = settings.displayFormat;
  int width = ScaleX(2);
  if (format <= 6) {
    ScopedSelectObject font(dc, TimeFont(settings));
    RECT box{0, 0, ScaleX(200), ScaleX(200)};
    const wchar_t* widest = format % 2 ? L"X22:22-Multiday:" : L"XXMultiday:";
    DrawTextW(dc, widest, -1, &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    width = box.right - box.left;
  }
  width += IconColumnWidth(settings);
  if (settings.leadingRects != 0 && format < 7) width += ScaleX(12);
  item.timeColumnWidth = width;
  return width;
}

int TimeColumnWidth(ListItem& item) {
  ScopedGetDC screen(nullptr);
  return TimeColumnWidth(item, PainterSettingsFromStore(), screen);
}

int PaintAppointmentLine(AppointmentItem& item, const LinePaint& paint, const PainterSettings& settings) {
  LineDc prepared(paint);
  LineState line{paint.dc, paint, settings, item, FontHeight(paint.dc)};
  const DWORD format = settings.displayFormat;
  const bool leading = settings.leadingRects != 0;
  const int left = paint.bounds.left + ScaleX(1);
  const int top = paint.bounds.top;
  const int timeColumn = TimeColumnWidth(item, settings, paint.dc);
  const int iconColumn = IconColumnWidth(settings);
  PlaceLeftIcons(line, settings.apptLeftIcon1, settings.apptLeftIcon2,
                 left + (settings.indentItems == 1 ? ScaleX(8) : 0), top);

  int titleX = left + timeColumn + (leading && format > 6 ? ScaleX(12) : 0);
  if (!item.timeLabel.Empty()) {
    RECT measured{};
    ScopedSelectObject timeFont(paint.dc, TimeFont(settings));
    if (format <= 6) {
      // The time column: after the icons and the leading rectangle.
      const int x = left + iconColumn + (leading ? ScaleX(12) : 0);
      DrawLineText(paint.dc, item.timeLabel.c_str(), RECT{x, top, left + timeColumn, paint.bounds.bottom},
                   DT_SINGLELINE, settings, paint.selected, paint.measureOnly, &measured);
    } else {
      // No time column: the label leads the title.
      DrawLineText(paint.dc, item.timeLabel.c_str(), RECT{titleX, top, paint.bounds.right, paint.bounds.bottom},
                   DT_SINGLELINE, settings, paint.selected, paint.measureOnly, &measured);
      titleX = measured.right + ScaleX(3);
    }
  }
  const int bottom =
      PlaceTexts(line, titleX, top, settings.apptRightIcons, item.location.c_str(), format > 10);
  const int height = bottom - top + ScaleY(1);
  if (!paint.measureOnly && leading) {
    const int x = format <= 6 ? paint.bounds.left + ScaleX(5) + iconColumn
                              : paint.bounds.left + timeColumn + ScaleX(12) - ScaleX(10);
    PaintLeadingRect(paint.dc, settings, item, x, top, top + height);
  }
  return height;
}

int PaintTaskLine(TaskItem& item, const LinePaint& paint, const PainterSettings& settings) {
  LineDc prepared(paint);
  LineState line{paint.dc, paint, settings, item, FontHeight(paint.dc)};
  const int top = paint.bounds.top;
  int x = paint.bounds.left + ScaleX(1) + (settings.indentItems == 1 ? ScaleX(8) : 0);
  x = PlaceLeftIcons(line, settings.taskLeftIcon1, settings.taskLeftIcon2, x, top);
  // The check box: the task's state, before the title.
  const PlanarImage& box = Drawing().GlyphImage(item.completed ? kGlyphTaskChecked : kGlyphTaskNotChecked);
  PlaceIcon(line, 0, box, x, top);
  x += ScaleX(13) + ScaleX(2);
  const int bottom = PlaceTexts(line, x, top, settings.taskRightIcons, item.text2.c_str(), true);
  return bottom - top + ScaleY(1);
}
