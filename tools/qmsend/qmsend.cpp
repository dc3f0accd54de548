// qmsend: sends QMLinker a request, as the Today plug-in does, for scripts and people.
//   qmsend [--target poom|pi|N] [--command open|edit|new|handover|N]
//          [--kind appointment|task|contact|note|N] [--oid N] [--date DATE] [--view]
//          [--note PATH] [--start DATE] [--end DATE] [--reminder MINUTES|none]
//          [--categories TEXT] [--extra TEXT]
//          [--open-oid N] [--open-date DATE] [--edit-oid N] [--edit-date DATE]
//          [--handover-oid N] [--handover-date DATE] [--class NAME]
//   qmsend --raw FILE [--class NAME]      sends the file's bytes as they are, any length
//   qmsend --echo-window FILE             a minimal window of class QM_SEND_ECHO that takes
//                                         requests as QMLinker does and appends a line to
//                                         FILE for each (a floor for timings); ends on WM_CLOSE
// --oid and --date fill the part of the chosen command. DATE is yyyy-mm-ddThh:mm, "none"
// (949998, the "not set" date) or a plain number. Fields not given are 0, but the reminder,
// which is "none". Texts longer than 255 units fill all 256 without a terminator.
// Prints whether a window took the request: exit 0 when one did, 1 when there was none,
// 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "linker/linker_request.h"
#include "platform/pim_dates.h"

namespace {

constexpr wchar_t kEchoClass[] = L"QM_SEND_ECHO";

int Usage() {
  fwprintf(stderr,
           L"usage: qmsend [--target poom|pi|N] [--command open|edit|new|handover|N]\n"
           L"              [--kind appointment|task|contact|note|N] [--oid N] [--date DATE] [--view]\n"
           L"              [--note PATH] [--start DATE] [--end DATE] [--reminder MINUTES|none]\n"
           L"              [--categories TEXT] [--extra TEXT] [--open-oid N] [--open-date DATE]\n"
           L"              [--edit-oid N] [--edit-date DATE] [--handover-oid N] [--handover-date DATE]\n"
           L"              [--class NAME]\n"
           L"       qmsend --raw FILE [--class NAME]\n"
           L"       qmsend --echo-window FILE\n"
           L"DATE: yyyy-mm-ddThh:mm, none, or a number\n");
  return 2;
}

bool ParseWhole(const wchar_t* text, long long& value) {
  wchar_t* end = nullptr;
  value = std::wcstoll(text, &end, 0);
  return *text && end && *end == L'\0';
}

// A word from the list (its index), or a number.
bool ParseChoice(const wchar_t* text, std::initializer_list<const wchar_t*> words, LONG& out) {
  LONG index = 0;
  for (const wchar_t* word : words) {
    if (wcscmp(text, word) == 0) {
      out = index;
      return true;
    }
    ++index;
  }
  long long number = 0;
  if (!ParseWhole(text, number)) return false;
  out = static_cast<LONG>(number);
  return true;
}

bool ParseDateArgument(const wchar_t* text, DATE& out) {
  if (wcscmp(text, L"none") == 0) {
    out = kNoReminder;
    return true;
  }
  if (ParseDate(text, out)) return true;
  wchar_t* end = nullptr;
  out = std::wcstod(text, &end);
  return *text && end && *end == L'\0';
}

bool ParseOid(const wchar_t* text, CEOID& out) {
  long long number = 0;
  if (!ParseWhole(text, number)) return false;
  out = static_cast<CEOID>(number);
  return true;
}

void CopyText(wchar_t (&field)[kRequestTextLength], const wchar_t* text) {
  std::memset(field, 0, sizeof field);
  const size_t length = wcsnlen(text, kRequestTextLength);
  std::memcpy(field, text, length * sizeof(wchar_t));
}

bool ReadFileBytes(const wchar_t* path, std::vector<BYTE>& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BYTE chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.insert(bytes.end(), chunk, chunk + read);
  CloseHandle(file);
  return true;
}

int Send(const wchar_t* className, const void* data, DWORD size) {
  HWND window = FindWindowW(className, nullptr);
  if (!window) {
    wprintf(L"no window of class %ls\n", className);
    return 1;
  }
  COPYDATASTRUCT copy{0, size, size ? const_cast<void*>(data) : nullptr};
  DWORD_PTR reply = 0;
  if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG, 10000, &reply)) {
    wprintf(L"the window of class %ls did not answer\n", className);
    return 1;
  }
  wprintf(L"sent %lu bytes to the window of class %ls\n", static_cast<unsigned long>(size), className);
  return 0;
}

// ---- The echo window: QMLinker's reception with nothing behind it.

std::wstring g_echoFile;

LRESULT CALLBACK EchoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA:
      SetTimer(window, 100, 1, nullptr);
      return 0;
    case WM_TIMER: {
      KillTimer(window, 100);
      HANDLE file = CreateFileW(g_echoFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "request\n", 8, &written, nullptr);
        CloseHandle(file);
      }
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunEchoWindow(const wchar_t* file) {
  g_echoFile = file;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = EchoProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kEchoClass;
  if (!RegisterClassW(&windowClass)) return 1;
  if (!CreateWindowExW(0, kEchoClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, nullptr)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && wcscmp(argv[1], L"--echo-window") == 0) return RunEchoWindow(argv[2]);

  LinkerRequest request{};
  request.newReminder = kNoReminder;
  const wchar_t* className = L"QM_LINKER_CLASS";
  const wchar_t* rawFile = nullptr;
  const wchar_t* oid = nullptr;
  const wchar_t* date = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::wstring option = argv[i];
    if (option == L"--view") {
      request.piViewFlag = 1;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const wchar_t* value = argv[++i];
    bool ok = true;
    if (option == L"--target") ok = ParseChoice(value, {L"poom", L"pi"}, request.target);
    else if (option == L"--command") ok = ParseChoice(value, {L"open", L"edit", L"new", L"handover"}, request.command);
    else if (option == L"--kind") ok = ParseChoice(value, {L"appointment", L"task", L"contact", L"note"}, request.kind);
    else if (option == L"--oid") oid = value;
    else if (option == L"--date") date = value;
    else if (option == L"--open-oid") ok = ParseOid(value, request.openOid);
    else if (option == L"--open-date") ok = ParseDateArgument(value, request.openDate);
    else if (option == L"--edit-oid") ok = ParseOid(value, request.editOid);
    else if (option == L"--edit-date") ok = ParseDateArgument(value, request.editDate);
    else if (option == L"--handover-oid") ok = ParseOid(value, request.handOverOid);
    else if (option == L"--handover-date") ok = ParseDateArgument(value, request.handOverDate);
    else if (option == L"--start") ok = ParseDateArgument(value, request.newStart);
    else if (option == L"--end") ok = ParseDateArgument(value, request.newEnd);
    else if (option == L"--reminder") {
      long long minutes = kNoReminder;
      ok = wcscmp(value, L"none") == 0 || ParseWhole(value, minutes);
      request.newReminder = static_cast<LONG>(minutes);
    } else if (option == L"--categories") CopyText(request.categories, value);
    else if (option == L"--extra") CopyText(request.extraText, value);
    else if (option == L"--note") CopyText(request.notePath, value);
    else if (option == L"--class") className = value;
    else if (option == L"--raw") rawFile = value;
    else return Usage();
    if (!ok) {
      fwprintf(stderr, L"qmsend: %ls does not take \"%ls\"\n", option.c_str(), value);
      return Usage();
    }
  }

  if (rawFile) {
    std::vector<BYTE> bytes;
    if (!ReadFileBytes(rawFile, bytes)) {
      fwprintf(stderr, L"qmsend: cannot read %ls\n", rawFile);
      return 2;
    }
    return Send(className, bytes.data(), static_cast<DWORD>(bytes.size()));
  }

  CEOID* oidField = request.command == kEditItem ? &request.editOid
                    : request.command == kHandOverItem ? &request.handOverOid : &request.openOid;
  DATE* dateField = request.command == kEditItem ? &request.editDate
                    : request.command == kHandOverItem ? &request.handOverDate : &request.openDate;
  if ((oid && !ParseOid(oid, *oidField)) || (date && !ParseDateArgument(date, *dateField))) return Usage();
  return Send(className, &request, sizeof request);
}
