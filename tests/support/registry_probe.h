#pragma once
// Reading and seeding registry values in tests.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name);
std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name);
// The registry type of a value, or none when it is absent.
std::optional<DWORD> ValueType(HKEY root, const wchar_t* path, const wchar_t* name);
bool KeyExists(HKEY root, const wchar_t* path);
// Names of the values of a key (empty when the key is absent).
std::vector<std::wstring> ValueNames(HKEY root, const wchar_t* path);
bool WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
bool WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text);
// Every key, value (name, type, bytes) and sub-key below root\path as text, in enumeration
// order: equal dumps mean equal trees. A missing key dumps as "(missing)".
std::wstring DumpRegistryTree(HKEY root, const wchar_t* path);
