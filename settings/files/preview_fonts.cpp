#include "settings/files/preview_fonts.h"

#include <cwchar>
#include <iterator>

#include "settings/base/scale.h"
#include "settings/store/settings_store.h"

namespace {

constexpr int kSlotIds[] = {0,   1,   2,   3,   50,  51,  52,  53,  54,  100, 101, 102, 103, 104, 105,
                            106, 107, 108, 109, 110, 111, 112, 113, 200, 201, 202, 203, 204, 205, 250,
                            251, 260, 261, 262, 270, 271, 272, 300, 301, 302, 303, 304, 305, 400, 500};
static_assert(std::size(kSlotIds) == 45);

constexpr BYTE kClearType = 5;

// The font records by id, in the order the plug-in numbers them.
const FontSetting* FontRecord(int fontId) {
  FontSettings& fonts = Store().fonts;
  const FontSetting* calendar[] = {
      &fonts.FontCalTasks,         &fonts.FontCalTasksOverdue, &fonts.FontCalTasksFuture,
      &fonts.FontCalTasksCompleted, &fonts.FontCalTasksUndated, &fonts.FontCalApptBusy,
      &fonts.FontCalApptFree,      &fonts.FontCalTentative,    &fonts.FontCalApptOutOfOffice,
      &fonts.FontCalPast,          &fonts.FontCalCompleted,    &fonts.FontMailRead,
      &fonts.FontMailUnread,       &fonts.FontCalDayTitles};
  const FontSetting* tasks[] = {&fonts.FontTskOverdue, &fonts.FontTskDueToday, &fonts.FontTskNoDue,
                                &fonts.FontTskFutureDue, &fonts.FontTskGroupingTtls};
  const FontSetting* specialEvents[] = {&fonts.FontSEGeneral, &fonts.FontSEFilter1, &fonts.FontSEFilter2,
                                        &fonts.FontSEFilter3, &fonts.FontSEFilter4, &fonts.FontSEGroupingTtls};
  if (fontId >= 100 && fontId <= 113) return calendar[fontId - 100];
  if (fontId >= 200 && fontId <= 204) return tasks[fontId - 200];
  if (fontId >= 300 && fontId <= 305) return specialEvents[fontId - 300];
  switch (fontId) {
    case 0:
    case 205: return &fonts.FontGeneral;
    case 250: return &fonts.FontNoteItems;
    case 251: return &fonts.FontNoteTitles;
    case 260: return &fonts.FontContactTitles;
    case 261: return &fonts.FontContactItems;
    case 270: return &fonts.FontMsgsRead;
    case 271: return &fonts.FontMsgsUnread;
    case 272: return &fonts.FontMsgsTitles;
    default: return nullptr;
  }
}

struct SizedFont {
  LONG height;
  LONG weight;
  BYTE strikeOut;
};

// The ids described by a size and weight alone; false for the others.
bool SizedDescription(int fontId, SizedFont& out) {
  const FontSettings& fonts = Store().fonts;
  const LONG general = static_cast<LONG>(fonts.FontGnrlSize.value);
  const LONG titles = static_cast<LONG>(fonts.FontGnrlTitlesSize.value);
  switch (fontId) {
    case 1: out = {ScaleX(11, true), FW_NORMAL, 0}; return true;
    case 2: out = {ScaleY(12), FW_BOLD, 0}; return true;
    case 3: out = {ScaleX(10), FW_NORMAL, 0}; return true;
    case 4: out = {ScaleX(12), FW_BOLD, 0}; return true;
    case 50: out = {general, FW_NORMAL, 0}; return true;
    case 51: out = {general, FW_BOLD, 0}; return true;
    case 52: out = {general, FW_BOLD, 1}; return true;
    case 53: out = {titles, FW_BOLD, 0}; return true;
    case 54: out = {titles, FW_NORMAL, 0}; return true;
    case 262:
    case 400: out = {ScaleX(11), FW_NORMAL, 0}; return true;
    default: return false;
  }
}

}  // namespace

std::span<const int> PreviewFontSlotIds() { return kSlotIds; }

bool PreviewFontDescription(int fontId, LOGFONTW& font) {
  if (const FontSetting* record = FontRecord(fontId)) {
    font = record->font;
    if (fontId == 205) font.lfStrikeOut = 1;
    return true;
  }
  const FontSettings& fonts = Store().fonts;
  font = LOGFONTW{};
  wcsncpy(font.lfFaceName, fonts.FontFaceToUse.value.c_str(), LF_FACESIZE - 1);
  font.lfQuality = fonts.ForceClearType.value == 1 ? kClearType : DEFAULT_QUALITY;
  font.lfWeight = FW_NORMAL;
  SizedFont sized{};
  if (!SizedDescription(fontId, sized)) return false;
  font.lfHeight = sized.height;
  font.lfWeight = sized.weight;
  font.lfStrikeOut = sized.strikeOut;
  return true;
}
