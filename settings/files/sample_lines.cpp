#include "settings/files/sample_lines.h"

#include "settings/base/load_text.h"
#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/files/appointment_texts.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/preview_painter.h"
#include "settings/store/settings_store.h"

namespace {

constexpr UINT kSampleSubjectText = 631;
constexpr UINT kSampleLocationText = 632;
constexpr UINT kSampleTaskText = 1479;
constexpr int kSampleFontId = 50;
constexpr COLORREF kSampleTextColour = 0x000000;

// Everything an icon code can stand for, so that every chosen icon shows.
void GiveEveryIcon(TextItem& item) {
  item.hasReminder = true;
  item.hasNote = true;
  item.hasLink = true;
  item.sensitivity = 2;
  item.recurrenceState = 1;
}

// Measured over the whole band, then drawn centred on the band's middle line.
template <typename Item, typename Painter>
void MeasureAndDraw(Item& item, HDC band, int width, int height, const PainterSettings& settings, Painter paint) {
  LinePaint line;
  line.dc = band;
  line.bounds = RECT{0, 0, width, height};
  line.font = Drawing().Font(kSampleFontId);
  line.textColour = kSampleTextColour;
  line.measureOnly = true;
  const int measured = paint(item, line, settings);
  const int top = ScaleX(21) - measured / 2;
  line.bounds = RECT{0, top, width, top + ScaleX(200)};
  line.measureOnly = false;
  paint(item, line, settings);
}

}  // namespace

void PaintSampleAppointment(HDC band, int width, int height) {
  AppointmentItem item;
  const int today = TodayDayNumber();
  item.start = today + 0.5;
  item.end = item.start + 0.125;
  GiveEveryIcon(item);
  item.hasAttendees = true;
  WideString subject;
  WideString location;
  LoadText(Modules().languageLibrary, kSampleSubjectText, subject);
  LoadText(Modules().languageLibrary, kSampleLocationText, location);
  ComposeAppointmentTexts(item, subject.c_str(), location.c_str(), today, AppointmentTextRulesFromStore());
  const PainterSettings settings = PainterSettingsFromStore();
  TimeColumnWidth(item, settings, band);
  MeasureAndDraw(item, band, width, height, settings, PaintAppointmentLine);
}

void PaintSampleTask(HDC band, int width, int height, DWORD leftIcon1, DWORD leftIcon2, DWORD rightIcons) {
  TaskItem item;
  GiveEveryIcon(item);
  item.importance = 2;
  LoadText(Modules().languageLibrary, kSampleTaskText, item.title);
  PainterSettings settings = PainterSettingsFromStore();
  settings.taskLeftIcon1 = leftIcon1;
  settings.taskLeftIcon2 = leftIcon2;
  settings.taskRightIcons = rightIcons;
  settings.foldingType = Store().tasks.TsksFoldingType.value;
  MeasureAndDraw(item, band, width, height, settings, PaintTaskLine);
}
