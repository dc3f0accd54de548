#pragma once
// QMLinker's operations through Pocket Outlook: showing, editing and creating items. Each
// does nothing without a Pocket Outlook session, and none reports anything to the sender;
// the results serve the operations that build on them.
#include <windows.h>

#include <string>

#include "linker/linker_request.h"
#include "linker/poom_session.h"

// The new part of a request, its texts read bounded.
struct NewItemFields {
  DATE start = 0;
  DATE end = 0;
  LONG reminder = kNoReminder;
  std::wstring categories;
  std::wstring extraText;
};

inline constexpr wchar_t kNoSubject[] = L"No subject";
inline constexpr wchar_t kUnnamedContact[] = L"<Unnamed>";

bool OpenAppointmentInPoom(const PoomSession& session, HWND window, CEOID oid, DATE date);
bool OpenTaskInPoom(const PoomSession& session, CEOID oid);
bool OpenContactInPoom(const PoomSession& session, CEOID oid);
bool EditAppointmentInPoom(const PoomSession& session, HWND window, CEOID oid, DATE date);
// A task or a contact, in the same editor.
bool EditItemInPoom(const PoomSession& session, HWND window, CEOID oid);

// Creates an appointment, task or contact from the new part and returns its identifier, or
// 0 when it could not be saved. With `editHere` it gets placeholder texts and opens in the
// Pocket Outlook editor, and is deleted again when the user leaves the placeholder as it was.
CEOID CreatePoomItem(const PoomSession& session, HWND window, ItemKind kind, const NewItemFields& fields,
                     bool editHere);
// Fetches the item and deletes it.
bool DeletePoomItem(const PoomSession& session, ItemKind kind, CEOID oid);
