#pragma once
// What an in-process COM server DLL of the emulated device needs around its objects: the
// count of live objects and locks that tells COM when it may unload the DLL, one static
// class object, and the registration that regsvr32 asks for.
#include <windows.h>
#include <objbase.h>

// The DLL's count; each server DLL links its own.
void ServerObjectCreated();
void ServerObjectDestroyed();
// S_OK when no object lives and no client holds the server locked, else S_FALSE.
HRESULT ServerCanUnloadNow();

// The module that holds the code at `address`.
HMODULE ModuleContaining(const void* address);

using CreateServerObject = HRESULT (*)(REFIID iid, void** out);

// The class object of one class: never deleted, its references do not count, LockServer
// does. Having no virtual destructor, like every COM interface, does not matter for it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class StaticClassObject final : public IClassFactory {
 public:
  explicit constexpr StaticClassObject(CreateServerObject create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  CreateServerObject create_;
};
#pragma GCC diagnostic pop

// Writes the class's InprocServer32 key for the DLL at `module`, under HKEY_LOCAL_MACHINE
// (Wine's CoCreateInstance does not look at a per-user registration) with ThreadingModel
// "Both", so that a multithreaded apartment loads it in-process. `clsid` is braced text.
HRESULT RegisterInprocServer(const wchar_t* clsid, const wchar_t* name, HMODULE module);
HRESULT UnregisterInprocServer(const wchar_t* clsid);
