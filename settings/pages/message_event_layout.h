#pragma once
// What the Messages and Special events pages share: the layout tab of an item list in the
// plug-in (the separator between items, counters, fold buttons) and the general caption.
#include <windows.h>

inline constexpr UINT kGeneralTabCaption = 635;
inline constexpr UINT kLayoutTabCaption = 1062;
inline constexpr UINT kSeparatorTextId = 1068;
inline constexpr UINT kSeparatorChoices[] = {109, 110, 111, 1233};
inline constexpr UINT kCountersTextId = 1254;
inline constexpr UINT kFoldButtonsTextId = 1069;
