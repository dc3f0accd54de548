#pragma once
// What happens when an input breaks the reader: a fault, a read into the guard pages, a
// damaged heap or an input that takes too long. The input is saved as a finding under the
// reader's corpus folder and the process ends with a failure code; nothing is left for the
// reader to recover from.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "tools/fuzz/guarded_buffer.h"

enum FuzzExit : UINT { kFuzzClean = 0, kFuzzFinding = 3, kFuzzUsage = 2 };

// Installs the handlers and the watchdog thread once. `guard` is the buffer inputs lie in.
bool StartFaultWatch(const GuardedBuffer& guard);

// The folder findings of the reader now fuzzed go to (created when the first is saved).
void SetFindingFolder(const wchar_t* folder);

// Brackets one input; the watchdog ends the process when it runs longer than `limitMs`.
void BeginInput(const std::uint8_t* data, std::size_t size, DWORD limitMs);
// Checks every heap of the process; a damaged one is a finding.
void EndInput();

// Saves the current input (the one last begun, also after it ended) as KIND-HASH.bin and
// ends the process.
[[noreturn]] void ReportFinding(const char* kind);
