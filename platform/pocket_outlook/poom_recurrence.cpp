#include "platform/pocket_outlook/poom_recurrence.h"

#include "platform/pocket_outlook/poom_appointment.h"

HRESULT PoomRecurrence::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IRecurrencePattern)) {
    *out = static_cast<IRecurrencePattern*>(this);
    AddReference();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT PoomRecurrence::get_RecurrenceType(long* type) {
  JournalLine("IRecurrencePattern", "get_RecurrenceType").Write();
  if (!type) return E_POINTER;
  *type = series_.Number(PIMPR_IS_RECURRING) ? static_cast<long>(series_.Number(PIMPR_RECURRING_TYPE, olRecursDaily))
                                             : static_cast<long>(olRecursOnce);
  return S_OK;
}

HRESULT PoomRecurrence::get_PatternStartDate(DATE* start) {
  JournalLine("IRecurrencePattern", "get_PatternStartDate").Write();
  if (!start) return E_POINTER;
  *start = series_.Date(PIMPR_START);
  return S_OK;
}

HRESULT PoomRecurrence::get_Occurrences(long* occurrences) {
  JournalLine("IRecurrencePattern", "get_Occurrences").Write();
  if (!occurrences) return E_POINTER;
  *occurrences = static_cast<long>(series_.Number(PIMPR_RECURRING_OCCURRENCES));
  return S_OK;
}

HRESULT PoomRecurrence::get_Interval(long* interval) {
  JournalLine("IRecurrencePattern", "get_Interval").Write();
  if (!interval) return E_POINTER;
  *interval = static_cast<long>(series_.Number(PIMPR_RECURRING_INTERVAL, 1));
  return S_OK;
}

HRESULT PoomRecurrence::GetOccurrence(DATE date, IAppointment** occurrence) {
  JournalLine("IRecurrencePattern", "GetOccurrence").Date(date).Write();
  if (!occurrence) return E_POINTER;
  *occurrence = nullptr;
  ItemState found(PimItemKind::Appointment);
  if (!series_.OccurrenceOn(date, found)) return E_FAIL;
  *occurrence = new PoomAppointment(std::move(found));
  return S_OK;
}
