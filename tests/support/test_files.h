#pragma once
// Files the tests make and look at.
#include <windows.h>

#include <string>
#include <string_view>

// Removes a folder (its path ending in "\") and everything below it.
void RemoveTree(const std::wstring& folder);
// Writes the bytes as the file's whole content; false on failure.
bool WriteBytes(const std::wstring& path, std::string_view bytes);
// The file's whole content; empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);
