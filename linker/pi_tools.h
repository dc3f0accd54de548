#pragma once
// Pocket Informant's tools library for the length of one request: found through Pocket
// Informant's registry values, loaded, initialised, and uninitialised and freed again when
// the record goes. Entry points are looked up by name when first needed.
#include <windows.h>

#include "platform/pitools.h"

class PiTools {
 public:
  PiTools() = default;
  PiTools(const PiTools&) = delete;
  PiTools& operator=(const PiTools&) = delete;
  ~PiTools() { Unload(); }

  // The library at "PIToolsLoc", else "PITools.dll", else "PINewEditUI.dll"; false when
  // none loads. Calls InitPITools(0) when the library has it.
  bool Load();
  void Unload();
  bool Loaded() const { return library_ != nullptr; }
  // Pocket Informant's "version", 700 when it has none.
  DWORD Version() const { return version_; }

  // The entry point of that name, or null.
  template <typename Proc>
  Proc Entry(const char* name) const {
    FARPROC address = library_ ? GetProcAddress(library_, name) : nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(address));
  }

 private:
  HMODULE library_ = nullptr;
  DWORD version_ = 700;
};
