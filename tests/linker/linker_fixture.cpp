#include "tests/linker/linker_fixture.h"

#include <oleauto.h>

#include <algorithm>
#include <cstdio>

#include "platform/pim_items.h"
#include "platform/pimstore.h"
#include "tests/support/registry_probe.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr wchar_t kJournalFile[] = L"C:\\pim-journal.txt";
constexpr wchar_t kPiKey[] = L"Software\\WebIS\\PocketInformant";
constexpr wchar_t kAnswersKey[] = L"Software\\DeviceTools\\PITools";

LONGLONG FileTimeOf(DATE date) {
  SYSTEMTIME time{};
  VariantTimeToSystemTime(date, &time);
  FILETIME fileTime{};
  SystemTimeToFileTime(&time, &fileTime);
  return (static_cast<LONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

// Ends every QMLinker of the device, a leftover of an earlier test included.
void EndRunningLinkers() {
  for (int round = 0; round < 50; ++round) {
    HWND window = FindWindowW(L"QM_LINKER_CLASS", nullptr);
    if (!window) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
      TerminateProcess(process, 99);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    Sleep(20);
  }
}

CEOID AddRecord(const wchar_t* database, const PimRecord& values) {
  PimVolumeWriter writer;
  if (!writer.Open()) return 0;
  PimRecord& record = writer.Volume().AddRecord(writer.Volume().FindOrCreateDatabase(database));
  record.properties = values.properties;
  const CEOID oid = record.oid;
  return writer.Commit() ? oid : 0;
}

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[256];
  if (owner == query->processId && IsWindowVisible(window) && GetClassNameW(window, name, 256) &&
      wcscmp(name, query->className) == 0)
    query->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK FindStaticText(HWND child, LPARAM lParam) {
  auto* wanted = reinterpret_cast<std::pair<const std::wstring*, bool>*>(lParam);
  if (ControlText(child).find(*wanted->first) != std::wstring::npos) wanted->second = true;
  return TRUE;
}

}  // namespace

DATE At(int year, int month, int day, int hour, int minute) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  DATE date = 0;
  SystemTimeToVariantTime(&time, &date);
  return date;
}

LinkerRequest Request(LONG command, LONG target, LONG kind) {
  LinkerRequest request{};
  request.command = command;
  request.target = target;
  request.kind = kind;
  request.newReminder = kNoReminder;
  return request;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring ControlText(HWND control) {
  wchar_t text[1024] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
  return std::wstring(text, std::min<size_t>(length, 1023));
}

HWND FirstChild(HWND parent, const wchar_t* className) { return FindWindowExW(parent, nullptr, className, nullptr); }

bool ShowsText(HWND window, const std::wstring& text) {
  std::pair<const std::wstring*, bool> wanted{&text, false};
  EnumChildWindows(window, FindStaticText, reinterpret_cast<LPARAM>(&wanted));
  return wanted.second;
}

void LinkerTest::SetUp() {
  EndRunningLinkers();
  DeleteFileW(kJournalFile);
  ResetProductRegistry();
  DeleteKeyTree(HKEY_CURRENT_USER, kAnswersKey);
  PimVolumeWriter writer;
  ASSERT_TRUE(writer.Open());
  auto& databases = writer.Volume().databases;
  databases.erase(std::remove_if(databases.begin(), databases.end(),
                                 [](const PimDatabase& database) {
                                   PimItemKind kind;
                                   return PimKindOfDatabase(database.name.c_str(), kind);
                                 }),
                  databases.end());
  ASSERT_TRUE(writer.Commit());
}

void LinkerTest::TearDown() {
  if (window_ && linker_.Running()) PostMessageW(window_, WM_CLOSE, 0, 0);
  linker_.WaitExit(5000);
  EndRunningLinkers();
}

HWND LinkerTest::StartLinker() {
  if (!linker_.Start(kLinkerExe, L"")) {
    ADD_FAILURE() << "QMLinker did not start: " << GetLastError();
    return nullptr;
  }
  if (!WaitUntil([&] { return (window_ = FindWindowW(L"QM_LINKER_CLASS", L"")) != nullptr; }, kWait)) {
    DWORD code = 0;
    ADD_FAILURE() << "no QMLinker window; exited: " << linker_.WaitExit(0, &code) << " with " << code;
    return nullptr;
  }
  if (!WaitForJournalLine("IPOutlookApp.Logon(hwnd)")) {
    ADD_FAILURE() << "QMLinker did not log on to Pocket Outlook";
    return nullptr;
  }
  ClearJournal();
  return window_;
}

LRESULT LinkerTest::SendBytes(const void* data, DWORD size) {
  COPYDATASTRUCT copy{7, size, const_cast<void*>(data)};
  return SendMessageW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

void LinkerTest::Settle() {
  // The request runs on a 1 ms timer once QMLinker is back in its loop: two rounds of
  // "idle, then a moment" see it through.
  for (int round = 0; round < 3; ++round) {
    Sleep(40);
    WaitIdle(window_);
  }
}

std::vector<std::string> LinkerTest::Journal() const {
  std::vector<std::string> lines;
  HANDLE file = CreateFileW(kJournalFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  size_t start = 0;
  for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

void LinkerTest::ClearJournal() { DeleteFileW(kJournalFile); }

bool LinkerTest::WaitForJournalLine(const std::string& line, DWORD milliseconds) {
  return WaitUntil(
      [&] {
        const auto lines = Journal();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
      },
      milliseconds);
}

std::vector<std::string> LinkerTest::JournalFrom(const std::string& first) const {
  const auto lines = Journal();
  auto at = std::find(lines.begin(), lines.end(), first);
  return std::vector<std::string>(at, lines.end());
}

std::vector<HWND> LinkerTest::LinkerWindows(const wchar_t* className) const {
  WindowQuery query{linker_.Id(), className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND LinkerTest::WaitForLinkerWindow(const wchar_t* className, size_t count) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const auto windows = LinkerWindows(className);
        found = windows.size() >= count ? windows.front() : nullptr;
        return found && WaitIdle(found);
      },
      kWait);
  return found;
}

bool LinkerTest::WaitWindowsGone(const wchar_t* className) {
  return WaitUntil([&] { return LinkerWindows(className).empty(); }, kWait);
}

CEOID LinkerTest::AddAppointment(const wchar_t* subject, DATE start, DATE end, int dailyOccurrences) {
  PimRecord values;
  values.SetText(PIMPR_SUBJECT, subject);
  values.SetNumber(PIMPR_START, FileTimeOf(start));
  values.SetNumber(PIMPR_END, FileTimeOf(end));
  if (dailyOccurrences > 0) {
    values.SetNumber(PIMPR_IS_RECURRING, 1);
    values.SetNumber(PIMPR_RECURRING_TYPE, olRecursDaily);
    values.SetNumber(PIMPR_RECURRING_OCCURRENCES, dailyOccurrences);
  }
  return AddRecord(kAppointmentsDatabase, values);
}

CEOID LinkerTest::AddTask(const wchar_t* subject, DATE due) {
  PimRecord values;
  values.SetText(PIMPR_SUBJECT, subject);
  values.SetNumber(PIMPR_DUE_DATE, FileTimeOf(due));
  return AddRecord(kTasksDatabase, values);
}

CEOID LinkerTest::AddContact(const wchar_t* fileAs) {
  PimRecord values;
  values.SetText(PIMPR_FILEAS, fileAs);
  return AddRecord(kContactsDatabase, values);
}

bool LinkerTest::FindItem(CEOID oid, PimRecord& out) const {
  PimVolume volume;
  if (!ReadPimVolume(PimVolume::kDevicePath, volume)) return false;
  const PimRecord* record = volume.FindRecord(oid);
  if (record) out = *record;
  return record != nullptr;
}

std::vector<PimRecord> LinkerTest::Items(const wchar_t* database) const {
  PimVolume volume;
  ReadPimVolume(PimVolume::kDevicePath, volume);
  const PimDatabase* found = volume.FindDatabase(database);
  return found ? found->records : std::vector<PimRecord>();
}

void LinkerTest::InstallPocketInformant(const wchar_t* path, DWORD version) {
  DeleteKeyTree(HKEY_CURRENT_USER, kPiKey);
  if (path) WriteString(HKEY_CURRENT_USER, kPiKey, L"PIToolsLoc", path);
  if (version) WriteDword(HKEY_CURRENT_USER, kPiKey, L"version", version);
}

void LinkerTest::SetPiAnswer(const wchar_t* exportName, DWORD value) {
  WriteDword(HKEY_CURRENT_USER, kAnswersKey, exportName, value);
}

void LinkerTest::SetPowerMacroText(const wchar_t* text) {
  WriteString(HKEY_CURRENT_USER, kAnswersKey, L"PowerMacro", text);
}
