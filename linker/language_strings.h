#pragma once
// Texts of the user's language library for QMLinker's questions. The library is the one
// QMSettings chose ("SelectedLangResFile"), loaded afresh for each use and freed at once.
#include <windows.h>

#include <string>

inline constexpr wchar_t kDefaultLanguageLibrary[] = L"\\Program Files\\Tessaly\\Quillmere\\LangRes\\QMEngRc.dll";

// The two strings; false, with both empty, when neither the chosen library nor the
// default one loads.
bool LanguageStrings(UINT firstId, UINT secondId, std::wstring& first, std::wstring& second);
