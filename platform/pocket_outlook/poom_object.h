#pragma once
// What the stand-in's COM objects share: their life (a reference count that deletes the
// object and counts towards the module's life) and IDispatch, which the dual interfaces
// inherit but the stand-in does not offer: clients reach it through the vtables.
#include <windows.h>
#include <oaidl.h>

#include <atomic>

#include "platform/com_server.h"
#include "platform/pim_journal.h"

class ObjectLife {
 public:
  ObjectLife() { ServerObjectCreated(); }
  ObjectLife(const ObjectLife&) = delete;
  ObjectLife& operator=(const ObjectLife&) = delete;
  virtual ~ObjectLife() { ServerObjectDestroyed(); }

 protected:
  ULONG AddReference() { return ++references_; }
  ULONG DropReference() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  std::atomic<ULONG> references_{1};
};

// COM interfaces have no virtual destructor; objects delete themselves through ObjectLife's.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface>
class WithoutDispatch : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return count ? S_OK : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};
#pragma GCC diagnostic pop

// A published method the stand-in does not carry out: journalled by name (without its
// arguments), answered E_NOTIMPL.
#define POOM_NOT_IMPLEMENTED(owner, method, ...)                       \
  HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override {             \
    JournalLine(owner, #method).Write();                               \
    return E_NOTIMPL;                                                  \
  }
