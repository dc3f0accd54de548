// qmwatch: stands in for the Today-screen plug-in. It listens for the broadcast that tells
// the plug-in to reload and prints, on each one, the time and the product's registry tree.
//   qmwatch [--count N] [--timeout SECONDS]
// It prints "listening" once its window exists; with --count it exits after N broadcasts,
// with --timeout after that many seconds (exit code 1 when fewer than N arrived); WM_CLOSE
// to its window (class "QMWatch") ends it after the broadcasts already queued.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kProductKey[] = L"Software\\Tessaly\\Quillmere";
constexpr UINT_PTR kTimeoutTimer = 1;

UINT g_settingsChanged = 0;
int g_received = 0;
int g_wanted = 0;

void PrintValue(const wchar_t* name, DWORD type, const BYTE* data, DWORD size) {
  std::wprintf(L"\"%ls\"=", name);
  if (type == REG_DWORD && size == 4) {
    DWORD number;
    memcpy(&number, data, 4);
    std::wprintf(L"dword:%08lx\n", static_cast<unsigned long>(number));
  } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
    // Printed up to the first null or the end of the data, whichever comes first.
    std::wstring text(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    std::wprintf(L"\"%ls\"\n", text.c_str());
  } else {
    std::wprintf(L"hex(%lx):", static_cast<unsigned long>(type));
    for (DWORD i = 0; i < size; ++i) std::wprintf(i ? L",%02x" : L"%02x", data[i]);
    std::wprintf(L"\n");
  }
}

void PrintTree(HKEY root, const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::wprintf(L"[HKEY_CURRENT_USER\\%ls]\n", path.c_str());
  wchar_t name[16384];
  std::vector<BYTE> data(65536);
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 16384, type = 0, size = static_cast<DWORD>(data.size());
    LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &size);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) PrintValue(name, type, data.data(), size);
  }
  std::vector<std::wstring> children;
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.push_back(path + L"\\" + name);
  }
  RegCloseKey(key);
  for (const std::wstring& child : children) PrintTree(root, child);
}

void OnBroadcast() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::wprintf(L"%04u-%02u-%02u %02u:%02u:%02u.%03u TessalyQuillmereSettingsChanged\n", now.wYear, now.wMonth,
               now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  PrintTree(HKEY_CURRENT_USER, kProductKey);
  std::wprintf(L"\n");
  std::fflush(stdout);
  ++g_received;
  if (g_wanted > 0 && g_received >= g_wanted) PostQuitMessage(0);
}

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_settingsChanged && g_settingsChanged != 0) {
    OnBroadcast();
    return 0;
  }
  if (message == WM_CLOSE) {  // a caller is done listening; what came before is printed
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_TIMER && wParam == kTimeoutTimer) {
    PostQuitMessage(g_wanted > 0 && g_received < g_wanted ? 1 : 0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int timeoutSeconds = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (wcscmp(argv[i], L"--count") == 0) g_wanted = _wtoi(argv[i + 1]);
    else if (wcscmp(argv[i], L"--timeout") == 0) timeoutSeconds = _wtoi(argv[i + 1]);
  }
  g_settingsChanged = RegisterWindowMessageW(L"TessalyQuillmereSettingsChanged");
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WatchProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QMWatch";
  RegisterClassW(&windowClass);
  // A hidden top-level window: broadcasts reach top-level windows only.
  HWND window = CreateWindowExW(0, L"QMWatch", L"qmwatch", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window || !g_settingsChanged) return 2;
  if (timeoutSeconds > 0) SetTimer(window, kTimeoutTimer, static_cast<UINT>(timeoutSeconds) * 1000, nullptr);
  std::wprintf(L"listening\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window);
  return static_cast<int>(message.wParam);
}
