#pragma once
// QMLinker driven from outside as the plug-in drives it: started in the device, sent real
// WM_COPYDATA from this process, its dialogs answered, and the device's call journal and
// PIM volume read afterwards. Each test starts from no QMLinker, an empty journal, no items
// (the categories stay), no Pocket Informant and the English language library.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "linker/linker_request.h"
#include "platform/pim_volume.h"
#include "tests/support/program_driver.h"

inline constexpr wchar_t kLinkerExe[] = L"C:\\Program Files\\Tessaly\\Quillmere\\QMLinker.exe";
inline constexpr wchar_t kPimToolExe[] = L"C:\\DeviceTools\\pimtool.exe";
inline constexpr wchar_t kFullPiTools[] = L"C:\\DeviceTools\\PITools\\PITools.dll";
inline constexpr wchar_t kLitePiTools[] = L"C:\\DeviceTools\\PITools\\PIToolsLite.dll";
inline constexpr DWORD kWait = 15000;

// A local date and time as an OLE automation date.
DATE At(int year, int month, int day, int hour = 0, int minute = 0);

// A request of the given header, every other field 0 but the reminder (none).
LinkerRequest Request(LONG command, LONG target, LONG kind);

class LinkerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts QMLinker and waits until its window exists and its session has logged on; the
  // journal is then emptied again.
  HWND StartLinker();
  LRESULT Send(const LinkerRequest& request) { return SendBytes(&request, sizeof request); }
  LRESULT SendBytes(const void* data, DWORD size);
  // Waits until QMLinker has run what it was sent and is idle (no modal window up).
  void Settle();

  std::vector<std::string> Journal() const;
  void ClearJournal();
  // Waits for a journal line; the journal so far is in `journal` either way.
  bool WaitForJournalLine(const std::string& line, DWORD milliseconds = kWait);
  // The journal lines from the first that equals `first`.
  std::vector<std::string> JournalFrom(const std::string& first) const;

  // Visible top-level windows of QMLinker with that class, topmost first.
  std::vector<HWND> LinkerWindows(const wchar_t* className) const;
  HWND WaitForLinkerWindow(const wchar_t* className, size_t count = 1);
  // Waits until QMLinker shows no window of that class.
  bool WaitWindowsGone(const wchar_t* className);

  // Items written straight into the volume.
  CEOID AddAppointment(const wchar_t* subject, DATE start, DATE end, int dailyOccurrences = 0);
  CEOID AddTask(const wchar_t* subject, DATE due);
  CEOID AddContact(const wchar_t* fileAs);
  // The item's record in the volume; false when it is gone.
  bool FindItem(CEOID oid, PimRecord& out) const;
  // Items of a database ("Appointments Database", ...).
  std::vector<PimRecord> Items(const wchar_t* database) const;

  // Pocket Informant's registry: the library at `path` (null: none) and its version (0:
  // none); the stand-in's answers.
  void InstallPocketInformant(const wchar_t* path, DWORD version = 0);
  void SetPiAnswer(const wchar_t* exportName, DWORD value);
  void SetPowerMacroText(const wchar_t* text);

  RunningProgram linker_;
  HWND window_ = nullptr;
};

std::string Utf8(const std::wstring& text);
// A text of a window of another process (WM_GETTEXT).
std::wstring ControlText(HWND control);
// The first child of that class, or null.
HWND FirstChild(HWND parent, const wchar_t* className);
// Whether any control of the window shows the text.
bool ShowsText(HWND window, const std::wstring& text);
