#pragma once
// Shared by the PIM store tests: volume files of their own in the temporary folder.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A path in the temporary folder with neither it nor its staged "<path>.new" present.
inline std::wstring FreshVolumePath(const wchar_t* name) {
  std::wstring path = (std::filesystem::temp_directory_path() / (std::wstring(L"pim_store_") + name + L".vol"));
  DeleteFileW(path.c_str());
  DeleteFileW((path + L".new").c_str());
  return path;
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
