// The DLL's class object and its life: COM may unload the DLL once no object is alive and
// no client holds the class object locked.
#include <windows.h>
#include <objbase.h>

#include <atomic>

#include "platform/imaging.h"
#include "platform/imaging_server/ce_imaging_factory.h"
#include "platform/imaging_server/com_object.h"

namespace {

std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

// One static class object; its references do not count, LockServer does. It is never
// deleted, so its interface's missing virtual destructor does not matter.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FactoryClassObject final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CeImagingFactory::Create(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock)
      ++g_locks;
    else
      --g_locks;
    return S_OK;
  }
};
#pragma GCC diagnostic pop

FactoryClassObject g_classObject;

}  // namespace

void ServerObjectCreated() { ++g_objects; }

void ServerObjectDestroyed() { --g_objects; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_ImagingFactory)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_classObject.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE; }
