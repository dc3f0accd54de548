#pragma once
// The modules the whole program draws on: its own instance, the language library the user
// chose (every visible text) and the resolution library of the screen (pictures). The shell
// loads and frees the libraries; everything else only reads them.
#include <windows.h>

struct ProgramModules {
  HINSTANCE instance = nullptr;
  HMODULE languageLibrary = nullptr;
  HMODULE resolutionLibrary = nullptr;
};

ProgramModules& Modules();
