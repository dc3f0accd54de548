#pragma once
// The preview fonts by font id, as the plug-in makes them: the face and ClearType of the
// font settings, and per id a font record of the store or a fixed size and weight.
#include <windows.h>

#include <span>

// The font ids of the drawing cache's 45 font slots, in slot order.
std::span<const int> PreviewFontSlotIds();

// Fills `font` with the description of the id from the store's current settings. Returns
// false for an id without a description of its own, which gets height 0 (the system's
// default size) and normal weight.
bool PreviewFontDescription(int fontId, LOGFONTW& font);
