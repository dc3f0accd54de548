#include "platform/pocket_outlook/item_state.h"

#include <cmath>

#include "platform/pim_dates.h"
#include "platform/pimstore.h"

namespace {

// Whole days from the series' start to `date`: the difference of their calendar days.
long DaysBetween(DATE from, DATE to) {
  LONGLONG start = 0, end = 0;
  if (!DateToFileTime(from, start) || !DateToFileTime(to, end)) return -1;
  constexpr LONGLONG kTicksPerDay = 864000000000LL;
  return static_cast<long>(end / kTicksPerDay - start / kTicksPerDay);
}

}  // namespace

bool ItemState::Load(CEOID oid, ItemState& out) {
  PimVolume volume;
  if (oid == 0 || !ReadPimVolume(PimVolume::kDevicePath, volume)) return false;
  PimDatabase* database = nullptr;
  const PimRecord* record = volume.FindRecord(oid, &database);
  PimItemKind kind;
  if (!record || !database || !PimKindOfDatabase(database->name.c_str(), kind)) return false;
  out = ItemState(kind);
  out.oid_ = oid;
  out.record_ = *record;
  return true;
}

const char* ItemState::InterfaceName() const {
  switch (kind_) {
    case PimItemKind::Appointment: return "IAppointment";
    case PimItemKind::Task: return "ITask";
    case PimItemKind::Contact: return "IContact";
  }
  return "IItem";
}

std::wstring ItemState::Text(CEPROPID propid) const {
  const PimProperty* property = record_.Find(HIWORD(propid));
  return property && property->propid == propid ? property->text : std::wstring();
}

DATE ItemState::Date(CEPROPID propid) const {
  const PimProperty* property = record_.Find(HIWORD(propid));
  if (!property || property->propid != propid) return DATE_NONE;
  DATE date = FileTimeToDate(property->number);
  if (occurrenceDay_ > 0 && (propid == PIMPR_START || propid == PIMPR_END)) date += occurrenceDay_;
  return date;
}

LONGLONG ItemState::Number(CEPROPID propid, LONGLONG fallback) const {
  const PimProperty* property = record_.Find(HIWORD(propid));
  return property && property->propid == propid ? property->number : fallback;
}

void ItemState::SetText(CEPROPID propid, const wchar_t* text) {
  if (text && *text)
    record_.SetText(propid, text);
  else
    record_.Remove(HIWORD(propid));
}

void ItemState::SetDate(CEPROPID propid, DATE date) {
  if (occurrenceDay_ > 0 && (propid == PIMPR_START || propid == PIMPR_END)) date -= occurrenceDay_;
  LONGLONG fileTime = 0;
  if (date != DATE_NONE && DateToFileTime(date, fileTime))
    record_.SetNumber(propid, fileTime);
  else
    record_.Remove(HIWORD(propid));
}

void ItemState::SetNumber(CEPROPID propid, LONGLONG value) { record_.SetNumber(propid, value); }

CEPROPID ItemState::TitleProperty() const { return kind_ == PimItemKind::Contact ? PIMPR_FILEAS : PIMPR_SUBJECT; }

bool ItemState::OccurrenceOn(DATE date, ItemState& out) const {
  if (kind_ != PimItemKind::Appointment || IsOccurrence() || !Number(PIMPR_IS_RECURRING)) return false;
  if (Number(PIMPR_RECURRING_TYPE, olRecursDaily) != olRecursDaily) return false;
  const long interval = static_cast<long>(Number(PIMPR_RECURRING_INTERVAL, 1));
  const long occurrences = static_cast<long>(Number(PIMPR_RECURRING_OCCURRENCES, 0));
  const DATE start = Date(PIMPR_START);
  if (start == DATE_NONE || interval <= 0) return false;
  const long day = DaysBetween(start, date);
  if (day < 0 || day % interval != 0 || day / interval >= occurrences) return false;
  out = *this;
  out.occurrenceDay_ = day;
  return true;
}

HRESULT ItemState::Save() {
  PimVolumeWriter writer;
  if (!writer.Open()) return E_FAIL;
  PimVolume& volume = writer.Volume();
  PimRecord* stored = nullptr;
  if (oid_ == 0) {
    stored = &volume.AddRecord(volume.FindOrCreateDatabase(PimDatabaseName(kind_)));
  } else {
    PimDatabase* database = nullptr;
    stored = volume.FindRecord(oid_, &database);
    PimItemKind storedKind;
    // Deleted meanwhile, or no longer an item of this kind.
    if (!stored || !database || !PimKindOfDatabase(database->name.c_str(), storedKind) || storedKind != kind_)
      return E_FAIL;
  }
  const CEOID oid = stored->oid;
  stored->properties = record_.properties;
  if (!writer.Commit()) return E_FAIL;
  oid_ = oid;
  record_.oid = oid;
  return S_OK;
}

HRESULT ItemState::Delete() {
  // An item never saved has nothing to delete; an occurrence is not removed on its own.
  if (oid_ == 0) return S_OK;
  if (IsOccurrence()) return E_FAIL;
  PimVolumeWriter writer;
  if (!writer.Open(PimVolume::kDevicePath, false) || !writer.Volume().DeleteRecord(oid_) || !writer.Commit())
    return E_FAIL;
  oid_ = 0;
  return S_OK;
}

HRESULT TextResult(const ItemState& item, CEPROPID propid, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocString(item.Text(propid).c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}
