#pragma once
// The tools library of WebIS Pocket Informant as programs call it: loaded by path at run
// time, its entry points looked up by these export names. The emulated device's stand-in is
// platform/pi_tools (PITools.dll).
#include <windows.h>

#include "platform/windbase.h"

inline constexpr char kInitPIToolsExport[] = "InitPITools";
inline constexpr char kUnInitPIToolsExport[] = "UnInitPITools";
inline constexpr char kDApptExport[] = "D_Appt";
inline constexpr char kDTaskExport[] = "D_Task";
inline constexpr char kDContactExport[] = "D_Contact";
inline constexpr char kDNoteExport[] = "D_Note";
inline constexpr char kDisplayContactExport[] = "DisplayContactWindowExtern";
inline constexpr char kCreateAlarmNoteExport[] = "CreateAlarmNoteExtern";
// PowerMacro(const wchar_t* text, long* number, HWND window) as the C++ compiler decorates
// it, with wide characters spelled as unsigned short, and as the native wchar_t.
inline constexpr char kPowerMacroExport[] = "?PowerMacro@@YAPAGPBGPAJPAUHWND__@@@Z";
inline constexpr char kPowerMacroWideExport[] = "?PowerMacro@@YAPA_WPB_WPAJPAUHWND__@@@Z";

typedef int (*InitPIToolsProc)(int reserved);
typedef int (*UnInitPIToolsProc)();
typedef int (*DApptProc)(CEOID oid, DATE date, int mode, int flag, HWND window);
typedef int (*DTaskProc)(CEOID oid, int mode, int flag, HWND window);
typedef int (*DContactProc)(CEOID oid, int mode, int flag, int reserved);
typedef int (*DisplayContactWindowExternProc)(CEOID oid, int mode, int flag);
typedef int (*DNoteProc)(const wchar_t* notePath);
typedef int (*CreateAlarmNoteExternProc)(HWND window);
// The returned text belongs to the library.
typedef const wchar_t* (*PowerMacroProc)(const wchar_t* text, long* number, HWND window);
