#pragma once
// Shared by the PIM store tests: volume files of their own in the temporary folder.
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/support/test_files.h"

// A path in the temporary folder with neither it nor its staged "<path>.new" present.
inline std::wstring FreshVolumePath(const wchar_t* name) {
  std::wstring path = (std::filesystem::temp_directory_path() / (std::wstring(L"pim_store_") + name + L".vol"));
  DeleteFileW(path.c_str());
  DeleteFileW((path + L".new").c_str());
  return path;
}

