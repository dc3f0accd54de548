#pragma once
// IRecurrencePattern of the stand-in: a daily series of a number of occurrences from its
// appointment's start (every Interval days). GetOccurrence finds the occurrence on a day of
// the series and none elsewhere.
#include "platform/pimstore.h"
#include "platform/pocket_outlook/item_state.h"
#include "platform/pocket_outlook/poom_object.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class PoomRecurrence final : public WithoutDispatch<IRecurrencePattern>, private ObjectLife {
 public:
  explicit PoomRecurrence(ItemState series) : series_(std::move(series)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
  ULONG STDMETHODCALLTYPE Release() override { return DropReference(); }

  HRESULT STDMETHODCALLTYPE get_RecurrenceType(long* type) override;
  HRESULT STDMETHODCALLTYPE get_PatternStartDate(DATE* start) override;
  HRESULT STDMETHODCALLTYPE get_Occurrences(long* occurrences) override;
  HRESULT STDMETHODCALLTYPE get_Interval(long* interval) override;
  HRESULT STDMETHODCALLTYPE GetOccurrence(DATE date, IAppointment** occurrence) override;

  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_StartTime, DATE*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_EndTime, DATE*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_PatternEndDate, DATE*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_NoEndDate, VARIANT_BOOL*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_DayOfWeekMask, long*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_DayOfMonth, long*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_Instance, long*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_Duration, long*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_MonthOfYear, long*)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_RecurrenceType, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_PatternStartDate, DATE)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_StartTime, DATE)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_EndTime, DATE)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_PatternEndDate, DATE)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_NoEndDate, VARIANT_BOOL)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_Occurrences, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_Interval, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_DayOfWeekMask, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_DayOfMonth, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_Instance, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_Duration, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", put_MonthOfYear, long)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_Exceptions, IExceptions**)
  POOM_NOT_IMPLEMENTED("IRecurrencePattern", get_Application, IPOutlookApp**)

 private:
  ItemState series_;
};
#pragma GCC diagnostic pop
