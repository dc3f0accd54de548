#pragma once
// Drives programs of the device from outside, as a user or the plug-in would: starts them,
// finds their windows, answers their message boxes.
#include <windows.h>

#include <functional>
#include <string>

inline constexpr wchar_t kSettingsExe[] = L"C:\\Program Files\\Tessaly\\Quillmere\\QMSettings.exe";
inline constexpr wchar_t kQmWatchExe[] = L"C:\\DeviceTools\\qmwatch.exe";

// A started process; killed on destruction if still running. Move-only.
class RunningProgram {
 public:
  RunningProgram() = default;
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  ~RunningProgram();

  // Starts exe with the command line arguments; its standard output goes to outputFile when
  // one is given.
  bool Start(const wchar_t* exe, const wchar_t* arguments, const wchar_t* outputFile = nullptr);
  // True when it ended within the time; its exit code goes to *code.
  bool WaitExit(DWORD milliseconds, DWORD* code = nullptr);
  bool Running() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// A visible top-level window of the process with that class (and title, when given), once
// it has handled its pending messages; null after the time ran out.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD milliseconds);
// The same for a window of any process.
HWND WaitForAnyWindow(const wchar_t* className, DWORD milliseconds);
// Number of top-level windows of that class.
int CountWindows(const wchar_t* className);
// Sends WM_NULL and waits for the answer. Sent messages go before posted ones, so this
// does not wait for messages posted earlier: use WaitUntil for their effects.
bool WaitIdle(HWND window);
// Polls the condition until it holds or the time runs out.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// A text of the installed English language library, as the programs show it.
std::wstring EnglishText(UINT id);

// The text of a message box (the static control beside its icon).
std::wstring MessageBoxText(HWND box);

// A tap without movement at a client point of the window: button down, then up.
void Tap(HWND window, int x, int y);

// List views of another process: the messages that carry pointers get them in that
// process's memory. The index of the item with that text, or -1; an item's rectangle.
int FindListItem(HWND list, const wchar_t* text);
RECT ListItemRect(HWND list, int index);
// A tap on a list item, as a stylus gives it.
void TapListItem(HWND list, int index);

// Waits until the file holds the line (polling), for outputs of programs such as qmwatch.
bool WaitForLine(const wchar_t* file, const wchar_t* line, DWORD milliseconds);
std::wstring ReadTextFile(const wchar_t* file);
