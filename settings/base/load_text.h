#pragma once
#include <windows.h>

#include "settings/base/wide_string.h"

// A string of a resource library by id, up to 1024 characters. Returns the length
// LoadStringW reported; `out` is empty when the library or the id is missing.
int LoadText(HMODULE module, UINT id, WideString& out);
