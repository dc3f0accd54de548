#pragma once
// Reference counting and IUnknown for the server's objects, each of which exposes one
// interface. Objects count towards the module's life (DllCanUnloadNow).
#include <unknwn.h>

#include <atomic>

#include "platform/com_server.h"

// COM interfaces have no virtual destructor; objects delete themselves in Release, through
// this class's virtual one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface, const GUID& InterfaceId>
class ComObject : public Interface {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, InterfaceId)) {
      *out = static_cast<Interface*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() { ServerObjectCreated(); }
  virtual ~ComObject() { ServerObjectDestroyed(); }

 private:
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop
