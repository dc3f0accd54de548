#include "platform/pocket_outlook/poom_application.h"

#include <new>

#include "platform/pocket_outlook/poom_appointment.h"
#include "platform/pocket_outlook/poom_contact.h"
#include "platform/pocket_outlook/poom_task.h"

namespace {

// A new object for the item, holding one reference, asked for `iid`.
HRESULT ItemObject(ItemState state, REFIID iid, void** out) {
  IUnknown* object = nullptr;
  switch (state.Kind()) {
    case PimItemKind::Appointment: object = static_cast<IAppointment*>(new PoomAppointment(std::move(state))); break;
    case PimItemKind::Task: object = static_cast<ITask*>(new PoomTask(std::move(state))); break;
    case PimItemKind::Contact: object = static_cast<IContact*>(new PoomContact(std::move(state))); break;
  }
  const HRESULT result = object->QueryInterface(iid, out);
  object->Release();
  return result;
}

}  // namespace

HRESULT PoomApplication::Create(REFIID iid, void** out) {
  auto* application = new (std::nothrow) PoomApplication();
  if (!application) return E_OUTOFMEMORY;
  const HRESULT result = application->QueryInterface(iid, out);
  application->Release();
  return result;
}

HRESULT PoomApplication::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IPOutlookApp) ||
      IsEqualIID(iid, IID_IPOutlookApp2)) {
    *out = static_cast<IPOutlookApp2*>(this);
    AddReference();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT PoomApplication::Logon(LONG_PTR window) {
  window_ = reinterpret_cast<HWND>(window);
  JournalLine("IPOutlookApp", "Logon").Window(window_).Write();
  return S_OK;
}

HRESULT PoomApplication::Logoff() {
  JournalLine("IPOutlookApp", "Logoff").Write();
  window_ = nullptr;
  return S_OK;
}

HRESULT PoomApplication::get_Version(BSTR* version) {
  JournalLine("IPOutlookApp", "get_Version").Write();
  if (!version) return E_POINTER;
  *version = ::SysAllocString(L"6.0");
  return *version ? S_OK : E_OUTOFMEMORY;
}

HRESULT PoomApplication::CreateItem(int type, IDispatch** item) {
  JournalLine("IPOutlookApp", "CreateItem").Number(type).Write();
  if (!item) return E_POINTER;
  *item = nullptr;
  PimItemKind kind;
  switch (type) {
    case olAppointmentItem: kind = PimItemKind::Appointment; break;
    case olTaskItem: kind = PimItemKind::Task; break;
    case olContactItem: kind = PimItemKind::Contact; break;
    default: return E_INVALIDARG;
  }
  ItemState state(kind);
  state.SetOwner(window_);
  return ItemObject(std::move(state), IID_IDispatch, reinterpret_cast<void**>(item));
}

HRESULT PoomApplication::GetItemFromOid(long oid, IDispatch** item) {
  JournalLine("IPOutlookApp", "GetItemFromOid").Oid(static_cast<unsigned long>(oid)).Write();
  if (!item) return E_POINTER;
  *item = nullptr;
  ItemState state(PimItemKind::Appointment);
  if (!ItemState::Load(static_cast<CEOID>(oid), state)) return E_INVALIDARG;
  state.SetOwner(window_);
  return ItemObject(std::move(state), IID_IDispatch, reinterpret_cast<void**>(item));
}

HRESULT PoomApplication::SysFreeString(BSTR text) {
  JournalLine("IPOutlookApp", "SysFreeString").Text(text).Write();
  ::SysFreeString(text);
  return S_OK;
}

HRESULT PoomApplication::GetItemFromOidEx(ULONG oid, ULONG flags, IItem** item) {
  JournalLine("IPOutlookApp2", "GetItemFromOidEx").Oid(oid).Number(flags).Write();
  if (!item) return E_POINTER;
  *item = nullptr;
  ItemState state(PimItemKind::Appointment);
  if (!ItemState::Load(oid, state)) return E_INVALIDARG;
  state.SetOwner(window_);
  return ItemObject(std::move(state), IID_IItem, reinterpret_cast<void**>(item));
}
