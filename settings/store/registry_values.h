#pragma once
// The registry primitives under every setting record. Each works on a key the caller has
// open; none opens or closes keys. The registry holds only values that differ from their
// defaults, so the writers delete a value that equals its default.
#include <windows.h>

#include "settings/base/wide_string.h"

// The value's bytes as a little-endian number (a shorter value leaves the high bytes 0),
// or `fallback` when the query fails, the value is longer than four bytes or there is no
// key. The registry type is not examined.
DWORD ReadDwordValue(const wchar_t* name, DWORD fallback, HKEY key);

// Reads a text: up to its first null or the end of its data, whichever comes first (a
// trailing odd byte is dropped). Returns true when the value exists and was read; false
// with `out` set to `fallback` otherwise. `out` may be null to ask only whether the value
// exists and can be read. The registry type is not examined.
bool ReadStringValue(const wchar_t* name, WideString* out, const wchar_t* fallback, HKEY key);

// Deletes the value when `value` equals `fallback`, else writes it as REG_DWORD. The
// registry's answer is not reported: always true.
bool WriteDwordValue(HKEY key, const wchar_t* name, DWORD value, DWORD fallback);

// Deletes the value when `text` equals `fallback` (exact, case-sensitive), else writes it
// as REG_SZ with its terminating null. Returns the registry call's result.
LONG WriteStringValue(HKEY key, const wchar_t* name, const wchar_t* text, const wchar_t* fallback);

// The key, or null when it holds no values: every read of it would give its fallback, and
// the readers give that for a null key without a registry call each.
HKEY KeyWithValues(HKEY key);

// RegFlushKey, then RegCloseKey.
void CloseFlushed(HKEY key);
