// Registration for regsvr32. The class goes under HKEY_LOCAL_MACHINE: Wine's
// CoCreateInstance does not look at a per-user registration. ThreadingModel "Both" lets
// the product's multithreaded apartment load the DLL in-process.
#include <windows.h>
#include <olectl.h>

#include <cwchar>
#include <utility>

namespace {

constexpr wchar_t kClassKey[] = L"Software\\Classes\\CLSID\\{327ABDA8-072B-11D3-9D7B-0000F81EF32E}";
constexpr wchar_t kClassName[] = L"Imaging Factory";

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

bool ModulePath(wchar_t (&path)[MAX_PATH]) {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<const wchar_t*>(&ModulePath), &self))
    return false;
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  return length > 0 && length < MAX_PATH;
}

LONG WriteRegistration(const wchar_t* path) {
  ScopedKey classKey;
  LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kClassKey, 0, nullptr, 0, KEY_WRITE, nullptr, classKey.Put(),
                                nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = SetString(classKey.Get(), nullptr, kClassName);
  if (status != ERROR_SUCCESS) return status;
  ScopedKey server;
  status = RegCreateKeyExW(classKey.Get(), L"InprocServer32", 0, nullptr, 0, KEY_WRITE, nullptr, server.Put(), nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = SetString(server.Get(), nullptr, path);
  if (status != ERROR_SUCCESS) return status;
  return SetString(server.Get(), L"ThreadingModel", L"Both");
}

}  // namespace

STDAPI DllRegisterServer() {
  wchar_t path[MAX_PATH];
  if (!ModulePath(path)) return SELFREG_E_CLASS;
  return WriteRegistration(path) == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  const LONG status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
