#pragma once
// IAppointment of the stand-in: subject, categories, start and end, the reminder and the
// daily recurrence are kept; the rest of the published interface answers E_NOTIMPL.
#include "platform/pocket_outlook/poom_item.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class PoomAppointment final : public PoomItem<IAppointment, IID_IAppointment> {
 public:
  using PoomItem::PoomItem;

  HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** pattern) override;
  HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* out) override {
    return GetFlag("get_IsRecurring", PIMPR_IS_RECURRING, out);
  }
  HRESULT STDMETHODCALLTYPE get_Subject(BSTR* out) override { return GetText("get_Subject", PIMPR_SUBJECT, out); }
  HRESULT STDMETHODCALLTYPE get_Categories(BSTR* out) override {
    return GetText("get_Categories", PIMPR_CATEGORIES, out);
  }
  HRESULT STDMETHODCALLTYPE get_Start(DATE* out) override { return GetDate("get_Start", PIMPR_START, out); }
  HRESULT STDMETHODCALLTYPE get_End(DATE* out) override { return GetDate("get_End", PIMPR_END, out); }
  HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* out) override {
    return GetFlag("get_ReminderSet", PIMPR_REMINDER_SET, out);
  }
  HRESULT STDMETHODCALLTYPE get_ReminderMinutesBeforeStart(long* out) override {
    return GetNumber("get_ReminderMinutesBeforeStart", PIMPR_REMINDER_MINUTES_BEFORE_START, out);
  }
  HRESULT STDMETHODCALLTYPE put_Subject(BSTR text) override { return PutText("put_Subject", PIMPR_SUBJECT, text); }
  HRESULT STDMETHODCALLTYPE put_Categories(BSTR text) override {
    return PutText("put_Categories", PIMPR_CATEGORIES, text);
  }
  HRESULT STDMETHODCALLTYPE put_Start(DATE date) override { return PutDate("put_Start", PIMPR_START, date); }
  HRESULT STDMETHODCALLTYPE put_End(DATE date) override { return PutDate("put_End", PIMPR_END, date); }
  HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL value) override {
    return PutFlag("put_ReminderSet", PIMPR_REMINDER_SET, value);
  }
  HRESULT STDMETHODCALLTYPE put_ReminderMinutesBeforeStart(long minutes) override {
    return PutNumber("put_ReminderMinutesBeforeStart", PIMPR_REMINDER_MINUTES_BEFORE_START, minutes);
  }

  POOM_NOT_IMPLEMENTED("IAppointment", ClearRecurrencePattern)
  POOM_NOT_IMPLEMENTED("IAppointment", get_Location, BSTR*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_Duration, long*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_AllDayEvent, VARIANT_BOOL*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_BusyStatus, long*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_Sensitivity, long*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_Body, BSTR*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_Recipients, IRecipients**)
  POOM_NOT_IMPLEMENTED("IAppointment", get_MeetingStatus, long*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_ReminderSoundFile, BSTR*)
  POOM_NOT_IMPLEMENTED("IAppointment", get_ReminderOptions, long*)
  POOM_NOT_IMPLEMENTED("IAppointment", put_Location, BSTR)
  POOM_NOT_IMPLEMENTED("IAppointment", put_Duration, long)
  POOM_NOT_IMPLEMENTED("IAppointment", put_AllDayEvent, VARIANT_BOOL)
  POOM_NOT_IMPLEMENTED("IAppointment", put_BusyStatus, long)
  POOM_NOT_IMPLEMENTED("IAppointment", put_Sensitivity, long)
  POOM_NOT_IMPLEMENTED("IAppointment", put_Body, BSTR)
  POOM_NOT_IMPLEMENTED("IAppointment", put_ReminderSoundFile, BSTR)
  POOM_NOT_IMPLEMENTED("IAppointment", put_ReminderOptions, long)
  POOM_NOT_IMPLEMENTED("IAppointment", Send)
  POOM_NOT_IMPLEMENTED("IAppointment", Cancel)
};
#pragma GCC diagnostic pop
