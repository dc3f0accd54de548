#pragma once
// What every item object of the stand-in shares: the item's state, IUnknown, the generic
// IItem, and the methods that IAppointment, ITask and IContact declare alike (Save, Delete,
// Display, get_Oid). Journal lines name the item's own interface, or IItem for its methods.
#include <windows.h>

#include <utility>

#include "platform/pimstore.h"
#include "platform/pocket_outlook/item_dialogs.h"
#include "platform/pocket_outlook/item_state.h"
#include "platform/pocket_outlook/poom_object.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface, const GUID& InterfaceId>
class PoomItem : public WithoutDispatch<Interface>, public IItem, protected ObjectLife {
 public:
  explicit PoomItem(ItemState state) : state_(std::move(state)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, InterfaceId)) {
      *out = static_cast<Interface*>(this);
    } else if (IsEqualIID(iid, IID_IItem)) {
      *out = static_cast<IItem*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddReference();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
  ULONG STDMETHODCALLTYPE Release() override { return DropReference(); }

  HRESULT STDMETHODCALLTYPE Save() override {
    JournalLine(Name(), "Save").Write();
    return state_.Save();
  }
  HRESULT STDMETHODCALLTYPE Delete() override {
    JournalLine(Name(), "Delete").Write();
    return state_.Delete();
  }
  HRESULT STDMETHODCALLTYPE Display() override {
    JournalLine(Name(), "Display").Write();
    return RunItemViewer(state_.Owner(), state_);
  }
  HRESULT STDMETHODCALLTYPE get_Oid(long* oid) override {
    JournalLine(Name(), "get_Oid").Write();
    if (!oid) return E_POINTER;
    *oid = static_cast<long>(state_.Oid());
    return S_OK;
  }

  // IItem.
  HRESULT STDMETHODCALLTYPE Display(HWND parent) override {
    JournalLine("IItem", "Display").Window(parent).Write();
    return RunItemViewer(parent, state_);
  }
  HRESULT STDMETHODCALLTYPE Edit(HWND parent) override {
    JournalLine("IItem", "Edit").Window(parent).Write();
    return RunItemEditor(parent, state_);
  }
  HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* type) override {
    JournalLine("IItem", "get_DefaultItemType").Write();
    if (!type) return E_POINTER;
    *type = state_.Kind() == PimItemKind::Appointment ? olAppointmentItem
            : state_.Kind() == PimItemKind::Task      ? olTaskItem
                                                      : olContactItem;
    return S_OK;
  }
  // Declared alike by IAppointment, ITask and IContact.
  POOM_NOT_IMPLEMENTED(Name(), Copy, Interface**)
  POOM_NOT_IMPLEMENTED(Name(), put_BodyInk, CEBLOB*)
  POOM_NOT_IMPLEMENTED(Name(), get_BodyInk, CEBLOB*)
  POOM_NOT_IMPLEMENTED("IItem", GetProps, const CEPROPID*, ULONG, WORD, CEPROPVAL**, ULONG*, HANDLE)
  POOM_NOT_IMPLEMENTED("IItem", SetProps, ULONG, WORD, CEPROPVAL*)
  POOM_NOT_IMPLEMENTED("IItem", Copy, IItem**)
  POOM_NOT_IMPLEMENTED("IItem", OpenProperty, CEPROPID, DWORD, IStream**)
  POOM_NOT_IMPLEMENTED("IItem", get_Application, IPOutlookApp**)
  POOM_NOT_IMPLEMENTED("IItem", get_Parent, IFolder**)
  POOM_NOT_IMPLEMENTED("IItem", AddCategory, LPCWSTR)
  POOM_NOT_IMPLEMENTED("IItem", RemoveCategory, LPCWSTR)

 protected:
  const char* Name() const { return state_.InterfaceName(); }

  // The property accessors of the item interfaces, journalled under the method's name.
  HRESULT GetText(const char* method, CEPROPID propid, BSTR* out) {
    JournalLine(Name(), method).Write();
    return TextResult(state_, propid, out);
  }
  HRESULT PutText(const char* method, CEPROPID propid, BSTR text) {
    JournalLine(Name(), method).Text(text).Write();
    state_.SetText(propid, text);
    return S_OK;
  }
  HRESULT GetDate(const char* method, CEPROPID propid, DATE* out) {
    JournalLine(Name(), method).Write();
    if (!out) return E_POINTER;
    *out = state_.Date(propid);
    return S_OK;
  }
  HRESULT PutDate(const char* method, CEPROPID propid, DATE date) {
    JournalLine(Name(), method).Date(date).Write();
    state_.SetDate(propid, date);
    return S_OK;
  }
  HRESULT GetFlag(const char* method, CEPROPID propid, VARIANT_BOOL* out) {
    JournalLine(Name(), method).Write();
    if (!out) return E_POINTER;
    *out = state_.Number(propid) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT PutFlag(const char* method, CEPROPID propid, VARIANT_BOOL value) {
    JournalLine(Name(), method).Flag(value != VARIANT_FALSE).Write();
    state_.SetNumber(propid, value != VARIANT_FALSE ? 1 : 0);
    return S_OK;
  }
  HRESULT GetNumber(const char* method, CEPROPID propid, long* out) {
    JournalLine(Name(), method).Write();
    if (!out) return E_POINTER;
    *out = static_cast<long>(state_.Number(propid));
    return S_OK;
  }
  HRESULT PutNumber(const char* method, CEPROPID propid, long value) {
    JournalLine(Name(), method).Number(value).Write();
    state_.SetNumber(propid, value);
    return S_OK;
  }

  ItemState state_;
};
#pragma GCC diagnostic pop
