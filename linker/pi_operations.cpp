#include "linker/pi_operations.h"

#include <shellapi.h>

#include "linker/bstring.h"
#include "linker/pi_tools.h"

namespace {

// The editor call of each kind: success is a result of 0.
bool EditLoaded(const PiTools& tools, ItemKind kind, CEOID oid, DATE date) {
  switch (kind) {
    case kAppointment: {
      auto editAppointment = tools.Entry<DApptProc>(kDApptExport);
      return editAppointment && editAppointment(oid, date, 0, 0, nullptr) == 0;
    }
    case kTask: {
      auto editTask = tools.Entry<DTaskProc>(kDTaskExport);
      return editTask && editTask(oid, 0, 0, nullptr) == 0;
    }
    case kContact: {
      auto editContact = tools.Entry<DContactProc>(kDContactExport);
      return editContact && editContact(oid, 0, 0, 0) == 0;
    }
    default:
      return false;
  }
}

bool OpenNoteByShell(HWND window, const std::wstring& notePath) {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.hwnd = window;
  execute.lpVerb = L"OpenDoc";
  execute.lpFile = notePath.c_str();
  execute.nShow = SW_HIDE;
  return ShellExecuteExW(&execute) != FALSE;
}

// PowerMacro of either decoration, the first preferred.
PowerMacroProc FindPowerMacro(const PiTools& tools) {
  if (auto macro = tools.Entry<PowerMacroProc>(kPowerMacroExport)) return macro;
  return tools.Entry<PowerMacroProc>(kPowerMacroWideExport);
}

}  // namespace

bool OpenAppointmentInPi(CEOID oid, DATE date, bool viewFlag) {
  PiTools tools;
  if (!tools.Load()) return false;
  auto show = tools.Entry<DApptProc>(kDApptExport);
  return show && show(oid, date, viewFlag ? 4 : 0, viewFlag ? 0 : 1, nullptr) == 0;
}

bool OpenTaskInPi(CEOID oid, bool viewFlag) {
  PiTools tools;
  if (!tools.Load()) return false;
  auto show = tools.Entry<DTaskProc>(kDTaskExport);
  if (!show) return false;
  const int mode = !viewFlag ? 0 : tools.Version() >= 800 ? 4 : 3;
  show(oid, mode, viewFlag ? 0 : 1, nullptr);
  return true;
}

bool OpenContactInPi(CEOID oid) {
  PiTools tools;
  if (!tools.Load()) return false;
  auto show = tools.Entry<DisplayContactWindowExternProc>(kDisplayContactExport);
  if (!show) return false;
  show(oid, 0, 0);
  return true;
}

bool OpenNoteInPi(HWND window, const std::wstring& notePath) {
  {
    PiTools tools;
    if (tools.Load()) {
      if (auto open = tools.Entry<DNoteProc>(kDNoteExport)) {
        open(notePath.c_str());
        return true;
      }
    }
  }
  return OpenNoteByShell(window, notePath);
}

bool EditInPi(ItemKind kind, CEOID oid, DATE date) {
  PiTools tools;
  return tools.Load() && EditLoaded(tools, kind, oid, date);
}

bool NewAlarmNoteInPi(HWND window) {
  PiTools tools;
  if (!tools.Load()) return false;
  auto create = tools.Entry<CreateAlarmNoteExternProc>(kCreateAlarmNoteExport);
  if (!create) return false;
  create(window);
  return true;
}

bool CreateAndEditInPi(const PoomSession& session, HWND window, ItemKind kind, const NewItemFields& fields) {
  const CEOID oid = CreatePoomItem(session, window, kind, fields, false);
  if (oid == 0) return false;
  if (EditInPi(kind, oid, fields.start)) return true;
  DeletePoomItem(session, kind, oid);
  return false;
}

bool HandOverToPi(const PoomSession& session, ItemKind kind, CEOID oid, DATE date) {
  if (!session.IsOpen() || (kind != kAppointment && kind != kTask)) return false;
  ComPtr<IDispatch> item = session.ItemFromOid(oid);
  ComPtr<IAppointment> appointment = QueryItem<IAppointment>(item.Get(), IID_IAppointment);
  ComPtr<ITask> task = QueryItem<ITask>(item.Get(), IID_ITask);
  std::wstring subject;
  if ((kind == kAppointment && appointment) || (kind == kTask && task)) {
    BSTR text = nullptr;
    const HRESULT result = appointment ? appointment->get_Subject(&text) : task->get_Subject(&text);
    session.TakeText(result, text, subject);
  }

  PiTools tools;
  if (!tools.Load()) return false;
  if (PowerMacroProc macro = FindPowerMacro(tools)) {
    long unused = 0;
    // The text belongs to the library: copied at once. No text leaves the subject as it is.
    const wchar_t* result = macro(subject.c_str(), &unused, nullptr);
    const std::wstring changed = result ? result : L"";
    if (!changed.empty()) {
      const BString text(changed.c_str());
      if (kind == kAppointment && appointment && SUCCEEDED(appointment->put_Subject(text.Get()))) appointment->Save();
      if (kind == kTask && task && SUCCEEDED(task->put_Subject(text.Get()))) task->Save();
    }
  }
  appointment.Reset();
  task.Reset();
  item.Reset();

  if (EditLoaded(tools, kind, oid, date)) return true;
  DeletePoomItem(session, kind, oid);
  return false;
}
