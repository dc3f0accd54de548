// The DLL's entry points: its one class, the imaging factory, and its registration.
#include <windows.h>
#include <objbase.h>

#include "platform/com_server.h"
#include "platform/imaging.h"
#include "platform/imaging_server/ce_imaging_factory.h"

namespace {

constexpr wchar_t kFactoryClsid[] = L"{327ABDA8-072B-11D3-9D7B-0000F81EF32E}";

StaticClassObject g_classObject(CeImagingFactory::Create);

HMODULE ServerModule() { return ModuleContaining(&g_classObject); }

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_ImagingFactory)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_classObject.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return ServerCanUnloadNow(); }

STDAPI DllRegisterServer() { return RegisterInprocServer(kFactoryClsid, L"Imaging Factory", ServerModule()); }

STDAPI DllUnregisterServer() { return UnregisterInprocServer(kFactoryClsid); }
