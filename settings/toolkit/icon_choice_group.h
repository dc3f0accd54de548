#pragma once
// The icons of one kind of item (appointments or tasks) on a page: two single-choice markers
// for the two left icons and a multiple-choice marker for the right icons. An icon chosen at
// the left leaves the right icons and is blocked there; it comes back (off, unblocked) once
// neither left icon uses it. Every choice is written to the registry at once.
#include <windows.h>

#include "settings/toolkit/icon_marker.h"
#include "settings/toolkit/page_rows.h"

struct IconChoiceSettings {
  NumberBinding left1;
  NumberBinding left2;
  NumberBinding right;
};

class IconChoiceGroup {
 public:
  explicit IconChoiceGroup(const IconChoiceSettings& settings) : settings_(settings) {}

  // Builds the row (AddIconMarkerRow) with the settings' current values; the parts name the
  // labels, texts, control ids and notification ids; their markers and values are set here.
  int Build(SettingsPage& page, HWND window, MarkerRowPart left1, MarkerRowPart right, MarkerRowPart left2,
            const MarkerRowItems& items, int y);

  // A left marker's choice (kMarkerChosenMessage) or a right marker's tap
  // (kMarkerClickedMessage): false when the notification is another group's.
  bool OnChosen(UINT notifyId, DWORD chosen);
  bool OnClicked(UINT notifyId);

 private:
  void ChooseLeft(NumberBinding changed, NumberBinding other, DWORD chosen);

  IconChoiceSettings settings_;
  IconMarker left1_;
  IconMarker left2_;
  IconMarker right_;
  UINT left1Notify_ = 0;
  UINT left2Notify_ = 0;
  UINT rightNotify_ = 0;
};

// The icons an appointment or a task line can show, as the markers offer them: caption ids,
// icon codes and the cached glyphs.
class ItemIcons {
 public:
  static ItemIcons ForAppointments();
  static ItemIcons ForTasks();
  MarkerRowItems Items() const { return {captions_, ids_, glyphs_, kCount}; }

 private:
  static constexpr int kCount = 8;
  ItemIcons(const UINT* captions, const DWORD* ids);

  const UINT* captions_;
  const DWORD* ids_;
  const PlanarImage* glyphs_[kCount];
};

// Sets a record and writes it to the registry now rather than on Done.
void WriteNow(DwordSetting& setting, DWORD value);
