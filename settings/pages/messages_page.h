#pragma once
// The Messages page: what the D-pad and a tap do in the plug-in's messages tab and the
// preview of a message, then line breaking, counters and fold buttons, on two tabs.
#include <windows.h>

#include "settings/toolkit/row_table_page.h"

inline constexpr wchar_t kMessagesPageClass[] = L"MessagesSettingsWin";

class MessagesPage : public RowTablePage {
 public:
  MessagesPage();
};
