#pragma once
// QMLinker's operations through Pocket Informant. Each loads Pocket Informant's tools
// library for itself and frees it before it returns; without the library, or without the
// entry point it needs, an operation calls nothing and fails. Items for Pocket Informant
// are created through Pocket Outlook and then opened in Pocket Informant's editor.
#include <windows.h>

#include <string>

#include "linker/linker_request.h"
#include "linker/poom_operations.h"
#include "linker/poom_session.h"

bool OpenAppointmentInPi(CEOID oid, DATE date, bool viewFlag);
bool OpenTaskInPi(CEOID oid, bool viewFlag);
bool OpenContactInPi(CEOID oid);
// Through the shell's "OpenDoc" when Pocket Informant cannot open it.
bool OpenNoteInPi(HWND window, const std::wstring& notePath);
// Appointments are opened at `date`.
bool EditInPi(ItemKind kind, CEOID oid, DATE date);
bool NewAlarmNoteInPi(HWND window);
// Creates the item through Pocket Outlook without placeholders, opens it in Pocket
// Informant's editor, and deletes it again when that fails.
bool CreateAndEditInPi(const PoomSession& session, HWND window, ItemKind kind, const NewItemFields& fields);
// A new appointment or task of the sender's: its subject run through PowerMacro, then the
// item opened in Pocket Informant's editor, and deleted when that fails.
bool HandOverToPi(const PoomSession& session, ItemKind kind, CEOID oid, DATE date);
