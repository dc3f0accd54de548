#include "tools/fuzz/fault_watch.h"

#include <csignal>
#include <cstring>
#include <cwchar>
#include <exception>

namespace {

// Read by the handlers and the watchdog, which must not allocate: the heap may be the
// thing that broke.
struct WatchState {
  const GuardedBuffer* guard = nullptr;
  wchar_t folder[MAX_PATH] = {};
  const std::uint8_t* volatile data = nullptr;
  volatile std::size_t size = 0;
  volatile ULONGLONG started = 0;
  volatile DWORD limitMs = 0;
  volatile LONG busy = 0;
  volatile LONG reporting = 0;
  HANDLE mainThread = nullptr;
};

WatchState& State() {
  static WatchState state;
  return state;
}

void WriteError(const char* text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

// The path as plain characters for the message; the corpus paths are ASCII.
void WriteErrorPath(const wchar_t* path) {
  char narrow[MAX_PATH * 2];
  std::size_t at = 0;
  for (; path[at] && at + 1 < sizeof narrow; ++at) narrow[at] = path[at] < 0x80 ? static_cast<char>(path[at]) : '?';
  narrow[at] = '\0';
  WriteError(narrow);
}

std::uint64_t Fnv1a(const std::uint8_t* data, std::size_t size) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
  return hash;
}

bool SaveInput(const char* kind, wchar_t (&path)[MAX_PATH * 2]) {
  WatchState& state = State();
  CreateDirectoryW(state.folder, nullptr);
  wchar_t name[64];
  std::swprintf(name, 64, L"\\%hs-%016llx.bin", kind, static_cast<unsigned long long>(Fnv1a(state.data, state.size)));
  if (std::wcslen(state.folder) + std::wcslen(name) >= MAX_PATH * 2) return false;
  std::wcscpy(path, state.folder);
  std::wcscat(path, name);
  const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, state.data, static_cast<DWORD>(state.size), &written, nullptr) && written == state.size;
  CloseHandle(file);
  return ok;
}

LONG CALLBACK OnFirstChance(EXCEPTION_POINTERS* info) {
  const WatchState& state = State();
  if (!state.busy) return EXCEPTION_CONTINUE_SEARCH;
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  // Faults on the guard pages are always the reader's; other faults are judged only when
  // nobody handles them, since the platform may probe memory and handle its own faults.
  if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2 &&
      state.guard->IsGuard(reinterpret_cast<const void*>(record.ExceptionInformation[1])))
    ReportFinding("guard");
  if (record.ExceptionCode == EXCEPTION_STACK_OVERFLOW) ReportFinding("crash");
  return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI OnUnhandled(EXCEPTION_POINTERS*) {
  if (State().busy) ReportFinding("crash");
  return EXCEPTION_CONTINUE_SEARCH;
}

void OnAbort(int) {
  if (State().busy) ReportFinding("crash");
  ExitProcess(kFuzzFinding);
}

// An input that has not returned by its limit is taken to never return.
DWORD WINAPI Watchdog(void*) {
  WatchState& state = State();
  for (;;) {
    Sleep(50);
    if (state.busy && GetTickCount64() - state.started > state.limitMs) {
      SuspendThread(state.mainThread);
      ReportFinding("hang");
    }
  }
}

}  // namespace

bool StartFaultWatch(const GuardedBuffer& guard) {
  WatchState& state = State();
  state.guard = &guard;
  if (!DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &state.mainThread, 0, FALSE,
                       DUPLICATE_SAME_ACCESS))
    return false;
  AddVectoredExceptionHandler(1, OnFirstChance);
  SetUnhandledExceptionFilter(OnUnhandled);
  std::signal(SIGABRT, OnAbort);
  std::set_terminate([] { ReportFinding("crash"); });
  const HANDLE thread = CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
  if (!thread) return false;
  CloseHandle(thread);
  return true;
}

void SetFindingFolder(const wchar_t* folder) {
  WatchState& state = State();
  wcsncpy_s(state.folder, folder, _TRUNCATE);
}

void BeginInput(const std::uint8_t* data, std::size_t size, DWORD limitMs) {
  WatchState& state = State();
  state.data = data;
  state.size = size;
  state.limitMs = limitMs;
  state.started = GetTickCount64();
  InterlockedExchange(&state.busy, 1);
}

void EndInput() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  for (DWORD i = 0; i < count && i < 64; ++i)
    if (!HeapValidate(heaps[i], 0, nullptr)) ReportFinding("heap");
  InterlockedExchange(&State().busy, 0);
}

void ReportFinding(const char* kind) {
  WatchState& state = State();
  // The first report wins; a second thread arriving here waits for the process to end.
  if (InterlockedExchange(&state.reporting, 1) != 0) {
    for (;;) Sleep(INFINITE);
  }
  wchar_t path[MAX_PATH * 2] = {};
  WriteError("qmfuzz: ");
  WriteError(kind);
  if (SaveInput(kind, path)) {
    WriteError(": the input is saved as ");
    WriteErrorPath(path);
  } else {
    WriteError(": the input could not be saved");
  }
  WriteError("\n");
  TerminateProcess(GetCurrentProcess(), kFuzzFinding);
  for (;;) Sleep(INFINITE);
}
