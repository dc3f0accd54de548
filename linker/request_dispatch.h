#pragma once
// The dispatch of one request: its command, target and kind select one operation; every
// other combination does nothing. Nothing is stored or reported.
#include <windows.h>

#include "linker/linker_request.h"
#include "linker/poom_session.h"

void DispatchRequest(const LinkerRequest& request, HWND window, const PoomSession& session);

// The task dates of a new task: whole days, truncated toward zero (NoReminder survives).
DATE TruncateToDay(DATE date);
