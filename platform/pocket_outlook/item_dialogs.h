#pragma once
// The item windows of the Pocket Outlook stand-in, shaped as the device's: full-screen
// modal dialogs of the CE dialog class "Dialog" owned by the caller's window. Requests that
// arrive while one is open run inside its modal loop, so a second one may open over it.
#include <windows.h>

#include "platform/pocket_outlook/item_state.h"

// The editor. Its first edit control holds the subject (a contact's FileAs); OK saves what
// was typed, Cancel closes without saving. S_OK once closed, whichever way, unless saving
// failed.
HRESULT RunItemEditor(HWND owner, ItemState& item);
// The viewer: the item's subject, dates and categories, closed by OK.
HRESULT RunItemViewer(HWND owner, const ItemState& item);
