#include "settings/base/startup_trace.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr int kMaxSteps = 32;
constexpr wchar_t kSwitch[] = L"/trace ";

struct Step {
  const char* name;
  ULONGLONG time;  // 100-ns units
};

struct Trace {
  wchar_t file[MAX_PATH] = L"";
  bool on = false;
  Step steps[kMaxSteps]{};
  int count = 0;
};

Trace& TheTrace() {
  static Trace trace;
  return trace;
}

ULONGLONG AsNumber(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool StartupTraceBegin(const wchar_t* commandLine) {
  if (!commandLine || std::wcsncmp(commandLine, kSwitch, std::wcslen(kSwitch)) != 0) return false;
  Trace& trace = TheTrace();
  std::swprintf(trace.file, MAX_PATH, L"%ls", commandLine + std::wcslen(kSwitch));
  trace.on = true;
  StartupTraceStep("entry");
  return true;
}

void StartupTraceStep(const char* step) {
  Trace& trace = TheTrace();
  if (!trace.on || trace.count == kMaxSteps) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  trace.steps[trace.count++] = {step, AsNumber(now)};
}

void StartupTraceWrite() {
  Trace& trace = TheTrace();
  if (!trace.on) return;
  trace.on = false;
  FILE* file = _wfopen(trace.file, L"w");
  if (!file) return;
  for (int index = 0; index < trace.count; ++index)
    std::fprintf(file, "%s %llu\n", trace.steps[index].name, trace.steps[index].time);
  std::fclose(file);
}
