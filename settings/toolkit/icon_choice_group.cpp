#include "settings/toolkit/icon_choice_group.h"

#include "settings/files/drawing_cache.h"
#include "settings/store/settings_store.h"

namespace {

constexpr UINT kAppointmentIconCaptions[] = {650, 651, 652, 653, 654, 1211, 655, 1212};
constexpr DWORD kAppointmentIconIds[] = {kIconReminder, kIconPrivate,   kIconRecurring,    kIconNote,
                                         kIconCategory, kIconAttendees, kIconAttachedIcon, kIconLink};
constexpr UINT kTaskIconCaptions[] = {650, 651, 652, 653, 654, 656, 655, 1212};
constexpr DWORD kTaskIconIds[] = {kIconReminder, kIconPrivate,    kIconRecurring,    kIconNote,
                                  kIconCategory, kIconImportance, kIconAttachedIcon, kIconLink};

}  // namespace

ItemIcons::ItemIcons(const UINT* captions, const DWORD* ids) : captions_(captions), ids_(ids) {
  for (int i = 0; i < kCount; ++i) glyphs_[i] = &IconCodeGlyph(ids[i]);
}

ItemIcons ItemIcons::ForAppointments() { return ItemIcons(kAppointmentIconCaptions, kAppointmentIconIds); }
ItemIcons ItemIcons::ForTasks() { return ItemIcons(kTaskIconCaptions, kTaskIconIds); }

void WriteNow(DwordSetting& setting, DWORD value) {
  setting.Set(value);
  setting.Save(nullptr);
}

int IconChoiceGroup::Build(SettingsPage& page, HWND window, MarkerRowPart left1, MarkerRowPart right,
                           MarkerRowPart left2, const MarkerRowItems& items, int y) {
  SettingsStore& store = Store();
  left1.marker = &left1_;
  left1.value = settings_.left1(store).value;
  left2.marker = &left2_;
  left2.value = settings_.left2(store).value;
  right.marker = &right_;
  right.value = settings_.right(store).value;
  left1Notify_ = left1.notifyId;
  left2Notify_ = left2.notifyId;
  rightNotify_ = right.notifyId;
  return AddIconMarkerRow(page, window, left1, right, left2, items, y);
}

bool IconChoiceGroup::OnChosen(UINT notifyId, DWORD chosen) {
  if (notifyId == left1Notify_) ChooseLeft(settings_.left1, settings_.left2, chosen);
  else if (notifyId == left2Notify_) ChooseLeft(settings_.left2, settings_.left1, chosen);
  else return false;
  return true;
}

bool IconChoiceGroup::OnClicked(UINT notifyId) {
  if (notifyId != rightNotify_) return false;
  WriteNow(settings_.right(Store()), MarkerValue(right_));
  return true;
}

void IconChoiceGroup::ChooseLeft(NumberBinding changed, NumberBinding other, DWORD chosen) {
  SettingsStore& store = Store();
  const DWORD previous = changed(store).value;
  // The icon given up returns to the right, unless the other left position still shows it.
  if (previous && previous != other(store).value) MarkerSetOff(right_, previous);
  WriteNow(changed(store), chosen);
  if (!chosen) return;
  DwordSetting& shownRight = settings_.right(store);
  if (shownRight.value & chosen) WriteNow(shownRight, shownRight.value & ~chosen);
  MarkerSetBlocked(right_, chosen);
}
