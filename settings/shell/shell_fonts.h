#pragma once
#include <windows.h>

#include "settings/controls/gdi_guards.h"

// Tahoma of height ScaleX(12), normal or bold (700): the fonts every page and dialog uses.
ScopedFont CreateShellFont(bool bold);
