// The emulated device's Pocket Informant tools library: every entry point journals its call
// and answers what the device's registry says, so that tests and users can play Pocket
// Informant's part. Under HKEY_CURRENT_USER\Software\DeviceTools\PITools a 32-bit value
// named after an export is what that export returns (0 when absent); the text value
// "PowerMacro" is what PowerMacro returns (its input when absent; a 32-bit "PowerMacro" of 0
// makes it return no text). The build without D_Note (PIToolsLite) lacks only that export.
#include <windows.h>

#include <string>

#include "platform/pim_journal.h"
#include "platform/pitools.h"

namespace {

constexpr wchar_t kAnswersKey[] = L"Software\\DeviceTools\\PITools";
constexpr char kLibrary[] = "PITools";

int Answer(const char* exportName) {
  wchar_t name[64];
  MultiByteToWideChar(CP_ACP, 0, exportName, -1, name, 64);
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kAnswersKey, name, RRF_RT_REG_DWORD, &type, &value, &size) != ERROR_SUCCESS)
    return 0;
  return static_cast<int>(value);
}

// The last text PowerMacro gave out, which the caller copies at once.
std::wstring g_macroResult;

// Journals the number the caller's pointer addresses.
const wchar_t* PowerMacro(const char* exportName, const wchar_t* text, long* number, HWND window) {
  JournalLine(kLibrary, exportName).Text(text).Number(number ? *number : 0).Window(window).Write();
  DWORD type = 0, size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kAnswersKey, L"PowerMacro", RRF_RT_ANY, &type, nullptr, &size) != ERROR_SUCCESS) {
    g_macroResult = text ? text : L"";
    return g_macroResult.c_str();
  }
  if (type == REG_DWORD) return nullptr;
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, kAnswersKey, L"PowerMacro", RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS)
    return nullptr;
  value.resize(value.find(L'\0'));
  g_macroResult = value;
  return g_macroResult.c_str();
}

}  // namespace

extern "C" {

int InitPITools(int reserved) {
  JournalLine(kLibrary, kInitPIToolsExport).Number(reserved).Write();
  return Answer(kInitPIToolsExport);
}

int UnInitPITools() {
  JournalLine(kLibrary, kUnInitPIToolsExport).Write();
  return Answer(kUnInitPIToolsExport);
}

int D_Appt(CEOID oid, DATE date, int mode, int flag, HWND window) {
  JournalLine(kLibrary, kDApptExport).Oid(oid).Date(date).Number(mode).Number(flag).Window(window).Write();
  return Answer(kDApptExport);
}

int D_Task(CEOID oid, int mode, int flag, HWND window) {
  JournalLine(kLibrary, kDTaskExport).Oid(oid).Number(mode).Number(flag).Window(window).Write();
  return Answer(kDTaskExport);
}

int D_Contact(CEOID oid, int mode, int flag, int reserved) {
  JournalLine(kLibrary, kDContactExport).Oid(oid).Number(mode).Number(flag).Number(reserved).Write();
  return Answer(kDContactExport);
}

int DisplayContactWindowExtern(CEOID oid, int mode, int flag) {
  JournalLine(kLibrary, kDisplayContactExport).Oid(oid).Number(mode).Number(flag).Write();
  return Answer(kDisplayContactExport);
}

#ifndef PI_TOOLS_WITHOUT_NOTE
int D_Note(const wchar_t* notePath) {
  JournalLine(kLibrary, kDNoteExport).Text(notePath).Write();
  return Answer(kDNoteExport);
}
#endif

int CreateAlarmNoteExtern(HWND window) {
  JournalLine(kLibrary, kCreateAlarmNoteExport).Window(window).Write();
  return Answer(kCreateAlarmNoteExport);
}

// The two decorated PowerMacro exports (names given in the .def files).
const wchar_t* PowerMacroUnsignedShort(const wchar_t* text, long* number, HWND window) {
  return PowerMacro(kPowerMacroExport, text, number, window);
}

const wchar_t* PowerMacroWideChar(const wchar_t* text, long* number, HWND window) {
  return PowerMacro(kPowerMacroWideExport, text, number, window);
}

}  // extern "C"
