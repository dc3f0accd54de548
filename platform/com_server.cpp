#include "platform/com_server.h"

#include <olectl.h>

#include <atomic>
#include <cwchar>
#include <string>

namespace {

std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

class ScopedKey {
 public:
  ScopedKey() = default;
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* Put() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

LONG SetString(HKEY key, const wchar_t* name, const wchar_t* value) {
  const DWORD bytes = static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
}

std::wstring ClassKey(const wchar_t* clsid) { return std::wstring(L"Software\\Classes\\CLSID\\") + clsid; }

}  // namespace

void ServerObjectCreated() { ++g_objects; }

void ServerObjectDestroyed() { --g_objects; }

HRESULT ServerCanUnloadNow() { return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE; }

HMODULE ModuleContaining(const void* address) {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     static_cast<const wchar_t*>(address), &module);
  return module;
}

HRESULT StaticClassObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT StaticClassObject::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return create_(iid, out);
}

HRESULT StaticClassObject::LockServer(BOOL lock) {
  if (lock)
    ++g_locks;
  else
    --g_locks;
  return S_OK;
}

HRESULT RegisterInprocServer(const wchar_t* clsid, const wchar_t* name, HMODULE module) {
  wchar_t path[MAX_PATH];
  const DWORD length = module ? GetModuleFileNameW(module, path, MAX_PATH) : 0;
  if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
  ScopedKey classKey, server;
  const bool written =
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, ClassKey(clsid).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, classKey.Put(),
                      nullptr) == ERROR_SUCCESS &&
      SetString(classKey.Get(), nullptr, name) == ERROR_SUCCESS &&
      RegCreateKeyExW(classKey.Get(), L"InprocServer32", 0, nullptr, 0, KEY_WRITE, nullptr, server.Put(), nullptr) ==
          ERROR_SUCCESS &&
      SetString(server.Get(), nullptr, path) == ERROR_SUCCESS &&
      SetString(server.Get(), L"ThreadingModel", L"Both") == ERROR_SUCCESS;
  return written ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterInprocServer(const wchar_t* clsid) {
  const LONG status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKey(clsid).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
