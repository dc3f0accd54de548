#include "linker/pi_tools.h"

#include <string>

#include "linker/registry_readers.h"

namespace {

constexpr wchar_t kPocketInformantKey[] = L"Software\\WebIS\\PocketInformant";
constexpr wchar_t kDefaultLibrary[] = L"PITools.dll";
constexpr wchar_t kEditorLibrary[] = L"PINewEditUI.dll";

}  // namespace

bool PiTools::Load() {
  Unload();
  std::wstring location;
  {
    // Read only: QMLinker never creates Pocket Informant's key.
    ScopedRegistryKey key;
    RegOpenKeyExW(HKEY_CURRENT_USER, kPocketInformantKey, 0, KEY_READ, key.Put());
    location = ReadTextValue(key.Get(), L"PIToolsLoc", kDefaultLibrary);
    version_ = ReadNumberValue(key.Get(), L"version", 700);
  }
  library_ = LoadLibraryW(location.c_str());
  if (!library_) library_ = LoadLibraryW(kDefaultLibrary);
  if (!library_) library_ = LoadLibraryW(kEditorLibrary);
  if (!library_) return false;
  if (auto init = Entry<InitPIToolsProc>(kInitPIToolsExport)) init(0);
  return true;
}

void PiTools::Unload() {
  if (!library_) return;
  if (auto uninit = Entry<UnInitPIToolsProc>(kUnInitPIToolsExport)) uninit();
  FreeLibrary(library_);
  library_ = nullptr;
}
