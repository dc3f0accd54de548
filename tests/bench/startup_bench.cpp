#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/bench/bench.h"
#include "tests/support/program_driver.h"

namespace {

constexpr wchar_t kFloorExe[] = L"C:\\DeviceTools\\qmfloor.exe";
constexpr int kRounds = 9;

// Milliseconds from CreateProcess until the program's window exists and its thread waits
// for input with nothing left to do (so its first paint is done), or a negative number.
// The system time in 100-ns units, as the traced program records it.
ULONGLONG SystemTimeNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

ULONGLONG g_startedAt = 0;

double StartToIdle(const wchar_t* exe, const wchar_t* windowClass, const wchar_t* arguments = nullptr) {
  std::wstring commandLine = std::wstring(L"\"") + exe + L"\"";
  if (arguments) commandLine += std::wstring(L" ") + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = BenchNow();
  g_startedAt = SystemTimeNow();
  if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  double elapsed = -1;
  HWND window = nullptr;
  while (BenchNow() - start < 20.0) {
    if (WaitForInputIdle(process.hProcess, 20000) != 0) break;
    window = FindWindowW(windowClass, nullptr);
    if (window && WaitIdle(window)) {
      elapsed = (BenchNow() - start) * 1000.0;
      break;
    }
    Sleep(0);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

constexpr wchar_t kTraceFile[] = L"C:\\qm-startup-trace.txt";

// The steps the program traced, by name in their order, with each run's times.
void AddTrace(std::vector<std::pair<std::string, std::vector<double>>>& steps) {
  FILE* file = _wfopen(kTraceFile, L"r");
  if (!file) return;
  char name[64];
  unsigned long long time = 0;
  for (std::size_t index = 0; std::fscanf(file, " %63[^0-9] %llu", name, &time) == 2; ++index) {
    std::string step(name);
    while (!step.empty() && step.back() == ' ') step.pop_back();
    if (index == steps.size()) steps.push_back({step, {}});
    if (steps[index].first == step) steps[index].second.push_back(static_cast<double>(time - g_startedAt) / 10000.0);
  }
  std::fclose(file);
  DeleteFileW(kTraceFile);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

// QMSettings from process start to its idle, painted main list, beside the smallest program
// that shows and paints one window, started alternately in the same device.
QM_BENCH(StartupAgainstTheFloor) {
  std::vector<double> product;
  std::vector<double> floor;
  StartToIdle(kFloorExe, L"QM_FLOOR");  // the first start of any program loads the server's caches
  StartToIdle(kSettingsExe, L"QM_OPTIONS");
  for (int round = 0; round < kRounds; ++round) {
    const double floorTime = StartToIdle(kFloorExe, L"QM_FLOOR");
    const double productTime = StartToIdle(kSettingsExe, L"QM_OPTIONS");
    if (floorTime < 0 || productTime < 0) {
      std::printf("start-up: a program did not come up\n");
      return;
    }
    floor.push_back(floorTime);
    product.push_back(productTime);
  }
  // Where QMSettings' time goes: its own timestamps, since CreateProcess was called.
  std::vector<std::pair<std::string, std::vector<double>>> steps;
  const std::wstring traceSwitch = std::wstring(L"/trace ") + kTraceFile;
  for (int round = 0; round < kRounds; ++round) {
    StartToIdle(kSettingsExe, L"QM_OPTIONS", traceSwitch.c_str());
    AddTrace(steps);
  }
  for (const auto& [step, times] : steps) std::printf("  %-20s %7.1f ms\n", step.c_str(), Median(times));

  const double productMedian = Median(product);
  const double floorMedian = Median(floor);
  std::printf("start to idle painted window (median of %d): QMSettings %.1f ms, floor %.1f ms, %.2fx\n", kRounds,
              productMedian, floorMedian, floorMedian > 0 ? productMedian / floorMedian : 0.0);
}
