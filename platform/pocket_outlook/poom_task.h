#pragma once
// ITask of the stand-in: subject, categories, start and due dates and the reminder are kept;
// tasks do not recur here; the rest of the published interface answers E_NOTIMPL.
#include "platform/pocket_outlook/poom_item.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class PoomTask final : public PoomItem<ITask, IID_ITask> {
 public:
  using PoomItem::PoomItem;

  HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* out) override {
    return GetFlag("get_IsRecurring", PIMPR_IS_RECURRING, out);
  }
  HRESULT STDMETHODCALLTYPE get_Subject(BSTR* out) override { return GetText("get_Subject", PIMPR_SUBJECT, out); }
  HRESULT STDMETHODCALLTYPE get_Categories(BSTR* out) override {
    return GetText("get_Categories", PIMPR_CATEGORIES, out);
  }
  HRESULT STDMETHODCALLTYPE get_StartDate(DATE* out) override {
    return GetDate("get_StartDate", PIMPR_START_DATE, out);
  }
  HRESULT STDMETHODCALLTYPE get_DueDate(DATE* out) override { return GetDate("get_DueDate", PIMPR_DUE_DATE, out); }
  HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* out) override {
    return GetFlag("get_ReminderSet", PIMPR_REMINDER_SET, out);
  }
  HRESULT STDMETHODCALLTYPE get_ReminderTime(DATE* out) override {
    return GetDate("get_ReminderTime", PIMPR_REMINDER_TIME, out);
  }
  HRESULT STDMETHODCALLTYPE put_Subject(BSTR text) override { return PutText("put_Subject", PIMPR_SUBJECT, text); }
  HRESULT STDMETHODCALLTYPE put_Categories(BSTR text) override {
    return PutText("put_Categories", PIMPR_CATEGORIES, text);
  }
  HRESULT STDMETHODCALLTYPE put_StartDate(DATE date) override {
    return PutDate("put_StartDate", PIMPR_START_DATE, date);
  }
  HRESULT STDMETHODCALLTYPE put_DueDate(DATE date) override { return PutDate("put_DueDate", PIMPR_DUE_DATE, date); }
  HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL value) override {
    return PutFlag("put_ReminderSet", PIMPR_REMINDER_SET, value);
  }
  HRESULT STDMETHODCALLTYPE put_ReminderTime(DATE date) override {
    return PutDate("put_ReminderTime", PIMPR_REMINDER_TIME, date);
  }

  POOM_NOT_IMPLEMENTED("ITask", ClearRecurrencePattern)
  POOM_NOT_IMPLEMENTED("ITask", GetRecurrencePattern, IRecurrencePattern**)
  POOM_NOT_IMPLEMENTED("ITask", get_DateCompleted, DATE*)
  POOM_NOT_IMPLEMENTED("ITask", get_Importance, long*)
  POOM_NOT_IMPLEMENTED("ITask", get_Complete, VARIANT_BOOL*)
  POOM_NOT_IMPLEMENTED("ITask", get_Sensitivity, long*)
  POOM_NOT_IMPLEMENTED("ITask", get_TeamTask, VARIANT_BOOL*)
  POOM_NOT_IMPLEMENTED("ITask", get_Body, BSTR*)
  POOM_NOT_IMPLEMENTED("ITask", get_ReminderSoundFile, BSTR*)
  POOM_NOT_IMPLEMENTED("ITask", get_ReminderOptions, long*)
  POOM_NOT_IMPLEMENTED("ITask", put_Importance, long)
  POOM_NOT_IMPLEMENTED("ITask", put_Complete, VARIANT_BOOL)
  POOM_NOT_IMPLEMENTED("ITask", put_Sensitivity, long)
  POOM_NOT_IMPLEMENTED("ITask", put_TeamTask, VARIANT_BOOL)
  POOM_NOT_IMPLEMENTED("ITask", put_Body, BSTR)
  POOM_NOT_IMPLEMENTED("ITask", put_ReminderSoundFile, BSTR)
  POOM_NOT_IMPLEMENTED("ITask", put_ReminderOptions, long)
  POOM_NOT_IMPLEMENTED("ITask", SkipRecurrence)
};
#pragma GCC diagnostic pop
