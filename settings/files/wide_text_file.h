#pragma once
// The settings text files on disk: UTF-16 little-endian without byte-order mark, the way the
// device runtime's wide streams store them, so that files move between devices unchanged.
#include <windows.h>

#include <string>
#include <string_view>

// The whole file's bytes. False when the file cannot be opened or read, or is far too large
// for a settings file.
bool ReadFileBytes(const wchar_t* path, std::string& bytes);

// The whole file as UTF-16 code units (a trailing odd byte is dropped). False when the file
// cannot be opened or read.
bool ReadWideTextFile(const wchar_t* path, std::wstring& text);

// Writes the text as the file's whole content. It goes to a new file beside the target
// first, which then replaces the target, so a write that fails part-way leaves an existing
// file as it was. False on any failure.
bool WriteWideTextFile(const wchar_t* path, std::wstring_view text);

// The lines of a text, each with its line feed (the last one may lack it). A line ends where
// the runtime's string functions would see it end: at its first null.
class WideTextLines {
 public:
  explicit WideTextLines(std::wstring_view text) : text_(text) {}

  // The next line; false at the end of the text.
  bool Next(std::wstring_view& line);
  void Rewind() { at_ = 0; }

 private:
  std::wstring_view text_;
  std::size_t at_ = 0;
};
