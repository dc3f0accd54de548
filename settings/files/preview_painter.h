#pragma once
// The item painter of the previews: the time column, the layout of an appointment or task
// line (shadowed texts, left and right icons, folding, the leading rectangle) and which
// items a tab would show. Each line is run twice: once to measure, once to draw.
#include <windows.h>

#include "settings/files/preview_items.h"

class CategoryItem;

// Every setting the painter reads, taken from the store once per paint.
struct PainterSettings {
  DWORD displayFormat = 6;     // ApptDisplayFormat
  DWORD fontUseAdvanced = 0;   // FontGnrlUseAdvncd: the time column measured in font 106
  DWORD indentItems = 0;       // IndentItems
  DWORD leadingRects = 1;      // LeadingRects
  DWORD conflicting = 1;       // Conflicting
  DWORD useThinLines = 0;      // UseThinLines
  DWORD useShadow = 0;         // UseShadowColor: 0 none, 1 to 4 the shadow's offsets
  COLORREF shadowColour = 0xFFFFFFFF;  // ShadowFontColor
  DWORD foldingType = 2;       // FoldingType (TsksFoldingType for task lines)
  DWORD apptLeftIcon1 = 0;     // ApptLeftAlignIcon1 / 2
  DWORD apptLeftIcon2 = 0;
  DWORD taskLeftIcon1 = 0;     // TaskLeftAlignIcon1 / 2
  DWORD taskLeftIcon2 = 0;
  DWORD apptRightIcons = 479;  // ClrApptRightIcons
  DWORD taskRightIcons = 383;  // ClrTaskRightIcons
};
PainterSettings PainterSettingsFromStore();

// One run of a line painter.
struct LinePaint {
  HDC dc = nullptr;
  RECT bounds{};
  HFONT font = nullptr;
  COLORREF textColour = 0;
  bool selected = false;
  bool measureOnly = false;
};

// The left part of a line before the title, in pixels; measured once and kept in the item.
int TimeColumnWidth(ListItem& item, const PainterSettings& settings, HDC dc);
int TimeColumnWidth(ListItem& item);
// The width of the left icon column (ScaleX(13) per icon of the larger icon pair, plus the
// indent).
int IconColumnWidth(const PainterSettings& settings);

// Lay out (and unless measuring, draw) one line; return its height in pixels.
int PaintAppointmentLine(AppointmentItem& item, const LinePaint& paint, const PainterSettings& settings);
int PaintTaskLine(TaskItem& item, const LinePaint& paint, const PainterSettings& settings);

// Draws a text (no prefix processing) with the settings' shadow, when the line is not the
// selected one. Single-line texts are measured first and cut with an ellipsis at the
// right edge when they do not fit; `measured` gets the rectangle the text takes.
void DrawLineText(HDC dc, const wchar_t* text, const RECT& rect, UINT format, const PainterSettings& settings,
                  bool selected, bool measureOnly, RECT* measured);

// Which items a tab shows: the tab's category or filter selection, plus the passed and
// completed hiding settings.
bool ShowsAppointment(const AppointmentItem& item, const CategoryItem* selection, bool hidePassed);
bool ShowsAppointment(const AppointmentItem& item);
bool ShowsTask(const TaskItem& item, const CategoryItem* selection, bool hideCompleted);
bool ShowsTask(const TaskItem& item);
