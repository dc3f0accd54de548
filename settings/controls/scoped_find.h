#pragma once
// A FindFirstFileW search, its handle closed on scope exit.
#include <windows.h>

class ScopedFind {
 public:
  // Starts the search; `found` holds the first result when Found().
  ScopedFind(const wchar_t* pattern, WIN32_FIND_DATAW& found) : handle_(FindFirstFileW(pattern, &found)) {}
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;
  ~ScopedFind() {
    if (Found()) FindClose(handle_);
  }
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& found) const { return FindNextFileW(handle_, &found) != FALSE; }

 private:
  HANDLE handle_;
};
