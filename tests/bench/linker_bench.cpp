#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "linker/linker_request.h"
#include "tests/bench/bench.h"
#include "tests/support/program_driver.h"

namespace {

constexpr wchar_t kLinkerExe[] = L"C:\\Program Files\\Tessaly\\Quillmere\\QMLinker.exe";
constexpr wchar_t kQmSendExe[] = L"C:\\DeviceTools\\qmsend.exe";
constexpr wchar_t kJournal[] = L"C:\\pim-journal.txt";
constexpr wchar_t kEchoFile[] = L"C:\\qmsend-echo.txt";
constexpr int kSends = 100;
constexpr int kStarts = 10;

LONGLONG FileSize(const wchar_t* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
  return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

HWND WaitForClass(const wchar_t* className, double seconds) {
  const double until = BenchNow() + seconds;
  while (BenchNow() < until) {
    if (HWND window = FindWindowW(className, nullptr)) return window;
    Sleep(0);
  }
  return nullptr;
}

// Ends what an earlier run left behind.
void EndWindowOwner(const wchar_t* className) {
  while (HWND window = FindWindowW(className, nullptr)) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

// Milliseconds from each send until the file it makes grow has grown, `kSends` times.
std::vector<double> SendTimes(HWND window, const wchar_t* file) {
  LinkerRequest request{};
  request.command = kOpenItem;
  request.kind = kTask;
  request.openOid = 1;  // no such item: one journal line
  std::vector<double> times;
  for (int i = 0; i < kSends; ++i) {
    const LONGLONG before = FileSize(file);
    COPYDATASTRUCT copy{0, sizeof request, &request};
    const double start = BenchNow();
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    while (FileSize(file) == before && BenchNow() - start < 5.0) Sleep(0);
    times.push_back((BenchNow() - start) * 1000.0);
    WaitIdle(window);
  }
  return times;
}

void PrintTimes(const char* what, std::vector<double> times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  const double p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
  std::printf("%s: median %.2f ms, 95th percentile %.2f ms (%zu runs)\n", what, median, p95, times.size());
}

}  // namespace

// A request from send to its first journal line, beside the same send to a minimal window
// of another process that does only the reception (copy, 1 ms timer, one appended line);
// and QMLinker's start to its window existing.
QM_BENCH(LinkerRequestLatency) {
  EndWindowOwner(L"QM_LINKER_CLASS");
  EndWindowOwner(L"QM_SEND_ECHO");

  std::vector<double> starts;
  for (int i = 0; i < kStarts; ++i) {
    RunningProgram linker;
    const double start = BenchNow();
    if (!linker.Start(kLinkerExe, L"")) break;
    HWND window = WaitForClass(L"QM_LINKER_CLASS", 20.0);
    if (!window) break;
    starts.push_back((BenchNow() - start) * 1000.0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    linker.WaitExit(5000);
  }

  RunningProgram linker;
  RunningProgram echo;
  DeleteFileW(kEchoFile);
  if (!linker.Start(kLinkerExe, L"") || !echo.Start(kQmSendExe, (std::wstring(L"--echo-window ") + kEchoFile).c_str())) {
    std::printf("QMLinker or the echo window did not start\n");
    return;
  }
  HWND linkerWindow = WaitForClass(L"QM_LINKER_CLASS", 20.0);
  HWND echoWindow = WaitForClass(L"QM_SEND_ECHO", 20.0);
  if (!linkerWindow || !echoWindow) {
    std::printf("no QMLinker or echo window\n");
    return;
  }
  WaitIdle(linkerWindow);
  PrintTimes("send to first journal line (QMLinker)", SendTimes(linkerWindow, kJournal));
  PrintTimes("send to appended line (minimal window, the floor)", SendTimes(echoWindow, kEchoFile));
  PrintTimes("QMLinker start to its window existing", starts);
  PostMessageW(linkerWindow, WM_CLOSE, 0, 0);
  PostMessageW(echoWindow, WM_CLOSE, 0, 0);
  linker.WaitExit(5000);
  echo.WaitExit(5000);
  DeleteFileW(kEchoFile);
}
