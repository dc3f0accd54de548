#include "platform/pocket_outlook/poom_appointment.h"

#include "platform/pocket_outlook/poom_recurrence.h"

HRESULT PoomAppointment::GetRecurrencePattern(IRecurrencePattern** pattern) {
  JournalLine("IAppointment", "GetRecurrencePattern").Write();
  if (!pattern) return E_POINTER;
  *pattern = new PoomRecurrence(state_);
  return S_OK;
}
