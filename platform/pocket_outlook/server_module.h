#pragma once
// The Pocket Outlook stand-in DLL's own module, whose instance owns its dialog class.
#include <windows.h>

HINSTANCE ServerModule();
