#include "linker/poom_operations.h"

#include "linker/bstring.h"
#include "linker/editor_tapper.h"
#include "linker/language_strings.h"

namespace {

constexpr UINT kShowQuestion = 40161, kShowCaption = 40162;
constexpr UINT kEditQuestion = 40193, kEditCaption = 40194;

// The appointment to show or edit: the item itself, or for a series, after asking, the
// occurrence on `date` (or the whole series when the user says No).
ComPtr<IAppointment> FindAppointment(const PoomSession& session, HWND window, CEOID oid, DATE date, UINT questionId,
                                     UINT captionId) {
  std::wstring question, caption;
  LanguageStrings(questionId, captionId, question, caption);
  ComPtr<IDispatch> item = session.ItemFromOid(oid);
  ComPtr<IAppointment> appointment = QueryItem<IAppointment>(item.Get(), IID_IAppointment);
  if (!appointment) return {};
  VARIANT_BOOL recurring = VARIANT_FALSE;
  if (FAILED(appointment->get_IsRecurring(&recurring)) || recurring == VARIANT_FALSE) return appointment;
  if (!question.empty()) {
    const int answer = MessageBoxW(window, question.c_str(), caption.c_str(), MB_YESNOCANCEL);
    if (answer == IDNO) return appointment;
    if (answer != IDYES) return {};
  }
  ComPtr<IRecurrencePattern> pattern;
  ComPtr<IAppointment> occurrence;
  if (SUCCEEDED(appointment->GetRecurrencePattern(pattern.Put())) && pattern &&
      SUCCEEDED(pattern->GetOccurrence(date, occurrence.Put())) && occurrence)
    return occurrence;
  MessageBoxW(window, L"Problem finding occurrence", L"Error", MB_OK);
  return {};
}

// Opens the item in the Pocket Outlook editor and returns when the user closes it.
bool EditInPoomEditor(IUnknown* item, HWND window) {
  ComPtr<IItem> editable = QueryItem<IItem>(item, IID_IItem);
  if (!editable) return false;
  StartEditorTapper(window);
  editable->Edit(window);
  return true;
}

// One new or fetched item through the interface of its kind.
struct KindItem {
  ComPtr<IAppointment> appointment;
  ComPtr<ITask> task;
  ComPtr<IContact> contact;

  KindItem(IUnknown* item, ItemKind kind) {
    if (kind == kAppointment) appointment = QueryItem<IAppointment>(item, IID_IAppointment);
    if (kind == kTask) task = QueryItem<ITask>(item, IID_ITask);
    if (kind == kContact) contact = QueryItem<IContact>(item, IID_IContact);
  }
  IUnknown* Get() const {
    if (appointment) return appointment.Get();
    if (task) return task.Get();
    return contact.Get();
  }
  HRESULT Save() const {
    return appointment ? appointment->Save() : task ? task->Save() : contact ? contact->Save() : E_NOINTERFACE;
  }
  HRESULT Delete() const {
    return appointment ? appointment->Delete() : task ? task->Delete() : contact ? contact->Delete() : E_NOINTERFACE;
  }
  HRESULT Oid(long* oid) const {
    return appointment ? appointment->get_Oid(oid) : task ? task->get_Oid(oid) : contact ? contact->get_Oid(oid)
                                                                                          : E_NOINTERFACE;
  }
  // The text the editor's first field changes: the subject, or the contact's placeholder.
  bool ReadTitle(const PoomSession& session, std::wstring& out) const {
    BSTR text = nullptr;
    const HRESULT result = appointment ? appointment->get_Subject(&text)
                           : task      ? task->get_Subject(&text)
                           : contact   ? contact->get_FileAs(&text)
                                       : E_NOINTERFACE;
    return session.TakeText(result, text, out);
  }
};

void FillAppointment(IAppointment& appointment, const NewItemFields& fields, bool editHere) {
  appointment.put_Start(fields.start);
  appointment.put_End(fields.end);
  if (!fields.categories.empty()) appointment.put_Categories(BString(fields.categories.c_str()).Get());
  const bool reminder = static_cast<double>(fields.reminder) != static_cast<double>(kNoReminder);
  appointment.put_ReminderSet(reminder ? VARIANT_TRUE : VARIANT_FALSE);
  if (reminder) appointment.put_ReminderMinutesBeforeStart(fields.reminder);
  if (editHere) appointment.put_Subject(BString(kNoSubject).Get());
}

// Task dates arrive truncated to whole days; the reminder counts minutes from the due day's
// midnight.
void FillTask(ITask& task, const NewItemFields& fields, bool editHere) {
  if (!fields.categories.empty()) task.put_Categories(BString(fields.categories.c_str()).Get());
  if (fields.start != static_cast<double>(kNoReminder)) task.put_StartDate(fields.start);
  const bool reminder = static_cast<double>(fields.reminder) != static_cast<double>(kNoReminder);
  task.put_ReminderSet(reminder ? VARIANT_TRUE : VARIANT_FALSE);
  if (reminder) task.put_ReminderTime(fields.end + fields.reminder / 1440.0);
  task.put_DueDate(fields.end);
  if (editHere) task.put_Subject(BString(kNoSubject).Get());
}

void FillContact(IContact& contact, const NewItemFields& fields) {
  if (!fields.categories.empty()) contact.put_Categories(BString(fields.categories.c_str()).Get());
  if (!fields.extraText.empty()) contact.put_Body(BString(fields.extraText.c_str()).Get());
  contact.put_FileAs(BString(kUnnamedContact).Get());
}

}  // namespace

bool OpenAppointmentInPoom(const PoomSession& session, HWND window, CEOID oid, DATE date) {
  if (!session.IsOpen()) return false;
  ComPtr<IAppointment> appointment = FindAppointment(session, window, oid, date, kShowQuestion, kShowCaption);
  return appointment && SUCCEEDED(appointment->Display());
}

bool OpenTaskInPoom(const PoomSession& session, CEOID oid) {
  ComPtr<ITask> task = QueryItem<ITask>(session.ItemFromOid(oid).Get(), IID_ITask);
  return task && SUCCEEDED(task->Display());
}

bool OpenContactInPoom(const PoomSession& session, CEOID oid) {
  ComPtr<IContact> contact = QueryItem<IContact>(session.ItemFromOid(oid).Get(), IID_IContact);
  return contact && SUCCEEDED(contact->Display());
}

bool EditAppointmentInPoom(const PoomSession& session, HWND window, CEOID oid, DATE date) {
  if (!session.IsOpen()) return false;
  ComPtr<IAppointment> appointment = FindAppointment(session, window, oid, date, kEditQuestion, kEditCaption);
  return appointment && EditInPoomEditor(appointment.Get(), window);
}

bool EditItemInPoom(const PoomSession& session, HWND window, CEOID oid) {
  ComPtr<IDispatch> item = session.ItemFromOid(oid);
  return item && EditInPoomEditor(item.Get(), window);
}

CEOID CreatePoomItem(const PoomSession& session, HWND window, ItemKind kind, const NewItemFields& fields,
                     bool editHere) {
  if (!session.IsOpen() || (kind != kAppointment && kind != kTask && kind != kContact)) return 0;
  const int type = kind == kAppointment ? olAppointmentItem : kind == kTask ? olTaskItem : olContactItem;
  ComPtr<IDispatch> created;
  if (FAILED(session.Application()->CreateItem(type, created.Put())) || !created) return 0;
  const KindItem item(created.Get(), kind);
  if (item.appointment) FillAppointment(*item.appointment.Get(), fields, editHere);
  if (item.task) FillTask(*item.task.Get(), fields, editHere);
  if (item.contact) FillContact(*item.contact.Get(), fields);
  if (FAILED(item.Save())) return 0;
  long oid = 0;
  if (FAILED(item.Oid(&oid))) oid = 0;
  if (editHere) {
    EditInPoomEditor(item.Get(), window);
    // Exactly the placeholder, or nothing: the user left the new item untouched.
    std::wstring title;
    const wchar_t* placeholder = kind == kContact ? kUnnamedContact : kNoSubject;
    if (!item.ReadTitle(session, title) || title == placeholder) item.Delete();
  }
  return static_cast<CEOID>(oid);
}

bool DeletePoomItem(const PoomSession& session, ItemKind kind, CEOID oid) {
  const KindItem item(session.ItemFromOid(oid).Get(), kind);
  return item.Get() && SUCCEEDED(item.Delete());
}
