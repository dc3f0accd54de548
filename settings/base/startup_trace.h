#pragma once
// Start-up timestamps for measuring where the time goes: kept only when the program was
// started with "/trace FILE", then written there as one line a step with the system time
// (100-ns units), which the starter compares with its own. Without the switch every call
// returns at once.
#include <windows.h>

// Takes the switch from the command line; true when it was given.
bool StartupTraceBegin(const wchar_t* commandLine);
void StartupTraceStep(const char* step);
// Writes the steps once; later calls do nothing.
void StartupTraceWrite();
