#pragma once
// The request record of QMLinker's protocol: exactly 1632 bytes, little-endian, sent as the
// data of WM_COPYDATA to the window of class "QM_LINKER_CLASS". A header of three numbers
// selects the operation; each command has its own part. Texts are 256 UTF-16 code units,
// NUL-terminated by a well-behaved sender (readers never rely on it).
#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/windbase.h"

enum LinkerTarget : LONG { kTargetPocketOutlook = 0, kTargetPocketInformant = 1 };
enum LinkerCommand : LONG { kOpenItem = 0, kEditItem = 1, kNewItem = 2, kHandOverItem = 3 };
enum ItemKind : LONG { kAppointment = 0, kTask = 1, kContact = 2, kNote = 3 };

// The reminder value that means no reminder, compared as a double exactly.
inline constexpr LONG kNoReminder = 949998;
inline constexpr size_t kRequestTextLength = 256;

#pragma pack(push, 1)
struct LinkerRequest {
  LONG target;   // LinkerTarget
  LONG command;  // LinkerCommand
  LONG kind;     // ItemKind
  DWORD reserved0;
  // OpenItem
  CEOID openOid;
  DWORD reserved1;
  DATE openDate;
  wchar_t notePath[kRequestTextLength];
  BYTE piViewFlag;
  BYTE reserved2[7];
  // EditItem
  CEOID editOid;
  DWORD reserved3;
  DATE editDate;
  // NewItem
  DATE newStart;
  DATE newEnd;
  LONG newReminder;  // minutes; kNoReminder for none
  wchar_t categories[kRequestTextLength];
  wchar_t extraText[kRequestTextLength];
  DWORD reserved4;
  // HandOverItem
  CEOID handOverOid;
  DWORD reserved5;
  DATE handOverDate;
};
#pragma pack(pop)

static_assert(sizeof(LinkerRequest) == 1632);
static_assert(offsetof(LinkerRequest, target) == 0);
static_assert(offsetof(LinkerRequest, command) == 4);
static_assert(offsetof(LinkerRequest, kind) == 8);
static_assert(offsetof(LinkerRequest, openOid) == 16);
static_assert(offsetof(LinkerRequest, openDate) == 24);
static_assert(offsetof(LinkerRequest, notePath) == 32);
static_assert(offsetof(LinkerRequest, piViewFlag) == 544);
static_assert(offsetof(LinkerRequest, editOid) == 552);
static_assert(offsetof(LinkerRequest, editDate) == 560);
static_assert(offsetof(LinkerRequest, newStart) == 568);
static_assert(offsetof(LinkerRequest, newEnd) == 576);
static_assert(offsetof(LinkerRequest, newReminder) == 584);
static_assert(offsetof(LinkerRequest, categories) == 588);
static_assert(offsetof(LinkerRequest, extraText) == 1100);
static_assert(offsetof(LinkerRequest, handOverOid) == 1616);
static_assert(offsetof(LinkerRequest, handOverDate) == 1624);

// A text field up to its first NUL or its 256th code unit, whichever comes first.
std::wstring RequestText(const wchar_t (&field)[kRequestTextLength]);
