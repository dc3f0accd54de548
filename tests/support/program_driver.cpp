#include "tests/support/program_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

RunningProgram::~RunningProgram() {
  if (Running()) Kill();
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
}

bool RunningProgram::Start(const wchar_t* exe, const wchar_t* arguments, const wchar_t* outputFile) {
  std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
  if (arguments && *arguments) commandLine += L" " + std::wstring(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  HANDLE output = INVALID_HANDLE_VALUE;
  if (outputFile) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    output = CreateFileW(outputFile, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return false;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back(L'\0');
  BOOL ok = CreateProcessW(exe, mutableLine.data(), nullptr, nullptr, outputFile != nullptr, 0, nullptr, L"C:\\",
                           &startup, &info_);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  return ok != FALSE;
}

bool RunningProgram::WaitExit(DWORD milliseconds, DWORD* code) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  if (code) GetExitCodeProcess(info_.hProcess, code);
  return true;
}

bool RunningProgram::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void RunningProgram::Kill() {
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
}

namespace {

struct WindowSearch {
  DWORD processId;  // 0: any process
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
  int count;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (search->processId && owner != search->processId) return TRUE;
  wchar_t name[256];
  if (!GetClassNameW(window, name, 256) || wcscmp(name, search->className) != 0) return TRUE;
  if (search->title) {
    wchar_t title[256];
    GetWindowTextW(window, title, 256);
    if (wcscmp(title, search->title) != 0) return TRUE;
  }
  ++search->count;
  if (!search->found && IsWindowVisible(window)) search->found = window;
  return TRUE;
}

WindowSearch Search(DWORD processId, const wchar_t* className, const wchar_t* title) {
  WindowSearch search{processId, className, title, nullptr, 0};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search;
}

}  // namespace

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    HWND window = Search(processId, className, title).found;
    if (window && WaitIdle(window)) return window;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

HWND WaitForAnyWindow(const wchar_t* className, DWORD milliseconds) {
  return WaitForWindow(0, className, nullptr, milliseconds);
}

int CountWindows(const wchar_t* className) { return Search(0, className, nullptr).count; }

bool WaitIdle(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(10);
  }
  return true;
}

namespace {

BOOL CALLBACK FindLongestStatic(HWND child, LPARAM lParam) {
  auto* text = reinterpret_cast<std::wstring*>(lParam);
  wchar_t name[64];
  GetClassNameW(child, name, 64);
  if (_wcsicmp(name, L"Static") != 0) return TRUE;
  wchar_t buffer[2048];
  int length = GetWindowTextW(child, buffer, 2048);
  if (length > static_cast<int>(text->size())) text->assign(buffer, static_cast<std::size_t>(length));
  return TRUE;
}

}  // namespace

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  EnumChildWindows(box, FindLongestStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

void Tap(HWND window, int x, int y) {
  LPARAM point = MAKELPARAM(x, y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
}

std::wstring ReadTextFile(const wchar_t* file) {
  HANDLE handle = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(handle, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(handle);
  // Console output of a program without a console arrives in the ANSI code page.
  int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

bool WaitForLine(const wchar_t* file, const wchar_t* line, DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    if (ReadTextFile(file).find(line) != std::wstring::npos) return true;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return false;
}

namespace {

// A block of memory in the process that owns a window, freed on scope exit.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool Valid() const { return address_ != nullptr; }
  char* Address() const { return static_cast<char*>(address_); }
  bool Write(std::size_t offset, const void* data, std::size_t size) {
    return WriteProcessMemory(process_, Address() + offset, data, size, nullptr) != FALSE;
  }
  bool Read(std::size_t offset, void* data, std::size_t size) {
    return ReadProcessMemory(process_, Address() + offset, data, size, nullptr) != FALSE;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace

int FindListItem(HWND list, const wchar_t* text) {
  std::size_t textBytes = (wcslen(text) + 1) * sizeof(wchar_t);
  RemoteBlock block(list, sizeof(LVFINDINFOW) + textBytes);
  if (!block.Valid()) return -1;
  LVFINDINFOW find{};
  find.flags = LVFI_STRING;
  find.psz = reinterpret_cast<LPCWSTR>(block.Address() + sizeof find);
  if (!block.Write(0, &find, sizeof find) || !block.Write(sizeof find, text, textBytes)) return -1;
  return static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(block.Address())));
}

RECT ListItemRect(HWND list, int index) {
  RECT rect{LVIR_BOUNDS, 0, 0, 0};
  RemoteBlock block(list, sizeof rect);
  if (!block.Valid() || !block.Write(0, &rect, sizeof rect)) return RECT{};
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block.Address()));
  block.Read(0, &rect, sizeof rect);
  return rect;
}

void TapListItem(HWND list, int index) {
  RECT rect = ListItemRect(list, index);
  Tap(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

std::wstring EnglishText(UINT id) {
  HMODULE library = LoadLibraryExW(L"C:\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll", nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[1024] = {};
  const int length = library ? LoadStringW(library, id, text, 1024) : 0;
  if (library) FreeLibrary(library);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}
