// The DLL's entry points: its one class, CLSID_Application, and its registration.
#include "platform/pocket_outlook/server_module.h"

#include "platform/com_server.h"
#include "platform/pimstore.h"
#include "platform/pocket_outlook/poom_application.h"

namespace {

constexpr wchar_t kApplicationClsid[] = L"{05058F23-20BE-11D2-8F18-0000F87A4335}";

StaticClassObject g_classObject(PoomApplication::Create);

}  // namespace

HINSTANCE ServerModule() { return ModuleContaining(reinterpret_cast<const void*>(&ServerModule)); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_Application)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_classObject.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return ServerCanUnloadNow(); }

STDAPI DllRegisterServer() { return RegisterInprocServer(kApplicationClsid, L"Pocket Outlook Application", ServerModule()); }

STDAPI DllUnregisterServer() { return UnregisterInprocServer(kApplicationClsid); }
